#include "app/cmainframe.h"

#include "app/caboutdlg.h"
#include "app/framelayout.h"
#include "categories/ccatview.h"
#include "chrome/ownerdrawmenu.h"
#include "commands/ccomandsview.h"
#include "discs/cleftview.h"
#include "files/ctavikonview.h"
#include "platform/appflags.h"
#include "platform/ctavikondoc.h"
#include "platform/prompter.h"
#include "resources/helpfile.h"
#include "resources/menus.h"
#include "resources/resource.h"
#include "resources/resourceicons.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>

#include <algorithm>

CMainFrame::CMainFrame(QWidget *parent)
    : QMainWindow(parent), m_pDocument(std::make_unique<CTavikonDoc>())
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(ResourceIcon(173));

    m_pSplitter = new QSplitter(Qt::Horizontal, this);
    m_pSplitter->setObjectName(QStringLiteral("splitter"));
    m_pSplitter->setChildrenCollapsible(false);
    m_pCommands = new CComandsView(m_pSplitter);
    m_pLeft = new CLeftView(m_pSplitter);
    m_pFiles = new CTavikonView(m_pSplitter);
    m_pCat = new CCatView(m_pSplitter);
    int i = 0;
    for (CView *view : {static_cast<CView *>(m_pCommands), static_cast<CView *>(m_pLeft),
                        static_cast<CView *>(m_pFiles), static_cast<CView *>(m_pCat)}) {
        m_pDocument->AddView(view);
        m_pSplitter->setStretchFactor(i, i == 2 ? 1 : 0);
        ++i;
    }
    setCentralWidget(m_pSplitter);
    // The widths the panes had when the window was last closed, or the defaults.
    RestoreFrameLayout(*this);

    // The accelerator table: window-wide keys routed like menu commands. Editors keep the
    // keys they use themselves (Delete, Ctrl+A, Ctrl+Z) through Qt's shortcut override.
    for (const AccelDef &accel : AcceleratorTable()) {
        auto *action = new QAction(this);
        action->setShortcut(QKeySequence(accel.key));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setData(accel.id);
        const int id = accel.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        addAction(action);
        m_accelerators.append(action);
    }

    m_pActiveView = m_pLeft;
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { trackFocus(now); });
}

CMainFrame::~CMainFrame()
{
    DestroyPanes();
}

void CMainFrame::DestroyPanes()
{
    // The panes go first, while the document they talk through still exists.
    m_pActiveView = nullptr;
    delete m_pSplitter;
    m_pSplitter = nullptr;
    m_pCommands = nullptr;
    m_pLeft = nullptr;
    m_pFiles = nullptr;
    m_pCat = nullptr;
}

void CMainFrame::LoadFrameMenu()
{
    menuBar()->clear();
    m_pMenu = std::make_unique<COwnerDrawMenu>();
    m_pMenu->LoadMenu(IDR_MAINFRAME, menuBar(), this);
    m_pMenu->SetTransparentColor(QColor(0, 255, 0));
    m_pMenu->SetItemBitmap(ID_HELP_FINDER, 249);
    m_pMenu->ReleaseTransparentColor();
    for (QAction *action : m_pMenu->Actions()) {
        const int id = action->data().toInt();
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    }
    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateMenuStates);
    UpdateMenuStates();
}

void CMainFrame::SetActiveView(CView *pView)
{
    m_pActiveView = pView;
}

void CMainFrame::trackFocus(QWidget *now)
{
    if (!now || !m_pSplitter)
        return;
    for (CView *view : m_pDocument->views()) {
        QWidget *w = view->viewWidget();
        if (w == now || w->isAncestorOf(now)) {
            m_pActiveView = view;
            return;
        }
    }
}

void CMainFrame::OnCommand(int id)
{
    if (!IsCommandEnabled(id))
        return;
    if (m_pActiveView && m_pActiveView->OnCommand(id)) {
        UpdateMenuStates();
        return;
    }
    // A key the menus show beside an item works whichever pane is active, as the menu
    // promises: the command panel, where those keys' actions live, takes it when the active
    // pane does not. Keys no menu shows (Ctrl+Enter, F2) stay with the active pane.
    if (m_pCommands && m_pActiveView != m_pCommands && IsMenuKey(id)
        && m_pCommands->OnCommand(id)) {
        UpdateMenuStates();
        return;
    }
    switch (id) {
    case ID_PROGRAM_SAVEEXIT:
        close();
        break;
    case ID_APP_ABOUT:
        OnAppAbout();
        break;
    case ID_HELP_FINDER:
    case ID_HELP:
    case ID_CONTEXT_HELP:
    case ID_DEFAULT_HELP:
        OnHelp();
        break;
    default:
        break; // a key whose command no handler of the active pane knows does nothing
    }
    UpdateMenuStates();
}

bool CMainFrame::IsMenuKey(int id)
{
    const std::vector<AccelDef> &table = AcceleratorTable();
    return std::any_of(table.begin(), table.end(),
                       [id](const AccelDef &accel) { return accel.id == id && accel.menuId != 0; });
}

bool CMainFrame::IsCommandEnabled(int id) const
{
    const AppFlags &flags = theAppFlags();
    switch (id) {
    case ID_EDIT_CDSCAN:
    case ID_EDIT_DELETECD:
    case ID_LEND_LENDTO:
    case ID_LEND_GETBACK:
        return flags.m_bEditAllowed == 1;
    case ID_DATABASE_BACKHOME:
        return flags.m_bHomeDatabase == 0;
    case ID_DATABASE_LOADFRIEND:
        return flags.m_bHomeDatabase == 1;
    case ID_VIEW_LARGEICONS:
        return flags.m_bSmallIcons == 1;
    case ID_VIEW_SMALLICONS:
        return flags.m_bSmallIcons == 0;
    default:
        return true;
    }
}

QAction *CMainFrame::MenuAction(int id) const
{
    return m_pMenu ? m_pMenu->Action(id) : nullptr;
}

void CMainFrame::UpdateMenuStates()
{
    if (!m_pMenu)
        return;
    for (QAction *action : m_pMenu->Actions())
        action->setEnabled(IsCommandEnabled(action->data().toInt()));
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg dlg(this);
    ExecDialog(dlg);
}

void CMainFrame::OnHelp()
{
    OpenHelpPage(this);
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    // The disc tree saves now, while the window still exists to ask about a failed save; its
    // teardown would save too, but only once. A failed save closes only when the user says
    // so, or when the session ends, since then nobody can answer and the program must end.
    if (m_pLeft) {
        if (const QString failed = m_pLeft->SaveOnExit(); !failed.isEmpty()) {
            if (!Prompter::SessionEnding()
                && !Prompter::current().question(
                    this,
                    failed
                        + QStringLiteral("\n\nClose Tavikon without saving? The changes since "
                                         "the last save are then lost. Choose No to keep "
                                         "Tavikon open, mend the cause and close again."))) {
                event->ignore();
                return;
            }
            m_pLeft->GiveUpExitSave();
        }
    }
    SaveFrameLayout(*this);
    event->accept();
}
