#include "categories/cattachedcatdlg.h"

#include "chrome/popupmenu.h"
#include "chrome/sortlistctrl.h"
#include "platform/appflags.h"
#include "platform/prompter.h"
#include "resources/resource.h"
#include "resources/resourceicons.h"
#include "store/shownfolder.h"

#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kCategoryIcon = 168;

} // namespace

CAttachedCatDlg::CAttachedCatDlg(CFileList *pFiles, const QString &strFile,
                                 const QString &strFolderKey, const QString &strShownDisc,
                                 QWidget *parent)
    : QDialog(parent),
      m_strShownDisc(strShownDisc),
      m_strFolderKey(strFolderKey),
      m_pFiles(pFiles),
      m_strFile(strFile),
      m_lstCats(new CSortListCtrl(this))
{
    setObjectName(QStringLiteral("CAttachedCatDlg"));
    setWindowTitle(tr("List of Attached Categories"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(tr("Edit the Attached Categories"), this);
    label->setObjectName(QStringLiteral("EditLabel"));
    layout->addWidget(label);

    m_lstCats->setObjectName(QStringLiteral("CategoryList"));
    m_lstCats->setAccessibleName(label->text());
    label->setBuddy(m_lstCats);
    m_lstCats->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lstCats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstCats->setIconSize(QSize(24, 24));
    m_lstCats->setColumnCount(1);
    m_lstCats->setHeaderLabels({tr("Category")});
    m_lstCats->header()->setSectionsClickable(true);
    m_lstCats->setColumnWidth(0, 100);
    layout->addWidget(m_lstCats, 1);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    layout->addWidget(buttons);
    resize(340, 320);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_lstCats->header(), &QHeaderView::sectionClicked, this, [this] { OnColumnClick(); });
    m_lstCats->installEventFilter(this);
    m_lstCats->viewport()->installEventFilter(this);
    m_menuRunner = [](QMenu &menu, const QPoint &pos) { return menu.exec(pos); };
    Fill();
}

CAttachedCatDlg::~CAttachedCatDlg() = default;

CFileData *CAttachedCatDlg::FindRecord() const
{
    if (!m_pFiles)
        return nullptr;
    return ShownFolder(m_strShownDisc, m_strFolderKey).FindFile(*m_pFiles, m_strFile);
}

void CAttachedCatDlg::Fill()
{
    m_lstCats->clear();
    const CFileData *r = FindRecord();
    if (!r)
        return;
    // Each name goes on top in turn, head first, so the oldest ends up on top.
    const QIcon icon = ResourceIcon(kCategoryIcon);
    QList<QTreeWidgetItem *> items;
    for (auto it = r->m_lstCategories.crbegin(); it != r->m_lstCategories.crend(); ++it) {
        auto *item = new QTreeWidgetItem(QStringList {*it});
        item->setIcon(0, icon);
        items.append(item);
    }
    m_lstCats->addTopLevelItems(items);
}

void CAttachedCatDlg::OnDetach()
{
    if (theAppFlags().m_bEditAllowed == 0) {
        AfxMessageBox(QStringLiteral("Unautorised Action!!!"), this);
        return;
    }
    m_bChanged = 1;
    CFileData *r = FindRecord();
    if (!r)
        return;
    m_lstPicked.clear();
    for (int i = 0; i < m_lstCats->topLevelItemCount(); ++i) {
        if (m_lstCats->topLevelItem(i)->isSelected())
            m_lstPicked.prepend(m_lstCats->topLevelItem(i)->text(0));
    }
    for (const QString &name : std::as_const(m_lstPicked))
        r->m_lstCategories.removeAll(name);
    Fill();
}

void CAttachedCatDlg::OnColumnClick()
{
    const bool bAscending = m_bAscending == 1;
    m_bAscending = bAscending ? 0 : 1;
    m_lstCats->SortByText(bAscending);
}

bool CAttachedCatDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_lstCats && watched != m_lstCats->viewport())
        return QDialog::eventFilter(watched, event);
    const bool bSelected = !m_lstCats->selectedItems().isEmpty();
    if (event->type() == QEvent::MouseButtonRelease && bSelected)
        m_bMenu = 1;
    if (event->type() != QEvent::ContextMenu)
        return QDialog::eventFilter(watched, event);
    if (bSelected)
        m_bMenu = 1;
    if (m_bMenu == 1) {
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("DataCategoryMenu"));
        FillPopupMenu(menu, IDR_DATACAT_MENU);
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        QPoint pos = menuEvent->globalPos();
        if (menuEvent->reason() == QContextMenuEvent::Keyboard)
            pos = m_lstCats->viewport()->mapToGlobal(
                m_lstCats->visualItemRect(m_lstCats->currentItem()).center());
        QAction *chosen = m_menuRunner ? m_menuRunner(menu, pos) : nullptr;
        if (chosen && chosen->data().toInt() == ID_DATACAT_DELETE)
            OnDetach();
    }
    return true;
}
