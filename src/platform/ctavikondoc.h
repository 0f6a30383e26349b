#pragma once

#include "platform/hintarg.h"

#include <vector>

class CView;

// The hub of the notifications between the panes. It holds no catalogue data; the disc tree
// owns that. Views are visited in the order they were attached, the sender is skipped, and
// a receiver may broadcast again: the inner broadcast completes before the outer one moves on.
class CTavikonDoc
{
public:
    CTavikonDoc() = default;
    ~CTavikonDoc();
    CTavikonDoc(const CTavikonDoc &) = delete;
    CTavikonDoc &operator=(const CTavikonDoc &) = delete;

    void AddView(CView *pView);
    void RemoveView(CView *pView);
    const std::vector<CView *> &views() const { return m_views; }

    void UpdateAllViews(CView *pSender, int lHint, const HintArg &hint = {});

    // Runs every view's initial update once, in attachment order.
    void InitialUpdateAll();

    // A view may end the start-up before the window is shown (the user cancelled the choice
    // of a home directory); the application then exits with this status.
    void AbortStart(int exitCode) { m_nAbortExitCode = exitCode; }
    bool StartAborted() const { return m_nAbortExitCode != 0; }
    int AbortExitCode() const { return m_nAbortExitCode; }

private:
    bool isAttached(const CView *pView) const;

    std::vector<CView *> m_views;
    int m_nAbortExitCode = 0;
};
