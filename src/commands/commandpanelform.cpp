#include "commands/commandpanelform.h"

#include "chrome/themedbutton.h"
#include "platform/shortcutpassthrough.h"
#include "resources/resourceicons.h"
#include "store/discnumbers.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QLabel *makeLabel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QGroupBox *makeGroup(const QString &title, const char *objectName)
{
    auto *group = new QGroupBox(title);
    group->setObjectName(QLatin1String(objectName));
    return group;
}

// Layouts inside the groups stay tight: the pane starts 255 pixels wide.
template<typename Layout> Layout *tight(Layout *layout)
{
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    return layout;
}

// Two captioned fields one above the other, the fields taking the free width, and the button
// that saves them beside both.
void twoFieldsAndButton(QGridLayout *grid, const QString &first, QLineEdit *firstEdit,
                        const QString &second, QLineEdit *secondEdit, QWidget *button)
{
    grid->addWidget(makeLabel(first, firstEdit), 0, 0);
    grid->addWidget(firstEdit, 0, 1);
    grid->addWidget(makeLabel(second, secondEdit), 1, 0);
    grid->addWidget(secondEdit, 1, 1);
    grid->addWidget(button, 0, 2, 2, 1, Qt::AlignVCenter);
    grid->setColumnStretch(1, 1);
}

CThemedButton *makeButton(const char *objectName)
{
    auto *button = new CThemedButton;
    button->setObjectName(QLatin1String(objectName));
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QLineEdit *makeEdit(const char *objectName, const QString &accessibleName)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(objectName));
    edit->setAccessibleName(accessibleName);
    return edit;
}

QLineEdit *makeReadOnlyField(const char *objectName, const QString &accessibleName)
{
    // Read-only edits rather than labels: long paths and names scroll inside them instead of
    // widening the pane, and the keyboard can still reach and select the text.
    QLineEdit *field = makeEdit(objectName, accessibleName);
    field->setReadOnly(true);
    field->setFrame(false);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
    return field;
}

} // namespace

