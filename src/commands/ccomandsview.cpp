#include "commands/ccomandsview.h"

#include "chrome/themedbutton.h"
#include "commands/cfrienddbdlg.h"
#include "discs/cdiscinfodlg.h"
#include "platform/appflags.h"
#include "platform/hints.h"
#include "platform/prompter.h"
#include "platform/shortcutpassthrough.h"
#include "platform/tokens.h"
#include "resources/helpfile.h"
#include "resources/resource.h"
#include "resources/resourceicons.h"
#include "store/ccatalog.h"
#include "store/discnumbers.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// Which field was edited last; Ctrl+Enter acts on it.
enum EditedField {
    kNone = 0,
    kCdNumber = 1,
    kCdName = 2,
    kFindNumber = 3,
    kPattern = 4,
    kLend = 5,
    kBorrowedFrom = 6,
    kCdArtist = 7,
    kCdQuality = 8
};

// Changing the text of an edit resets its caret; leave a field alone when it already shows
// the text, so the field being typed in keeps its caret.
void showText(QLineEdit *edit, const QString &text)
{
    if (edit->text() == text)
        return;
    edit->setText(text);
    // A text filled in by the program is read from its start, not its end.
    if (!edit->hasFocus())
        edit->setCursorPosition(0);
    // A value the program shows (a long home directory) can be read whole in the tip.
    if (edit->isReadOnly())
        edit->setToolTip(text);
}

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

} // namespace

CComandsView::CComandsView(QWidget *parent)
    : QWidget(parent),
      m_pRequest(std::make_unique<QStringList>()),
      m_pResult(std::make_unique<QStringList>())
{
    setObjectName(QStringLiteral("CComandsView"));
    BuildForm();
    SetupButtons();
    UpdateData(false);
}

CComandsView::~CComandsView() = default;

CThemedButton *CComandsView::MakeButton(const char *objectName)
{
    auto *button = new CThemedButton;
    button->setObjectName(QLatin1String(objectName));
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QLineEdit *CComandsView::MakeEdit(const char *objectName, const QString &accessibleName)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(objectName));
    edit->setAccessibleName(accessibleName);
    return edit;
}

QLineEdit *CComandsView::MakeReadOnlyField(const char *objectName, const QString &accessibleName)
{
    // Read-only edits rather than labels: long paths and names scroll inside them instead of
    // widening the pane, and the keyboard can still reach and select the text.
    QLineEdit *field = MakeEdit(objectName, accessibleName);
    field->setReadOnly(true);
    field->setFrame(false);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
    return field;
}

