#include "files/ctavikonview.h"

CTavikonView::CTavikonView(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("CTavikonView"));
}

CTavikonView::~CTavikonView() = default;

void CTavikonView::OnInitialUpdate() { }

void CTavikonView::OnUpdate(CView *, int, const HintArg &) { }

bool CTavikonView::OnCommand(int) { return false; }
