#include "discs/cdiscinfodlg.h"

#include "resources/resourceicons.h"
#include "store/disctotals.h"
#include "store/textnumbers.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CDiscInfoDlg::CDiscInfoDlg(const CDisc *pDisc, const CFileList &files, QWidget *parent)
    : QDialog(parent), m_lstCategories(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("CDiscInfoDlg"));
    setWindowTitle(QStringLiteral("Comprehesive  CD Info"));

    DiscFileTotals totals;
    if (pDisc) {
        m_strName = pDisc->m_strName;
        m_strNumber = pDisc->m_strNumber;
        m_strArtist = pDisc->m_strArtist;
        m_strNotes = pDisc->m_strNotes;
        m_strLocation = pDisc->m_strLocation;
        m_strLendDate = pDisc->m_strLendDate;
        m_strQuality = pDisc->m_strQuality;
        m_strSavedDate = pDisc->m_strSavedDate;
        totals = SumDiscFiles(files, m_strNumber);
    }
    m_strFileCount = QString::number(totals.files);
    m_strDiscSize = FormatSize(totals.bytes);

    auto *form = new QFormLayout;
    const auto addField = [&](const QString &label, const QString &text, const char *name) {
        auto *field = new QLabel(text, this);
        field->setObjectName(QLatin1String(name));
        field->setTextFormat(Qt::PlainText);
        field->setFrameShape(QFrame::Panel);
        field->setFrameShadow(QFrame::Sunken);
        field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        field->setFocusPolicy(Qt::StrongFocus); // read with the keyboard too
        field->setAccessibleName(label);
        auto *caption = new QLabel(label, this);
        caption->setBuddy(field);
        form->addRow(caption, field);
    };
    addField(QStringLiteral("CD Name:"), m_strName, "nameField");
    addField(QStringLiteral("CD Number:"), m_strNumber, "numberField");
    // Not in the original dialog, but part of what the catalogue knows about the disc.
    addField(QStringLiteral("CD Artist:"), m_strArtist, "artistField");
    addField(QStringLiteral("CD Location:"), m_strLocation, "locationField");
    addField(QStringLiteral("Saved at :"), m_strSavedDate, "savedDateField");
    addField(QStringLiteral("( Lend Date: ) "), m_strLendDate, "lendDateField");
    addField(QStringLiteral("CD Quality:"), m_strQuality, "qualityField");
    addField(QStringLiteral("Number Files:"), m_strFileCount, "fileCountField");
    addField(QStringLiteral("Full Disc Size"), m_strDiscSize, "discSizeField");

    auto *notes = new QPlainTextEdit(m_strNotes, this);
    notes->setObjectName(QStringLiteral("notesField"));
    notes->setReadOnly(true);
    notes->setAccessibleName(QStringLiteral("Notes"));
    auto *notesCaption = new QLabel(QStringLiteral("Notes"), this);
    notesCaption->setBuddy(notes);

    m_lstCategories->setObjectName(QStringLiteral("categoryList"));
    m_lstCategories->setAccessibleName(QStringLiteral("CD Categories"));
    m_lstCategories->setRootIsDecorated(false);
    m_lstCategories->setHeaderLabels({QStringLiteral("CD Categories")});
    m_lstCategories->header()->resizeSection(0, 150);
    m_lstCategories->setIconSize(QSize(16, 16));
    // Each category goes on top, so the last one attached comes first.
    if (pDisc) {
        const QIcon icon = ResourceIcon(168);
        QList<QTreeWidgetItem *> items;
        for (auto it = pDisc->m_lstCategories.crbegin(); it != pDisc->m_lstCategories.crend();
             ++it) {
            auto *item = new QTreeWidgetItem(QStringList {*it});
            item->setIcon(0, icon);
            items.append(item);
        }
        m_lstCategories->addTopLevelItems(items);
    }

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(notesCaption);
    left->addWidget(notes, 1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addWidget(m_lstCategories, 2);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
    resize(560, 420);
}

CDiscInfoDlg::~CDiscInfoDlg() = default;