void CComandsView::BuildForm()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);

    // The form is taller than a 768-pixel screen leaves for it: it scrolls vertically.
    m_pScroll = new QScrollArea(this);
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
        m_stDatabase = MakeReadOnlyField("databaseField", tr("Loaded database"));
        row->addWidget(m_stFrameIcon);
        row->addWidget(makeLabel(tr("Loaded >>> "), m_stDatabase));
        row->addWidget(m_stDatabase, 1);
        row->addWidget(new QLabel(tr("Database")));
        form->addLayout(row);
    }

    // Home directory.
    m_stHomeDir = MakeReadOnlyField("homeDirField", tr("Home Directory"));
    form->addWidget(makeLabel(tr("Home Directory"), m_stHomeDir));
    form->addWidget(m_stHomeDir);

    // Operations.
    {
        QGroupBox *group = makeGroup(tr("Operations"), "operationsGroup");
        auto *row = tight(new QHBoxLayout(group));
        m_btnScan = MakeButton("scanButton");
        m_btnGaps = MakeButton("findGapsButton");
        m_btnDelete = MakeButton("deleteButton");
        m_btnCddb = MakeButton("cddbButton");
        for (QWidget *w : {m_btnScan, m_btnGaps, m_btnDelete, m_btnCddb})
            row->addWidget(w);
        row->addStretch(1);
        form->addWidget(group);
    }

    // CD Labels.
    {
        QGroupBox *group = makeGroup(tr("CD Labels"), "cdLabelsGroup");
        auto *grid = tight(new QGridLayout(group));
        m_edCdNumber = MakeEdit("cdNumberEdit", tr("CD Number"));
        m_edCdName = MakeEdit("cdNameEdit", tr("CD Name"));
        m_btnSave = MakeButton("saveButton");
        grid->addWidget(makeLabel(tr("CD Number"), m_edCdNumber), 0, 0);
        grid->addWidget(m_edCdNumber, 0, 1);
        grid->addWidget(makeLabel(tr("CD Name"), m_edCdName), 1, 0);
        grid->addWidget(m_edCdName, 1, 1);
        grid->addWidget(m_btnSave, 0, 2, 2, 1, Qt::AlignVCenter);
        grid->setColumnStretch(1, 1);
        form->addWidget(group);
    }

    // Search for a CD.
    {
        QGroupBox *group = makeGroup(tr("Search for a CD"), "searchCdGroup");
        auto *row = tight(new QHBoxLayout(group));
        m_edFindNumber = MakeEdit("findNumberEdit", tr("CD Number to search for"));
        m_btnFindNumber = MakeButton("findNumberButton");
        row->addWidget(makeLabel(tr("CD Number"), m_edFindNumber));
        row->addWidget(m_edFindNumber, 1);
        row->addWidget(m_btnFindNumber);
        form->addWidget(group);
    }

    // Search Manager.
    {
        QGroupBox *group = makeGroup(tr("Search Manager"), "searchManagerGroup");
        auto *column = tight(new QVBoxLayout(group));
        m_edPattern = MakeEdit("patternEdit", tr("Search pattern"));
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
        m_btnNameSearch = MakeButton("nameSearchButton");
        m_btnFileSearch = MakeButton("fileSearchButton");
        m_btnSearchInCd = MakeButton("searchInCdButton");
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
        m_edLend = MakeEdit("lendEdit", tr("Lend"));
        m_edBorrowedFrom = MakeEdit("borrowedFromEdit", tr("CDs, Borrowed From:"));
        QLabel *borrowedLabel = makeLabel(tr("CDs, Borrowed From:"), m_edBorrowedFrom);
        borrowedLabel->setWordWrap(true);
        column->addWidget(makeLabel(tr("Lend"), m_edLend));
        column->addWidget(m_edLend);
        column->addWidget(borrowedLabel);
        column->addWidget(m_edBorrowedFrom);
        auto *buttons = new QGridLayout;
        buttons->setSpacing(3);
        m_btnLend = MakeButton("lendButton");
        m_btnAvailable = MakeButton("availableButton");
        m_btnNonAvailable = MakeButton("nonAvailableButton");
        m_btnGetBack = MakeButton("getBackButton");
        buttons->addWidget(m_btnLend, 0, 0);
        buttons->addWidget(m_btnAvailable, 0, 1);
        buttons->addWidget(m_btnNonAvailable, 0, 2);
        buttons->addWidget(m_btnGetBack, 1, 0, 1, 3);
        column->addLayout(buttons);
        row->addWidget(manage, 3);

        QGroupBox *stats = makeGroup(tr("Statistics"), "statisticsGroup");
        auto *statColumn = tight(new QVBoxLayout(stats));
        m_stDiscCount = MakeReadOnlyField("discCountField", tr("Number of CDs"));
        m_stLastEntry = MakeReadOnlyField("lastEntryField", tr("Last Entry"));
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
        m_edCdArtist = MakeEdit("cdArtistEdit", tr("CD Artist"));
        m_edCdQuality = MakeEdit("cdQualityEdit", tr("CD Quality"));
        m_btnAddData = MakeButton("addDataButton");
        grid->addWidget(makeLabel(tr("CD Artist"), m_edCdArtist), 0, 0);
        grid->addWidget(m_edCdArtist, 0, 1);
        grid->addWidget(makeLabel(tr("CD Quality"), m_edCdQuality), 1, 0);
        grid->addWidget(m_edCdQuality, 1, 1);
        grid->addWidget(m_btnAddData, 0, 2, 2, 1, Qt::AlignVCenter);
        grid->setColumnStretch(1, 1);
        form->addLayout(grid);

        m_stLocation = MakeReadOnlyField("cdLocationField", tr("CD Location"));
        form->addWidget(makeLabel(tr("CD Location"), m_stLocation));
        form->addWidget(m_stLocation);
    }
    form->addStretch(1);
    m_pScroll->setWidget(content);

    // Field-edit tracking: every change of a field's text counts, typed or made by a screen
    // reader or voice input through the accessibility interface; the program's own refills
    // do not (m_bFilling).
    const std::pair<QLineEdit *, int> fields[]
        = {{m_edCdNumber, kCdNumber}, {m_edCdName, kCdName},      {m_edFindNumber, kFindNumber},
           {m_edPattern, kPattern},   {m_edLend, kLend},          {m_edBorrowedFrom, kBorrowedFrom},
           {m_edCdArtist, kCdArtist}, {m_edCdQuality, kCdQuality}};
    for (const auto &[edit, field] : fields) {
        const int nField = field;
        connect(edit, &QLineEdit::textChanged, this, [this, nField] {
            if (!m_bFilling)
                OnFieldEdited(nField);
        });
    }
    connect(m_rbEverything, &QRadioButton::toggled, this, &CComandsView::OnScopeChanged);
    connect(m_rbByCategory, &QRadioButton::toggled, this, &CComandsView::OnScopeChanged);

    const std::pair<CThemedButton *, void (CComandsView::*)()> actions[] = {
        {m_btnScan, &CComandsView::OnScan},
        {m_btnGaps, &CComandsView::OnFindGaps},
        {m_btnDelete, &CComandsView::OnDeleteCd},
        {m_btnCddb, &CComandsView::OnCddb},
        {m_btnSave, &CComandsView::OnSaveCdData},
        {m_btnFindNumber, &CComandsView::OnFindNumber},
        {m_btnFileSearch, &CComandsView::OnFileSearch},
        {m_btnNameSearch, &CComandsView::OnNameSearch},
        {m_btnSearchInCd, &CComandsView::OnSearchInCd},
        {m_btnLend, &CComandsView::OnLend},
        {m_btnAvailable, &CComandsView::OnAvailable},
        {m_btnNonAvailable, &CComandsView::OnNonAvailable},
        {m_btnAddData, &CComandsView::OnAddData},
        {m_btnGetBack, &CComandsView::OnGetBack},
    };
    for (const auto &[button, action] : actions)
        connect(button, &QPushButton::clicked, this, action);
}

