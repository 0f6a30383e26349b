#include "categories/ccatview.h"

#include "categories/homestart.h"
#include "platform/ctavikondoc.h"

CCatView::CCatView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CCatView"));
}

CCatView::~CCatView() = default;

void CCatView::OnInitialUpdate()
{
    // Finding the home directory starts the loading of the catalogue in the disc tree.
    const bool chosen = StartHomeDirectory(
        this, [this](int lHint, const QString &text) { UpdateAllViews(lHint, HintArg(text)); });
    if (!chosen && GetDocument())
        GetDocument()->AbortStart(1);
}

void CCatView::OnUpdate(CView *, int, const HintArg &) { }

bool CCatView::OnCommand(int) { return false; }
