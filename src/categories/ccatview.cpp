#include "categories/ccatview.h"

#include "categories/homestart.h"
#include "categories/labeleditdelegate.h"
#include "chrome/elidedtooltips.h"
#include "chrome/popupmenu.h"
#include "chrome/sortheader.h"
#include "chrome/sortlistctrl.h"
#include "chrome/themedbutton.h"
#include "platform/appflags.h"
#include "platform/ctavikondoc.h"
#include "platform/hints.h"
#include "platform/prompter.h"
#include "platform/tokens.h"
#include "resources/resource.h"
#include "resources/resourceicons.h"
#include "store/ccatalog.h"
#include "store/shownfolder.h"

#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kCategoryIcon = 168;
const QSize kRowIconSize(24, 24);

const char *const kAlreadyListed = "This category is already on your list!";

// Notes are stored with the CR LF line ends the catalogue has always used; the editor works
// with bare line feeds.
QString NoteForEditor(const QString &stored)
{
    QString text = stored;
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString NoteForStore(const QString &edited)
{
    QString text = NoteForEditor(edited);
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QLabel *MakeLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    // The pane starts only 165 pixels wide; long captions wrap instead of being cut off.
    label->setWordWrap(true);
    return label;
}

CSortListCtrl *MakeList(const QString &name, const QString &accessible, QWidget *parent)
{
    auto *list = new CSortListCtrl(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessible);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The panel sorts on header clicks itself; the view's own sorting stays off.
    list->header()->setSectionsClickable(true);
    return list;
}

// Dialog 259: asks before a category is removed from the catalogue and every record.
void BuildDeleteDialog(QDialog &dlg)
{
    dlg.setObjectName(QStringLiteral("categoryDeleteDialog"));
    dlg.setWindowTitle(QStringLiteral("Category Delete ?"));
    auto *layout = new QVBoxLayout(&dlg);
    auto *text = new QLabel(QStringLiteral("Do you want delete this category ?"), &dlg);
    text->setObjectName(QStringLiteral("questionLabel"));
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(&dlg);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QPushButton *cancel
        = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    layout->addWidget(buttons);
}

int DesktopMenuTracker(QWidget *parent, int nMenuId, const QPoint &globalPos)
{
    QMenu menu(parent);
    if (!FillPopupMenu(menu, nMenuId))
        return 0;
    QAction *chosen = menu.exec(globalPos);
    return chosen ? chosen->data().toInt() : 0;
}

} // namespace