void CComandsView::SetupButtons()
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
        face.button->SetThemeHelper(&m_themeLoader);
    }
    m_btnGetBack->setText(tr("Get Back"));
    m_btnGetBack->setAccessibleName(tr("Get Back"));
}

void CComandsView::OnInitialUpdate()
{
    m_strDatabase = QStringLiteral("Personal");
    UpdateData(false);
}

void CComandsView::UpdateData(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_strCdNumber = m_edCdNumber->text();
        m_strCdName = m_edCdName->text();
        m_strFindNumber = m_edFindNumber->text();
        m_strPattern = m_edPattern->text();
        m_strLend = m_edLend->text();
        m_strBorrowedFrom = m_edBorrowedFrom->text();
        m_strCdArtist = m_edCdArtist->text();
        m_strCdQuality = m_edCdQuality->text();
        m_nScope = m_rbByCategory->isChecked() ? 1 : 0;
        return;
    }
    const QScopedValueRollback filling(m_bFilling, true);
    showText(m_stDatabase, m_strDatabase);
    showText(m_stHomeDir, m_strHomeDir);
    showText(m_edCdNumber, m_strCdNumber);
    showText(m_edCdName, m_strCdName);
    showText(m_edFindNumber, m_strFindNumber);
    showText(m_edPattern, m_strPattern);
    showText(m_edLend, m_strLend);
    showText(m_edBorrowedFrom, m_strBorrowedFrom);
    showText(m_stDiscCount, m_strDiscCount);
    showText(m_stLastEntry, m_strLastEntry);
    showText(m_edCdArtist, m_strCdArtist);
    showText(m_edCdQuality, m_strCdQuality);
    showText(m_stLocation, m_strCdLocation);
    m_stSearchCd->setText(m_strSearchCd);
    (m_nScope == 1 ? m_rbByCategory : m_rbEverything)->setChecked(true);
}

