#pragma once

#include "platform/hintarg.h"

#include <optional>

class CTavikonDoc;
class QWidget;

// What every pane of the main window is to the document: a receiver of notifications and a
// handler of the menu commands routed to the active pane. Panes are QWidgets that also
// derive from this class; the document does not own them.
class CView
{
public:
    CView() = default;
    virtual ~CView();
    CView(const CView &) = delete;
    CView &operator=(const CView &) = delete;

    CTavikonDoc *GetDocument() const { return m_pDocument; }

    // Called once after every pane of the frame exists, in attachment order.
    virtual void OnInitialUpdate();
    // One notification; the sender is never this view. Unknown codes are ignored.
    virtual void OnUpdate(CView *pSender, int lHint, const HintArg &hint) = 0;

    // A menu command or key while this pane is active; false when the pane has no handler.
    virtual bool OnCommand(int id);
    // Whether the pane wants the command enabled; nullopt when it has no opinion.
    virtual std::optional<bool> OnUpdateCommand(int id) const;

    // The widget that represents the pane in the splitter.
    virtual QWidget *viewWidget() = 0;

protected:
    // Broadcasts to every other view of the document.
    void UpdateAllViews(int lHint, const HintArg &hint = {});

    // The menu-bar commands whose work another pane does, the same from every pane: the
    // command panel's actions (HINT_PANEL_COMMAND with their token), the file list's view
    // modes (HINT_VIEW_MODE) and the database switches (HINT_FRIEND_REQUEST and
    // HINT_HOME_REQUEST with the catalogue, also for Ctrl+P and Ctrl+Z). False for any other id.
    bool ForwardMenuCommand(int id, CCatalog *pCatalog);
    // The command panel's token for a menu-bar command, or nullptr.
    static const Token *PanelCommandToken(int id);

private:
    friend class CTavikonDoc;
    CTavikonDoc *m_pDocument = nullptr;
};
