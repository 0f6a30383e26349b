#include "discs/cleftview.h"

CLeftView::CLeftView(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("CLeftView"));
}

CLeftView::~CLeftView() = default;

void CLeftView::OnInitialUpdate() { }

void CLeftView::OnUpdate(CView *, int, const HintArg &) { }

bool CLeftView::OnCommand(int) { return false; }