void CComandsView::OnFieldEdited(int nField)
{
    UpdateData(true);
    switch (nField) {
    case kCdNumber:
        m_bNumberEdited = 1;
        break;
    case kCdName:
        m_bNumberEdited = 0;
        break;
    case kLend: {
        // One person field at a time: the Lend button acts on the one typed in last.
        const QScopedValueRollback filling(m_bFilling, true);
        m_strBorrowedFrom.clear();
        m_edBorrowedFrom->clear();
        m_bLendEdited = 1;
        m_bBorrowEdited = 0;
        break;
    }
    case kBorrowedFrom: {
        const QScopedValueRollback filling(m_bFilling, true);
        m_strLend.clear();
        m_edLend->clear();
        m_bBorrowEdited = 1;
        m_bLendEdited = 0;
        break;
    }
    case kCdArtist:
    case kCdQuality:
        if (theAppFlags().m_bEditAllowed == 1 && theAppFlags().m_bHomeDatabase == 1)
            m_dataEdit.Typed(m_strShownNumber);
        break;
    default:
        break;
    }
    m_nLastEdit = nField;
}

void CComandsView::OnScopeChanged()
{
    m_nScope = m_rbByCategory->isChecked() ? 1 : 0;
    m_bEverything = m_nScope == 0 ? 1 : 0;
    m_bByCategory = m_nScope == 1 ? 1 : 0;
}

void CComandsView::OnUpdate(CView *, int lHint, const HintArg &hint)
{
    switch (lHint) {
    case HINT_TOKEN:
        if (hint.is(Tokens::KeepEdits))
            KeepPendingEdits();
        break;
    case HINT_SELECTION:
        if (CCatalog *catalog = hint.catalog())
            RefillFromCatalog(catalog);
        break;
    case HINT_ALLOW_REPLY:
        m_bAllowed = hint.is(Tokens::Yes) ? 1 : 0;
        break;
    case HINT_PANEL_COMMAND:
        RunPanelCommand(hint);
        break;
    case HINT_FRIEND_REQUEST:
        OnLoadFriendDatabase();
        break;
    case HINT_HOME_REQUEST:
        OnBackToHomeDatabase();
        break;
    case HINT_PANEL_ENABLE:
        // A friend's catalogue failed to load and the home one is shown: say so.
        EnableEditButtons(true);
        m_strDatabase = QStringLiteral("Personal");
        UpdateData(false);
        break;
    default:
        break;
    }
}

void CComandsView::KeepPendingEdits()
{
    const AppFlags &flags = theAppFlags();
    if (flags.m_bEditAllowed != 1 || flags.m_bHomeDatabase != 1) {
        m_dataEdit.Clear();
        return;
    }
    m_dataEdit.KeepInto(m_pCatalog, [this](CDisc &disc) {
        disc.m_strArtist = m_edCdArtist->text();
        disc.m_strQuality = m_edCdQuality->text();
    });
}

void CComandsView::RefillFromCatalog(CCatalog *pCatalog)
{
    // The fields are about to show another disc, or the same one afresh.
    KeepPendingEdits();
    m_pCatalog = pCatalog;
    if (const CDisc *disc = pCatalog->FindDisc(pCatalog->m_strCurNumber)) {
        m_strCdArtist = disc->m_strArtist;
        m_strCdQuality = disc->m_strQuality;
        m_strCdLocation = disc->m_strLocation;
    }
    m_strHomeDir = pCatalog->m_strHomeDir;
    // The statistics of an empty catalogue read "0", not blanks.
    m_strLastEntry = pCatalog->m_strLastEntry;
    m_strDiscCount = pCatalog->m_strDiscCount;
    if (pCatalog->m_strDiscCount != QLatin1String("0")) {
        m_strShownNumber = pCatalog->m_strCurNumber;
        m_strLend.clear();
        const QString &path = pCatalog->m_strCurPath;
        const qsizetype slash = path.indexOf(QLatin1Char('\\'));
        m_strCdName = slash < 0 ? path : path.left(slash);
        m_strCdNumber = pCatalog->m_strCurNumber;
        m_strSearchCd = m_strCdNumber + QStringLiteral(", ") + m_strCdName;
    }
    UpdateData(false);
}

