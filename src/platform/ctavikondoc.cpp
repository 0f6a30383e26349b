#include "platform/ctavikondoc.h"

#include "platform/cview.h"

#include <algorithm>

CTavikonDoc::~CTavikonDoc()
{
    for (CView *view : m_views)
        view->m_pDocument = nullptr;
}

void CTavikonDoc::AddView(CView *pView)
{
    if (!pView || pView->m_pDocument == this)
        return;
    if (pView->m_pDocument)
        pView->m_pDocument->RemoveView(pView);
    m_views.push_back(pView);
    pView->m_pDocument = this;
}

void CTavikonDoc::RemoveView(CView *pView)
{
    auto it = std::find(m_views.begin(), m_views.end(), pView);
    if (it == m_views.end())
        return;
    m_views.erase(it);
    pView->m_pDocument = nullptr;
}

bool CTavikonDoc::isAttached(const CView *pView) const
{
    return std::find(m_views.begin(), m_views.end(), pView) != m_views.end();
}

void CTavikonDoc::UpdateAllViews(CView *pSender, int lHint, const HintArg &hint)
{
    // A receiver may detach views (teardown) while we walk, so walk a snapshot and skip
    // the ones that have left in the meantime.
    const std::vector<CView *> snapshot = m_views;
    for (CView *view : snapshot) {
        if (view == pSender || !isAttached(view))
            continue;
        view->OnUpdate(pSender, lHint, hint);
    }
}

void CTavikonDoc::InitialUpdateAll()
{
    const std::vector<CView *> snapshot = m_views;
    for (CView *view : snapshot) {
        if (m_nAbortExitCode != 0)
            return;
        if (isAttached(view))
            view->OnInitialUpdate();
    }
}
