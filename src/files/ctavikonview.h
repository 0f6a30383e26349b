#pragma once

#include "platform/cview.h"

#include <QTreeWidget>

// The file list: the files of the folder selected in the disc tree.
class CTavikonView : public QTreeWidget, public CView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CTavikonView)

public:
    explicit CTavikonView(QWidget *parent = nullptr);
    ~CTavikonView() override;

    void OnInitialUpdate() override;
    void OnUpdate(CView *pSender, int lHint, const HintArg &hint) override;
    bool OnCommand(int id) override;
    QWidget *viewWidget() override { return this; }
};