void CommandPanelForm::Build(QWidget *pane)
{
    auto *outer = new QVBoxLayout(pane);
    outer->setContentsMargins(0, 0, 0, 0);

    // The form is taller than a 768-pixel screen leaves for it: it scrolls vertically.
    m_pScroll = new QScrollArea(pane);
    m_pScroll->setObjectName(QStringLiteral("commandsScroll"));
    m_pScroll->setWidgetResizable(true);
    m_pScroll->setFrameShape(QFrame::NoFrame);
    m_pScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    outer->addWidget(m_pScroll);

    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("commandsForm"));
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(2, 2, 2, 2);

    m_grpFrame = new QFrame;
    m_grpFrame->setObjectName(QStringLiteral("panelFrame"));
    m_grpFrame->setFrameShape(QFrame::StyledPanel);
    contentLayout->addWidget(m_grpFrame);
    auto *form = new QVBoxLayout(m_grpFrame);
    form->setContentsMargins(4, 4, 4, 4);
    form->setSpacing(4);

    // The loaded-database line.
    {
        auto *row = new QHBoxLayout;
        row->setSpacing(3);
        m_stFrameIcon = new QLabel;
        m_stFrameIcon->setObjectName(QStringLiteral("frameIcon"));
        m_stFrameIcon->setPixmap(ResourceIcon(173).pixmap(16, 16));
        m_stDatabase = makeReadOnlyField("databaseField", tr("Loaded database"));
        row->addWidget(m_stFrameIcon);
        row->addWidget(makeLabel(tr("Loaded >>> "), m_stDatabase));
        row->addWidget(m_stDatabase, 1);
        row->addWidget(new QLabel(tr("Database")));
        form->addLayout(row);
    }

    // Home directory.
    m_stHomeDir = makeReadOnlyField("homeDirField", tr("Home Directory"));
    form->addWidget(makeLabel(tr("Home Directory"), m_stHomeDir));
    form->addWidget(m_stHomeDir);

    // Operations.
    {
        QGroupBox *group = makeGroup(tr("Operations"), "operationsGroup");
        auto *row = tight(new QHBoxLayout(group));
        m_btnScan = makeButton("scanButton");
        m_btnGaps = makeButton("findGapsButton");
        m_btnDelete = makeButton("deleteButton");
        m_btnCddb = makeButton("cddbButton");
        for (QWidget *w : {m_btnScan, m_btnGaps, m_btnDelete, m_btnCddb})
            row->addWidget(w);
        row->addStretch(1);
        form->addWidget(group);
    }

    // CD Labels.
    {
        QGroupBox *group = makeGroup(tr("CD Labels"), "cdLabelsGroup");
        auto *grid = tight(new QGridLayout(group));
        m_edCdNumber = makeEdit("cdNumberEdit", tr("CD Number"));
        m_edCdNumber->setToolTip(tr("A number from 1 to %1").arg(kMaxDiscNumber));
        m_edCdName = makeEdit("cdNameEdit", tr("CD Name"));
        m_btnSave = makeButton("saveButton");
        twoFieldsAndButton(grid, tr("CD Number"), m_edCdNumber, tr("CD Name"), m_edCdName,
                           m_btnSave);
        form->addWidget(group);
    }

    // Search for a CD.
    {
        QGroupBox *group = makeGroup(tr("Search for a CD"), "searchCdGroup");
        auto *row = tight(new QHBoxLayout(group));
        m_edFindNumber = makeEdit("findNumberEdit", tr("CD Number to search for"));
        m_btnFindNumber = makeButton("findNumberButton");
        row->addWidget(makeLabel(tr("CD Number"), m_edFindNumber));
        row->addWidget(m_edFindNumber, 1);
        row->addWidget(m_btnFindNumber);
        form->addWidget(group);
    }

    // Search Manager.
    {
        QGroupBox *group = makeGroup(tr("Search Manager"), "searchManagerGroup");
        auto *column = tight(new QVBoxLayout(group));
        m_edPattern = makeEdit("patternEdit", tr("Search pattern"));
        // Ctrl+A here runs the file search, as the button's tip promises.
        new ShortcutPassThrough(m_edPattern, Qt::CTRL | Qt::Key_A);
        column->addWidget(m_edPattern);

        auto *scope = makeGroup(QString(), "scopeGroup");
        scope->setAccessibleName(tr("Search scope"));
        auto *scopeRow = tight(new QHBoxLayout(scope));
        m_rbEverything = new QRadioButton(tr("Everything"));
        m_rbEverything->setObjectName(QStringLiteral("everythingRadio"));
        m_rbByCategory = new QRadioButton(tr("By Category"));
        m_rbByCategory->setObjectName(QStringLiteral("byCategoryRadio"));
        m_rbEverything->setChecked(true);
        scopeRow->addWidget(m_rbEverything);
        scopeRow->addWidget(m_rbByCategory);
        scopeRow->addStretch(1);
        column->addWidget(scope);

        auto *buttons = new QHBoxLayout;
        m_btnNameSearch = makeButton("nameSearchButton");
        m_btnFileSearch = makeButton("fileSearchButton");
        m_btnSearchInCd = makeButton("searchInCdButton");
        m_btnSearchInCd->setVisible(false);
        buttons->addWidget(m_btnNameSearch);
        buttons->addWidget(m_btnFileSearch);
        buttons->addWidget(m_btnSearchInCd);
        buttons->addStretch(1);
        column->addLayout(buttons);

        auto *searchCd = new QHBoxLayout;
        m_stSearchCdCaption = new QLabel(tr("Search CD:"));
        m_stSearchCdCaption->setObjectName(QStringLiteral("searchCdCaption"));
        m_stSearchCd = new QLabel;
        m_stSearchCd->setObjectName(QStringLiteral("searchCdLabel"));
        m_stSearchCdCaption->setVisible(false);
        m_stSearchCd->setVisible(false);
        searchCd->addWidget(m_stSearchCdCaption);
        searchCd->addWidget(m_stSearchCd, 1);
        column->addLayout(searchCd);
        form->addWidget(group);
    }

    // CD Management beside Statistics.
    {
        auto *row = new QHBoxLayout;
        row->setSpacing(3);

        QGroupBox *manage = makeGroup(tr("CD Management"), "cdManagementGroup");
        auto *column = tight(new QVBoxLayout(manage));
        m_edLend = makeEdit("lendEdit", tr("Lend"));
        m_edBorrowedFrom = makeEdit("borrowedFromEdit", tr("CDs, Borrowed From:"));
        QLabel *borrowedLabel = makeLabel(tr("CDs, Borrowed From:"), m_edBorrowedFrom);
        borrowedLabel->setWordWrap(true);
        column->addWidget(makeLabel(tr("Lend"), m_edLend));
        column->addWidget(m_edLend);
        column->addWidget(borrowedLabel);
        column->addWidget(m_edBorrowedFrom);
        auto *buttons = new QGridLayout;
        buttons->setSpacing(3);
        m_btnLend = makeButton("lendButton");
        m_btnAvailable = makeButton("availableButton");
        m_btnNonAvailable = makeButton("nonAvailableButton");
        m_btnGetBack = makeButton("getBackButton");
        buttons->addWidget(m_btnLend, 0, 0);
        buttons->addWidget(m_btnAvailable, 0, 1);
        buttons->addWidget(m_btnNonAvailable, 0, 2);
        buttons->addWidget(m_btnGetBack, 1, 0, 1, 3);
        column->addLayout(buttons);
        row->addWidget(manage, 3);

        QGroupBox *stats = makeGroup(tr("Statistics"), "statisticsGroup");
        auto *statColumn = tight(new QVBoxLayout(stats));
        m_stDiscCount = makeReadOnlyField("discCountField", tr("Number of CDs"));
        m_stLastEntry = makeReadOnlyField("lastEntryField", tr("Last Entry"));
        QLabel *countLabel = makeLabel(tr("Number of CDs"), m_stDiscCount);
        countLabel->setWordWrap(true);
        statColumn->addWidget(countLabel);
        statColumn->addWidget(m_stDiscCount);
        statColumn->addWidget(makeLabel(tr("Last Entry"), m_stLastEntry));
        statColumn->addWidget(m_stLastEntry);
        statColumn->addStretch(1);
        row->addWidget(stats, 2);
        form->addLayout(row);
    }

    // Artist, quality, Add To CD Data and the location.
    {
        auto *grid = new QGridLayout;
        grid->setSpacing(3);
        m_edCdArtist = makeEdit("cdArtistEdit", tr("CD Artist"));
        m_edCdQuality = makeEdit("cdQualityEdit", tr("CD Quality"));
        m_btnAddData = makeButton("addDataButton");
        twoFieldsAndButton(grid, tr("CD Artist"), m_edCdArtist, tr("CD Quality"), m_edCdQuality,
                           m_btnAddData);
        form->addLayout(grid);

        m_stLocation = makeReadOnlyField("cdLocationField", tr("CD Location"));
        form->addWidget(makeLabel(tr("CD Location"), m_stLocation));
        form->addWidget(m_stLocation);
    }
    form->addStretch(1);
    m_pScroll->setWidget(content);
}