CCatView::CCatView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CCatView"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    QLabel *createLabel
        = MakeLabel(QStringLiteral("Create New Categories"), QStringLiteral("createLabel"), this);
    layout->addWidget(createLabel);

    auto *createRow = new QHBoxLayout;
    m_editNewCategory = new QLineEdit(this);
    m_editNewCategory->setObjectName(QStringLiteral("newCategoryEdit"));
    m_editNewCategory->setAccessibleName(createLabel->text());
    createLabel->setBuddy(m_editNewCategory);
    createRow->addWidget(m_editNewCategory, 1);
    m_btnCreate = new CThemedButton(this);
    m_btnCreate->setObjectName(QStringLiteral("createButton"));
    m_btnCreate->setIconSize(kRowIconSize);
    createRow->addWidget(m_btnCreate);
    layout->addLayout(createRow);

    QLabel *allLabel
        = MakeLabel(QStringLiteral("List of All Categories"), QStringLiteral("allLabel"), this);
    layout->addWidget(allLabel);
    m_lstAll = MakeList(QStringLiteral("allList"), allLabel->text(), this);
    m_lstAll->setEditTriggers(QAbstractItemView::SelectedClicked
                              | QAbstractItemView::EditKeyPressed);
    m_pLabelEdit = new CLabelEditDelegate(m_lstAll);
    m_lstAll->setItemDelegate(m_pLabelEdit);
    layout->addWidget(m_lstAll, 3);

    QLabel *attachedLabel = MakeLabel(QStringLiteral("Categories, Attached to a CD"),
                                      QStringLiteral("attachedLabel"), this);
    layout->addWidget(attachedLabel);
    m_lstAttached = MakeList(QStringLiteral("attachedList"), attachedLabel->text(), this);
    m_lstAttached->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_lstAttached, 2);

    auto *noteRow = new QHBoxLayout;
    QLabel *noteLabel = MakeLabel(QStringLiteral("Notes"), QStringLiteral("noteLabel"), this);
    noteRow->addWidget(noteLabel, 1);
    m_btnSaveNote = new QPushButton(QStringLiteral("Save Note"), this);
    m_btnSaveNote->setObjectName(QStringLiteral("saveNoteButton"));
    m_btnSaveNote->setAccessibleName(m_btnSaveNote->text());
    noteRow->addWidget(m_btnSaveNote);
    layout->addLayout(noteRow);

    m_editNote = new QPlainTextEdit(this);
    m_editNote->setObjectName(QStringLiteral("noteEdit"));
    m_editNote->setAccessibleName(noteLabel->text());
    // A narrow pane wraps a long note rather than hiding its end to the right.
    m_editNote->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_editNote->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_editNote->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Tab leaves the field, as in every other form, so the keyboard can get past it.
    m_editNote->setTabChangesFocus(true);
    noteLabel->setBuddy(m_editNote);
    layout->addWidget(m_editNote, 2);

    connect(m_editNewCategory, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_strNewCategory = text;
        m_bNoteTypedLast = false;
    });
    // Every change counts, typed or made through the accessibility interface; the program's
    // own fills block the signal.
    connect(m_editNote, &QPlainTextEdit::textChanged, this, [this] {
        m_strNote = NoteForStore(m_editNote->toPlainText());
        m_bNoteTypedLast = true;
        if (theAppFlags().m_bEditAllowed == 1 && theAppFlags().m_bHomeDatabase == 1)
            m_noteEdit.Typed(m_strNoteNumber);
    });
    connect(m_btnCreate, &QPushButton::clicked, this, [this] { OnCreate(); });
    // Return in the name field does what the button beside it does.
    connect(m_editNewCategory, &QLineEdit::returnPressed, this, [this] {
        if (m_btnCreate->isEnabled())
            OnCreate();
    });
    connect(m_btnSaveNote, &QPushButton::clicked, this, [this] { OnSaveNote(); });
    connect(m_lstAll, &QAbstractItemView::doubleClicked, this, [this] { OnViewCds(); });
    connect(m_lstAll->SortHeader(), &QHeaderView::sectionClicked, this,
            [this] { SortList(m_lstAll, m_bAllAscending); });
    connect(m_lstAttached->SortHeader(), &QHeaderView::sectionClicked, this,
            [this] { SortList(m_lstAttached, m_bAttachedAscending); });
    // The rename runs once the editor has closed, so that its messages never meet an
    // editor that is still open (losing the focus to a message box would end it twice).
    connect(m_pLabelEdit, &CLabelEditDelegate::labelEdited, this,
            [this](const QPersistentModelIndex &index, const QString &text) {
                QMetaObject::invokeMethod(
                    this, [this, index, text] { OnEndLabelEdit(index, text); },
                    Qt::QueuedConnection);
            });

    for (CSortListCtrl *list : {m_lstAll, m_lstAttached}) {
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
    }

    m_menuTracker = [this](int nMenuId, const QPoint &globalPos) {
        return DesktopMenuTracker(this, nMenuId, globalPos);
    };
}

CCatView::~CCatView() = default;

void CCatView::SetMenuTracker(MenuTracker tracker)
{
    m_menuTracker = std::move(tracker);
}

void CCatView::OnInitialUpdate()
{
    SetUpControls();
    // Finding the home directory starts the loading of the catalogue in the disc tree.
    const bool chosen = StartHomeDirectory(
        this, [this](int lHint, const QString &text) { UpdateAllViews(lHint, HintArg(text)); });
    if (!chosen && GetDocument())
        GetDocument()->AbortStart(1);
}

void CCatView::SetUpControls()
{
    if (m_bSetUp)
        return;
    m_bSetUp = true;

    m_btnCreate->SetIcon(kCategoryIcon, kCategoryIcon);
    m_btnCreate->SetHoverFace(); // follows the desktop's palette when it changes
    m_btnCreate->SetTooltipText(QStringLiteral("Create New Category"));
    m_btnCreate->SetThemeHelper(&m_themeLoader);

    m_imlAll = ResourceIcon(kCategoryIcon);
    m_imlAttached = ResourceIcon(kCategoryIcon);
    for (CSortListCtrl *list : {m_lstAll, m_lstAttached}) {
        list->setIconSize(kRowIconSize);
        list->setColumnCount(1);
        list->setHeaderLabels({QStringLiteral("Category Sort")});
        // The names use the whole width of the pane; one still too long shows in a tip.
        list->header()->setStretchLastSection(true);
        ElidedToolTips::Install(list);
    }
}

