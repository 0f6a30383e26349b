#pragma once

#include "platform/cview.h"

#include <QWidget>

// The category panel: all categories, those of the selected disc, and its note. Its first
// update finds the home directory and starts the loading of the catalogue.
class CCatView : public QWidget, public CView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CCatView)

public:
    explicit CCatView(QWidget *parent = nullptr);
    ~CCatView() override;

    void OnInitialUpdate() override;
    void OnUpdate(CView *pSender, int lHint, const HintArg &hint) override;
    bool OnCommand(int id) override;
    QWidget *viewWidget() override { return this; }
};