void CComandsView::RunPanelCommand(const HintArg &hint)
{
    const std::pair<const Token *, void (CComandsView::*)()> commands[] = {
        {&Tokens::OnEditCdscan, &CComandsView::OnScan},
        {&Tokens::OnEditFindGaps, &CComandsView::OnFindGaps},
        {&Tokens::OnEditDeleteCd, &CComandsView::OnDeleteCd},
        {&Tokens::OnLendLendto, &CComandsView::OnLend},
        {&Tokens::OnLendGetback, &CComandsView::OnGetBack},
        {&Tokens::OnLendShowavailablecds, &CComandsView::OnAvailable},
        {&Tokens::OnLendShownonavailablecds, &CComandsView::OnNonAvailable},
        {&Tokens::OnSearchNamesearch, &CComandsView::OnNameSearch},
        {&Tokens::OnSearchFilesearch, &CComandsView::OnFileSearch},
        {&Tokens::OnSearchSearchcd, &CComandsView::OnSearchInCd},
        {&Tokens::OnOptions, &CComandsView::OnCdInfo},
    };
    if (hint.is(Tokens::OnEditCddbQuery)) {
        AfxMessageBox(QStringLiteral("Not implemented in this version."), this);
        return;
    }
    for (const auto &[token, action] : commands)
        if (hint.is(*token)) {
            (this->*action)();
            return;
        }
}

bool CComandsView::OnCommand(int id)
{
    switch (id) {
    case ID_EDIT_CDSCAN:
    case ID_ACCEL_SCAN:
        OnScan();
        return true;
    case ID_EDIT_FINDGAPS:
    case ID_ACCEL_FINDGAPS:
        OnFindGaps();
        return true;
    case ID_EDIT_DELETECD:
        OnDeleteCd();
        return true;
    case ID_EDIT_CDDBQUERY:
        AfxMessageBox(QStringLiteral("Not implemented in this version."), this);
        return true;
    case ID_ACCEL_CDDB:
        // The key does what the button beside its tip does.
        OnCddb();
        return true;
    case ID_ACCEL_SAVEDATA:
        OnSaveCdData();
        return true;
    case ID_LEND_LENDTO:
    case ID_ACCEL_LEND:
        OnLend();
        return true;
    case ID_LEND_GETBACK:
    case ID_ACCEL_GETBACK:
        OnGetBack();
        return true;
    case ID_LEND_SHOWAVAILABLECDS:
    case ID_ACCEL_AVAILABLE:
        OnAvailable();
        return true;
    case ID_LEND_SHOWNONAVAILABLECDS:
    case ID_ACCEL_NONAVAILABLE:
        OnNonAvailable();
        return true;
    case ID_SEARCH_NAMESEARCH:
    case ID_ACCEL_NAMESEARCH:
        OnNameSearch();
        return true;
    case ID_SEARCH_FILESEARCH:
    case ID_ACCEL_FILESEARCH:
        OnFileSearch();
        return true;
    case ID_SEARCH_SEARCHCD:
    case ID_ACCEL_SEARCHCD:
        OnSearchInCd();
        return true;
    case ID_ACCEL_CTRLENTER:
        OnCtrlEnter();
        return true;
    case ID_OPTIONS:
        OnCdInfo();
        return true;
    case ID_VIEW_LARGEICONS:
        OnViewLargeIcons();
        return true;
    case ID_VIEW_SMALLICONS:
        OnViewSmallIcons();
        return true;
    case ID_DATABASE_BACKHOME:
    case ID_ACCEL_BACKHOME:
        OnBackToHomeDatabase();
        return true;
    case ID_DATABASE_LOADFRIEND:
    case ID_ACCEL_LOADFRIEND:
        OnLoadFriendDatabase();
        return true;
    case ID_HELP_FINDER:
        OnHelp();
        return true;
    default:
        return false;
    }
}

