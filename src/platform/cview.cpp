#include "platform/cview.h"

#include "platform/ctavikondoc.h"

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

void CView::OnInitialUpdate() { }

bool CView::OnCommand(int) { return false; }

std::optional<bool> CView::OnUpdateCommand(int) const { return std::nullopt; }

void CView::UpdateAllViews(int lHint, const HintArg &hint)
{
    if (m_pDocument)
        m_pDocument->UpdateAllViews(this, lHint, hint);
}
