#include "categories/ccatview.h"

CCatView::CCatView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CCatView"));
}

CCatView::~CCatView() = default;

void CCatView::OnInitialUpdate() { }

void CCatView::OnUpdate(CView *, int, const HintArg &) { }

bool CCatView::OnCommand(int) { return false; }