// The editing actions below also arrive through keys and forwarded menu commands, which
// reach the panel while its buttons are disabled for a friend's catalogue. They act only
// while the button is enabled, so a friend's catalogue is never scanned into or edited.

void CComandsView::OnScan()
{
    if (m_btnScan->isEnabled())
        UpdateAllViews(HINT_TOKEN, Tokens::Scan);
}

void CComandsView::OnFindGaps()
{
    UpdateAllViews(HINT_TOKEN, Tokens::Missing);
}

void CComandsView::OnDeleteCd()
{
    if (m_btnDelete->isEnabled())
        UpdateAllViews(HINT_TOKEN, Tokens::Delete);
}

void CComandsView::OnCddb()
{
    if (m_btnCddb->isEnabled())
        UpdateAllViews(HINT_TOKEN, Tokens::CDDB);
}

void CComandsView::OnAvailable()
{
    UpdateAllViews(HINT_TOKEN, Tokens::Home);
}

void CComandsView::OnNonAvailable()
{
    UpdateAllViews(HINT_TOKEN, Tokens::Away);
}

void CComandsView::OnFindNumber()
{
    // A copy: the disc tree answers with a selection that refills the panel mid-broadcast.
    const QString number = m_strFindNumber;
    UpdateAllViews(HINT_FIND_NUMBER, number);
}

void CComandsView::OnSaveCdData()
{
    if (!m_btnSave->isEnabled() || theAppFlags().m_bEditAllowed != 1)
        return;
    // Ask afresh each time; a stale answer must not let a folder be renamed.
    m_bAllowed = 0;
    UpdateAllViews(HINT_TOKEN, Tokens::AllowRequest);
    if (m_bAllowed != 1) {
        AfxMessageBox(QStringLiteral("Please, click on the name of the CD!"), this);
        return;
    }
    UpdateData(true);
    auto finish = [this] {
        m_bNumberEdited = 0;
        UpdateData(true);
    };
    if (!m_pCatalog) {
        finish();
        return;
    }
    // Digits only and at most six of them: a number that does not stay what was typed
    // (12abc, 99999999999999999999) would let two discs share one.
    const std::optional<int> nNumber = ParseDiscNumber(m_strCdNumber);
    if (!nNumber) {
        AfxMessageBox(QStringLiteral("Please, type a valid CD Number."), this);
        finish();
        return;
    }
    m_strCdNumber = QString::number(*nNumber);
    CDiscList &discs = *m_pCatalog->m_pDiscs;

    // Check the number before touching any record, so a refused save changes nothing. A
    // number already on another disc is refused even when the name was edited after it:
    // two discs with one number would merge their files.
    const bool bRenumbered = m_strCdNumber != m_strShownNumber;
    for (const CDisc &disc : std::as_const(discs)) {
        if (disc.m_strNumber == m_strCdNumber && (m_bNumberEdited == 1 || bRenumbered)) {
            m_bNumberEdited = 0;
            m_strCdNumber = m_strShownNumber;
            UpdateData(false);
            AfxMessageBox(QStringLiteral("This number is already used."), this);
            finish();
            return;
        }
    }

    CDisc *pEdited = nullptr;
    for (CDisc &disc : discs) {
        if (disc.m_strNumber != m_strShownNumber)
            continue;
        disc.m_strName = m_strCdName;
        disc.m_strOldNumber = m_strShownNumber;
        if (!pEdited)
            pEdited = &disc;
    }
    if (pEdited) {
        pEdited->m_strNumber = m_strCdNumber;
        pEdited->m_strName = m_strCdName;
        pEdited->m_strOldNumber = m_strShownNumber;
        UpdateAllViews(HINT_DISC_EDITED, pEdited);
    }
    finish();
}

