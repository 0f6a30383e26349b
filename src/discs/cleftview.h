#pragma once

#include "platform/cview.h"

#include <QTreeWidget>

// The disc tree: every catalogued disc with its folders. Owns the catalogue object, loads
// and saves it, and carries out most requests of the other panes.
class CLeftView : public QTreeWidget, public CView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CLeftView)

public:
    explicit CLeftView(QWidget *parent = nullptr);
    ~CLeftView() override;

    void OnInitialUpdate() override;
    void OnUpdate(CView *pSender, int lHint, const HintArg &hint) override;
    bool OnCommand(int id) override;
    QWidget *viewWidget() override { return this; }
};
