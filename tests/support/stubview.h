#pragma once

#include "platform/cview.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <utility>

// A notification as "code:argument" (the token's text, the text, the list joined by '|',
// "disc N" or "catalog"), so tests compare broadcasts as text.
QString DescribeHint(int lHint, const HintArg &hint);

// Another pane of the window, reduced to a log of what reaches it; it may answer with a
// broadcast of its own. With a shared log, entries read "name<code:argument" in arrival order.
class StubView final : public CView
{
public:
    explicit StubView(QString name = {}, QStringList *shared = nullptr)
        : m_name(std::move(name)), m_shared(shared)
    {
    }
    void OnUpdate(CView *, int lHint, const HintArg &hint) override;
    QWidget *viewWidget() override { return &widget; }
    void send(int lHint, const HintArg &hint = {}) { UpdateAllViews(lHint, hint); }
    bool forward(int id, CCatalog *catalog) { return ForwardMenuCommand(id, catalog); }
    // The log since the last call.
    QStringList take() { return std::exchange(log, {}); }

    QStringList log;
    std::function<void(int, const HintArg &)> react;
    QWidget widget;

private:
    QString m_name;
    QStringList *m_shared;
};
