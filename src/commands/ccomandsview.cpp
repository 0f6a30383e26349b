#include "commands/ccomandsview.h"

CComandsView::CComandsView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CComandsView"));
}

CComandsView::~CComandsView() = default;

void CComandsView::OnInitialUpdate() { }

void CComandsView::OnUpdate(CView *, int, const HintArg &) { }

bool CComandsView::OnCommand(int) { return false; }