void CCatView::OnUpdate(CView *, int lHint, const HintArg &hint)
{
    switch (lHint) {
    case HINT_SELECTION: {
        CCatalog *pCatalog = hint.catalog();
        if (!pCatalog)
            return;
        KeepPendingNote();
        if (m_bListed == 0) {
            m_pCatalog = pCatalog;
            m_bListed = 1;
            FillList(m_lstAll, m_pCatalog->m_lstCategories);
        }
        m_pCatalog = pCatalog;
        m_lstAttached->clear();
        // Without a disc of that number the note field keeps what it shows.
        if (const CDisc *disc = m_pCatalog->FindDisc(m_pCatalog->m_strCurNumber)) {
            m_strNoteNumber = disc->m_strNumber;
            ShowNote(disc->m_strNotes);
            FillList(m_lstAttached, disc->m_lstCategories);
        }
        break;
    }
    case HINT_COLLECT_CATEGORIES:
        CollectSelectedCategories();
        break;
    case HINT_ATTACH_CATEGORIES:
        OnAttachCategories(hint.catalog());
        break;
    case HINT_TOKEN:
        if (hint.is(Tokens::KeepEdits))
            KeepPendingNote();
        break;
    case HINT_LOAD_FRIEND:
        m_bListed = 0; // the next selection lists the friend's categories
        m_noteEdit.Clear();
        break;
    case HINT_HOME_DATA:
        m_bListed = 1;
        if (m_pCatalog)
            FillList(m_lstAll, m_pCatalog->m_lstCategories);
        break;
    case HINT_ENABLE:
        if (hint.is(Tokens::EnableFalse)) {
            // The home catalogue is left for a friend's and saved: a note typed for one of
            // its discs goes with it.
            m_noteEdit.KeepInto(m_pCatalog, [this](CDisc &disc) { disc.m_strNotes = m_strNote; });
            m_btnCreate->setEnabled(false);
        } else if (hint.is(Tokens::EnableTrue)) {
            theAppFlags().m_bEditAllowed = 1;
            m_btnCreate->setEnabled(true);
        }
        break;
    default:
        break;
    }
}

bool CCatView::OnCommand(int id)
{
    switch (id) {
    case ID_RENAME:
    case ID_ACCEL_RENAME:
        OnRename();
        return true;
    case ID_DELETE:
        OnDelete();
        return true;
    case ID_CAT_VIEWCDS:
        OnViewCds();
        return true;
    case ID_CAT_ATTACHTOCD:
        OnAttachToCd();
        return true;
    case ID_CDCAT_DELETE:
        OnDetachFromCd();
        return true;
    case ID_ACCEL_CTRLENTER:
        OnCtrlEnter();
        return true;
    default:
        return ForwardMenuCommand(id, m_pCatalog);
    }
}

void CCatView::FillList(CSortListCtrl *pList, const QStringList &names)
{
    // Each name goes to the top in turn, head first, so the oldest name ends up on top.
    pList->clear();
    const bool editable = pList == m_lstAll;
    QList<QTreeWidgetItem *> items;
    items.reserve(names.size());
    for (auto it = names.crbegin(); it != names.crend(); ++it) {
        auto *item = new QTreeWidgetItem(QStringList {*it});
        item->setIcon(0, editable ? m_imlAll : m_imlAttached);
        if (editable)
            item->setFlags(item->flags() | Qt::ItemIsEditable);
        items.append(item);
    }
    pList->addTopLevelItems(items);
}

void CCatView::SortList(CSortListCtrl *pList, unsigned char &bAscending)
{
    const bool ascending = bAscending == 1;
    bAscending = ascending ? 0 : 1;
    pList->SortByText(ascending);
}

QStringList CCatView::SelectedNames(const CSortListCtrl *pList) const
{
    QStringList names;
    for (int i = 0; i < pList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = pList->topLevelItem(i);
        if (item->isSelected())
            names.append(item->text(0));
    }
    return names;
}

void CCatView::CollectSelectedCategories()
{
    if (!m_pCatalog)
        return;
    m_pCatalog->m_lstSelection.clear();
    for (const QString &name : SelectedNames(m_lstAll))
        m_pCatalog->m_lstSelection.prepend(name);
}