void CComandsView::RunSearch(const QString &kind)
{
    m_pRequest->clear();
    if (m_pCatalog)
        m_pCatalog->m_lstSelection.clear();
    UpdateAllViews(HINT_COLLECT_CATEGORIES, Tokens::Cats);

    if (m_strPattern.isEmpty()) {
        AfxMessageBox(QStringLiteral("Please, enter a file name to search for."), this);
        return;
    }
    *m_pRequest << m_strPattern << kind;
    if (m_bEverything == 1) {
        if (m_strPattern == QLatin1String("*")) {
            AfxMessageBox(QStringLiteral("Please, use this search pattern only with "
                                         "categories.\nWildcarts are not implemented in this "
                                         "freeware version."),
                          this);
            return;
        }
        m_pRequest->append(QStringLiteral("all"));
    } else if (m_bByCategory == 1) {
        if (!m_pCatalog || m_pCatalog->m_lstSelection.isEmpty()) {
            AfxMessageBox(QStringLiteral("Please, select categories."), this);
            return;
        }
        m_pRequest->append(QStringLiteral("byCat"));
    }
    const QStringList request = *m_pRequest;
    UpdateAllViews(HINT_SEARCH, request);
}

void CComandsView::OnNameSearch()
{
    RunSearch(QStringLiteral("names"));
}

void CComandsView::OnFileSearch()
{
    RunSearch(QStringLiteral("files"));
}

void CComandsView::OnSearchInCd()
{
    m_pResult->clear();
    if (m_pCatalog)
        m_pCatalog->m_lstSelection.clear();
    UpdateAllViews(HINT_COLLECT_CATEGORIES, Tokens::Cats);

    if (m_strPattern.isEmpty()) {
        AfxMessageBox(QStringLiteral("Please, type the name of the file to search."), this);
        return;
    }
    const QString pattern = m_strPattern.toLower();
    auto matches = [&](const CFileData &file) {
        return file.m_strDiscNumber == m_strCdNumber
            && file.m_strFileName.toLower().contains(pattern);
    };
    const CFileList *files = m_pCatalog ? m_pCatalog->m_pFiles.get() : nullptr;
    if (m_bEverything == 1) {
        if (files)
            for (auto it = files->crbegin(); it != files->crend(); ++it)
                if (matches(*it))
                    m_pResult->append(it->m_strFileName);
    } else if (m_bByCategory == 1) {
        const QStringList selection = m_pCatalog ? m_pCatalog->m_lstSelection : QStringList();
        if (selection.isEmpty()) {
            AfxMessageBox(QStringLiteral("Please, select categories."), this);
            return;
        }
        if (files)
            for (const CFileData &file : *files) {
                if (file.m_lstCategories.size() < selection.size() || !matches(file))
                    continue;
                bool bAll = true;
                for (const QString &category : selection)
                    bAll = bAll && file.m_lstCategories.contains(category);
                if (bAll)
                    m_pResult->append(file.m_strFileName);
            }
    }
    const QStringList result = *m_pResult;
    UpdateAllViews(HINT_SHOW_NAMES, result);
}

void CComandsView::OnLend()
{
    if (!m_btnLend->isEnabled())
        return;
    if (m_bLendEdited == 1) {
        const QString person = m_strLend;
        // The disc tree ignores an empty name, so the shown location must not change either.
        if (!person.isEmpty()) {
            m_strCdLocation = person;
            UpdateData(false);
        }
        UpdateAllViews(HINT_LEND_TO, person);
    }
    if (m_bBorrowEdited == 1) {
        const QString person = m_strBorrowedFrom;
        UpdateAllViews(HINT_BORROWED_FROM, person);
    }
}

CDisc *CComandsView::SelectedDisc() const
{
    return m_pCatalog ? m_pCatalog->FindDisc(m_pCatalog->m_strCurNumber) : nullptr;
}

void CComandsView::OnGetBack()
{
    if (!m_btnGetBack->isEnabled())
        return;
    CDisc *disc = SelectedDisc();
    if (!disc)
        return;
    disc->m_strLocation = QStringLiteral("home");
    m_strLend.clear();
    m_strCdLocation = disc->m_strLocation;
    UpdateData(false);
}

