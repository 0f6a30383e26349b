#pragma once

#include "platform/cview.h"

#include <QWidget>

// The command panel: buttons, the fields of the selected disc, search and lending fields,
// statistics. Most menu commands and keys end here.
class CComandsView : public QWidget, public CView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CComandsView)

public:
    explicit CComandsView(QWidget *parent = nullptr);
    ~CComandsView() override;

    void OnInitialUpdate() override;
    void OnUpdate(CView *pSender, int lHint, const HintArg &hint) override;
    bool OnCommand(int id) override;
    QWidget *viewWidget() override { return this; }
};
