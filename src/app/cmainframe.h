#pragma once

#include <QMainWindow>

#include <memory>
#include <optional>

class CCatView;
class CComandsView;
class CLeftView;
class COwnerDrawMenu;
class CTavikonDoc;
class CTavikonView;
class CView;
class QAction;
class QSplitter;

// The main window: a splitter of the four panes, menu 128 and the accelerator keys. Menu
// commands and keys go to the active pane first, then to the frame itself.
class CMainFrame final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMainFrame)

public:
    explicit CMainFrame(QWidget *parent = nullptr);
    ~CMainFrame() override;

    CTavikonDoc *GetDocument() const { return m_pDocument.get(); }
    QSplitter *Splitter() const { return m_pSplitter; }
    CComandsView *CommandsView() const { return m_pCommands; }
    CLeftView *LeftView() const { return m_pLeft; }
    CTavikonView *FilesView() const { return m_pFiles; }
    CCatView *CatView() const { return m_pCat; }

    // Builds the menu bar from menu 128 (after the panes' initial update).
    void LoadFrameMenu();

    // The pane that gets menu commands and keys: the one that last had the focus.
    CView *GetActiveView() const { return m_pActiveView; }
    void SetActiveView(CView *pView);

    // Routes a command as the menu or a key would.
    void OnCommand(int id);
    bool IsCommandEnabled(int id) const;
    QAction *MenuAction(int id) const;
    // Refreshes the enabled state of every menu item from the application flags.
    void UpdateMenuStates();

    // Tears the panes down now, which makes the disc tree save the catalogue.
    void DestroyPanes();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Whether a command is a key of the accelerator table that a menu item shows.
    static bool IsMenuKey(int id);
    void OnAppAbout();
    void OnHelp();
    void trackFocus(QWidget *now);

    std::unique_ptr<CTavikonDoc> m_pDocument;
    std::unique_ptr<COwnerDrawMenu> m_pMenu;
    QSplitter *m_pSplitter = nullptr;
    CComandsView *m_pCommands = nullptr;
    CLeftView *m_pLeft = nullptr;
    CTavikonView *m_pFiles = nullptr;
    CCatView *m_pCat = nullptr;
    CView *m_pActiveView = nullptr;
    QList<QAction *> m_accelerators;
};