void CComandsView::OnAddData()
{
    if (!m_btnAddData->isEnabled())
        return;
    CDisc *disc = SelectedDisc();
    if (!disc)
        return;
    disc->m_strArtist = m_strCdArtist;
    disc->m_strQuality = m_strCdQuality;
    m_dataEdit.Clear();
    m_strCdArtist = disc->m_strArtist;
    m_strCdQuality = disc->m_strQuality;
    m_strCdLocation = disc->m_strLocation;
    UpdateData(false);
}

void CComandsView::OnCtrlEnter()
{
    if (theAppFlags().m_bHomeDatabase != 1)
        return;
    switch (m_nLastEdit) {
    case kCdNumber:
    case kCdName:
        OnSaveCdData();
        break;
    case kFindNumber:
        OnFindNumber();
        break;
    case kPattern:
        OnFileSearch();
        break;
    case kLend:
    case kBorrowedFrom:
        OnLend();
        break;
    case kCdArtist:
    case kCdQuality:
        OnAddData();
        break;
    default:
        break;
    }
}

void CComandsView::OnCdInfo()
{
    if (!m_pCatalog || m_pCatalog->m_pDiscs->isEmpty()) {
        AfxMessageBox(QStringLiteral("No CD on the List"), this);
        return;
    }
    ShowDiscInfoDialog(m_pCatalog->FindDisc(m_pCatalog->m_strCurNumber));
}

void CComandsView::ShowDiscInfoDialog(const CDisc *pDisc)
{
    CDiscInfoDlg dlg(pDisc, *m_pCatalog->m_pFiles, this);
    ExecDialog(dlg);
}

void CComandsView::OnViewLargeIcons()
{
    UpdateAllViews(HINT_VIEW_MODE, Tokens::OnViewLargeicons);
    theAppFlags().m_bSmallIcons = 0;
}

void CComandsView::OnViewSmallIcons()
{
    UpdateAllViews(HINT_VIEW_MODE, Tokens::OnViewSmallicons);
    theAppFlags().m_bSmallIcons = 1;
}

void CComandsView::EnableEditButtons(bool bEnable)
{
    for (CThemedButton *button :
         {m_btnDelete, m_btnGetBack, m_btnCddb, m_btnScan, m_btnLend, m_btnSave, m_btnAddData})
        button->setEnabled(bEnable);
}

void CComandsView::OnLoadFriendDatabase()
{
    AppFlags &flags = theAppFlags();
    // A friend's catalogue is loaded only over the home one, never over another friend's.
    if (flags.m_bHomeDatabase == 0)
        return;
    CFriendDbDlg dlg(this);
    if (ExecDialog(dlg) != QDialog::Accepted)
        return;
    // The home catalogue is saved before the friend's is shown: what was typed goes with it
    // (the category panel keeps its note at "EnableFalse").
    KeepPendingEdits();
    flags.m_bHomeDatabase = 0;
    flags.m_bEditAllowed = 0;
    EnableEditButtons(false);
    UpdateAllViews(HINT_ENABLE, Tokens::EnableFalse);
    if (dlg.m_bConfirmed == 1) {
        m_strDatabase = dlg.m_strFriendName.isEmpty() ? QStringLiteral("Friend's")
                                                      : dlg.m_strFriendName + QStringLiteral("'s");
        UpdateData(false);
        const QString folder = dlg.m_strFolder;
        UpdateAllViews(HINT_LOAD_FRIEND, folder);
    }
}

void CComandsView::OnBackToHomeDatabase()
{
    AppFlags &flags = theAppFlags();
    flags.m_bHomeDatabase = 1;
    flags.m_bEditAllowed = 1;
    UpdateAllViews(HINT_ENABLE, Tokens::EnableTrue);
    EnableEditButtons(true);
    m_strDatabase = QStringLiteral("Personal");
    UpdateData(false);
    UpdateAllViews(HINT_HOME_DATA, Tokens::HomeData);
}

void CComandsView::OnHelp()
{
    // The program's own help page, the same the frame's help command opens; there is no
    // help file in the home directory to look for.
    OpenHelpPage(this);
}