void CCatView::ShowNote(const QString &note)
{
    m_strNote = note;
    m_bNoteTypedLast = false;
    const QSignalBlocker blocker(m_editNote);
    m_editNote->setPlainText(NoteForEditor(note));
}

void CCatView::RefillAttachedIfSelected(const CDisc &disc)
{
    if (m_pCatalog && disc.m_strNumber == m_pCatalog->m_strCurNumber)
        FillList(m_lstAttached, disc.m_lstCategories);
}

void CCatView::OnCreate()
{
    if (!m_pCatalog)
        return;
    QStringList &categories = m_pCatalog->m_lstCategories;
    // Blanks around a name are slips of the keyboard; a name of blanks alone is empty.
    const QString name = m_strNewCategory.trimmed();
    if (!name.isEmpty() && !categories.contains(name)) {
        categories.prepend(name);
        FillList(m_lstAll, categories);
    } else {
        AfxMessageBox(QString::fromLatin1(kAlreadyListed), this);
    }
    m_editNewCategory->clear();
}

void CCatView::OnCtrlEnter()
{
    // As in the command panel, the key saves what was typed last: in the note, where Enter
    // makes a new line, it is the way to save from the keyboard.
    if (m_bNoteTypedLast)
        OnSaveNote();
    else if (!m_strNewCategory.isEmpty())
        OnCreate();
    else
        OnViewCds();
}

void CCatView::OnRename()
{
    for (int i = 0; i < m_lstAll->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_lstAll->topLevelItem(i);
        if (item->isSelected()) {
            m_lstAll->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
            m_lstAll->scrollToItem(item);
            m_lstAll->setFocus();
            m_lstAll->editItem(item, 0);
            return;
        }
    }
}

void CCatView::OnEndLabelEdit(const QPersistentModelIndex &index, const QString &typed)
{
    const QString text = typed.trimmed();
    if (theAppFlags().m_bEditAllowed == 0) {
        AfxMessageBox(QStringLiteral("Unautorised Action"), this);
        return;
    }
    QTreeWidgetItem *item = index.isValid() ? m_lstAll->itemFromIndex(index) : nullptr;
    if (!item || !m_pCatalog)
        return; // the list was refilled while the editor was open
    // The row that was edited holds the old name; with several rows selected it need not
    // be the first of them.
    const QString oldName = item->text(0);
    QStringList &categories = m_pCatalog->m_lstCategories;
    if (categories.contains(text)) {
        AfxMessageBox(QString::fromLatin1(kAlreadyListed), this);
        return;
    }
    if (text.isEmpty())
        return;

    categories.removeAll(oldName);
    categories.prepend(text);
    item->setText(0, text);

    // A record that somehow carries both names keeps one copy of the new one.
    auto renameIn = [&](QStringList &names) {
        if (!names.contains(oldName))
            return false;
        names.removeAll(oldName);
        if (!names.contains(text))
            names.prepend(text);
        return true;
    };
    for (CFileData &file : *m_pCatalog->m_pFiles)
        renameIn(file.m_lstCategories);
    for (CDisc &disc : *m_pCatalog->m_pDiscs) {
        if (renameIn(disc.m_lstCategories))
            RefillAttachedIfSelected(disc);
    }
}

void CCatView::OnDelete()
{
    if (theAppFlags().m_bEditAllowed == 0) {
        AfxMessageBox(QStringLiteral("Unautorised Action!!!"), this);
        return;
    }
    if (!m_pCatalog)
        return;
    QDialog dlg(this);
    BuildDeleteDialog(dlg);
    if (ExecDialog(dlg) != QDialog::Accepted)
        return;

    for (const QString &name : SelectedNames(m_lstAll)) {
        m_pCatalog->m_lstCategories.removeAll(name);
        for (CFileData &file : *m_pCatalog->m_pFiles)
            file.m_lstCategories.removeAll(name);
        for (CDisc &disc : *m_pCatalog->m_pDiscs) {
            disc.m_lstCategories.removeAll(name);
            RefillAttachedIfSelected(disc);
        }
    }
    FillList(m_lstAll, m_pCatalog->m_lstCategories);
}

void CCatView::OnSaveNote()
{
    if (!m_pCatalog)
        return;
    if (CDisc *disc = m_pCatalog->FindDisc(m_pCatalog->m_strCurNumber))
        disc->m_strNotes = m_strNote;
    m_noteEdit.Clear();
    m_bNoteTypedLast = false;
}