void CommandPanelForm::SetupButtons(CThemeLoader *pTheme)
{
    struct Face
    {
        CThemedButton *button;
        const char *tip;
        int iconIn;
        int iconOut;
    };
    const Face faces[] = {
        {m_btnScan, "Scan New CD Ctrl + Y", 191, 191},
        {m_btnGaps, "Search for Gaps in the CD Index Ctrl + G", 183, 183},
        {m_btnCddb, "CDDB Query Ctrl + B", 258, 258},
        {m_btnDelete, "CD Delete Del", 179, 179},
        {m_btnFindNumber, "Search for a CD Number Ctrl + ENTER", 150, 150},
        {m_btnFileSearch, "Search for Files Ctrl + A or Ctrl + ENTER", 182, 182},
        {m_btnSave, "Save CD Data Ctrl + S or Ctrl + ENTER", 150, 150},
        {m_btnNonAvailable, "Non-Available CD's Ctrl + Q", 150, 176},
        {m_btnAvailable, "Available CD's Ctrl + W", 150, 159},
        {m_btnLend, "Lend and Information Ctrl + L or Ctrl + ENTER", 150, 150},
        {m_btnAddData, "Add To CD Data Ctrl + ENTER", 150, 150},
        {m_btnNameSearch, "Search for a specific CD Ctrl + N", 233, 233},
        {m_btnSearchInCd, "Search in CD Ctrl + D or Ctrl + ENTER", 232, 232},
        {m_btnGetBack, "Get CD Back Ctrl + H", 0, 0},
    };
    for (const Face &face : faces) {
        if (face.iconIn != 0) {
            face.button->SetIcon(face.iconIn, face.iconOut);
            face.button->setAccessibleName(QString::fromLatin1(face.tip));
        }
        face.button->SetTooltipText(QString::fromLatin1(face.tip));
        face.button->SetHoverFace(); // follows the desktop's palette when it changes
        face.button->SetThemeHelper(pTheme);
    }
    m_btnGetBack->setText(tr("Get Back"));
    m_btnGetBack->setAccessibleName(tr("Get Back"));
}
