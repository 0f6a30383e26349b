#pragma once

#include "commands/ccomandsview.h"
#include "platform/appflags.h"
#include "platform/ctavikondoc.h"
#include "platform/hints.h"
#include "platform/tokens.h"
#include "store/ccatalog.h"
#include "support/fakeprompter.h"
#include "support/records.h"
#include "support/stubview.h"
#include "support/tempdir.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <utility>

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