void CCatView::KeepPendingNote()
{
    const AppFlags &flags = theAppFlags();
    if (flags.m_bEditAllowed != 1 || flags.m_bHomeDatabase != 1) {
        m_noteEdit.Clear();
        return;
    }
    m_noteEdit.KeepInto(m_pCatalog, [this](CDisc &disc) { disc.m_strNotes = m_strNote; });
}

void CCatView::OnViewCds()
{
    CollectSelectedCategories();
    const QStringList request {QStringLiteral("*"), QStringLiteral("names"),
                               QStringLiteral("byCat")};
    UpdateAllViews(HINT_SEARCH, HintArg(request));
}

void CCatView::OnAttachToCd()
{
    if (theAppFlags().m_bEditAllowed == 0) {
        AfxMessageBox(QStringLiteral("Unautoriesed Action!!!"), this);
        return;
    }
    m_lstPicked.clear();
    for (const QString &name : SelectedNames(m_lstAll)) {
        if (!m_lstPicked.contains(name))
            m_lstPicked.append(name);
    }
    if (!m_pCatalog)
        return;
    CDisc *disc = m_pCatalog->FindDisc(m_pCatalog->m_strCurNumber);
    if (!disc)
        return;
    for (const QString &name : std::as_const(m_lstPicked)) {
        if (!disc->m_lstCategories.contains(name))
            disc->m_lstCategories.prepend(name);
    }
    FillList(m_lstAttached, disc->m_lstCategories);
}

void CCatView::OnDetachFromCd()
{
    if (theAppFlags().m_bEditAllowed == 0) {
        AfxMessageBox(QStringLiteral("Unautorised Action!!!"), this);
        return;
    }
    if (!m_pCatalog)
        return;
    const QString &number = m_pCatalog->m_strCurNumber;
    for (const QString &name : SelectedNames(m_lstAttached)) {
        for (CDisc &disc : *m_pCatalog->m_pDiscs) {
            if (disc.m_strNumber == number)
                disc.m_lstCategories.removeAll(name);
        }
    }
    if (const CDisc *disc = m_pCatalog->FindDisc(number))
        FillList(m_lstAttached, disc->m_lstCategories);
}

void CCatView::OnAttachCategories(CCatalog *pCatalog)
{
    // The file list put exactly the files selected at its last right click into
    // m_lstSelection; they are looked for in the folder it shows.
    if (!pCatalog)
        return;
    ShownFolder(pCatalog->m_strCurNumber, pCatalog->m_strFolderKey)
        .AttachCategories(*pCatalog->m_pFiles, SelectedNames(m_lstAll), pCatalog->m_lstSelection);
}

void CCatView::TrackPopup(int nMenuId, const QPoint &globalPos)
{
    const int id = m_menuTracker ? m_menuTracker(nMenuId, globalPos) : 0;
    if (id != 0)
        OnCommand(id);
}

void CCatView::contextMenuEvent(QContextMenuEvent *event)
{
    const QPoint pos = event->globalPos();
    if (m_bCatMenu) {
        m_bCatMenu = 0;
        TrackPopup(IDR_CAT_MENU, pos);
    }
    if (m_bAttachedMenu) {
        m_bAttachedMenu = 0;
        TrackPopup(IDR_CDCAT_MENU, pos);
    }
    event->accept();
}

bool CCatView::eventFilter(QObject *watched, QEvent *event)
{
    // The lists tell which pop-up the next context-menu request opens: a right click (or
    // the menu key) with rows selected in either list, or a left click in the attached one.
    const bool inAll = watched == m_lstAll || watched == m_lstAll->viewport();
    const bool inAttached = watched == m_lstAttached || watched == m_lstAttached->viewport();
    if (event->type() == QEvent::ContextMenu) {
        if (inAll && !m_lstAll->selectedItems().isEmpty())
            m_bCatMenu = 1;
        if (inAttached && !m_lstAttached->selectedItems().isEmpty())
            m_bAttachedMenu = 1;
    } else if (event->type() == QEvent::MouseButtonRelease && inAttached
               && watched == m_lstAttached->viewport()) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
            && !m_lstAttached->selectedItems().isEmpty())
            m_bAttachedMenu = 1;
    }
    return QWidget::eventFilter(watched, event);
}
