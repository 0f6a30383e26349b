#pragma once

#include "commands/ccomandsview.h"
#include "platform/appflags.h"
#include "platform/ctavikondoc.h"
#include "platform/cview.h"
#include "platform/hints.h"
#include "platform/tokens.h"
#include "store/ccatalog.h"
#include "support/fakeprompter.h"
#include "support/tempdir.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <functional>
#include <utility>

// Describes a notification as "code:argument" so tests compare broadcasts as text.
QString describeHint(int lHint, const HintArg &hint);

// A pane that records what reaches it and may answer with a broadcast of its own.
class StubView final : public CView
{
public:
    void OnUpdate(CView *, int lHint, const HintArg &hint) override
    {
        log.append(describeHint(lHint, hint));
        if (react)
            react(lHint, hint);
    }
    QWidget *viewWidget() override { return &widget; }
    void send(int lHint, const HintArg &hint = {}) { UpdateAllViews(lHint, hint); }

    QStringList log;
    std::function<void(int, const HintArg &)> react;
    QWidget widget;
};

// The real command panel on a document with stub panes around it: the tree answers the
// permission request, the category panel hands out the categories the test chose.
struct PanelHarness
{
    PanelHarness();
    ~PanelHarness();

    // Selects a disc (or a folder of it) the way the disc tree does.
    void select(const QString &number, const QString &path);
    QLineEdit *edit(const char *name) const;
    QPushButton *button(const char *name) const;
    // Replaces a field's text by typing, as a person would.
    void type(const char *name, const QString &text) const;
    // What the panel broadcast since the last call (as the tree saw it).
    QStringList sent();
    // The messages shown since the last call.
    QStringList said() { return std::exchange(prompter.messages, {}); }

    TestHome home;
    FakePrompter prompter;
    CTavikonDoc doc;
    CComandsView view;
    StubView tree;
    StubView files;
    StubView cats;
    CCatalog catalog;
    bool discSelected = true;
    QStringList chosenCategories;
};
