#include "platform/ctavikondoc.h"
#include "platform/hints.h"
#include "platform/tokens.h"
#include "resources/resource.h"
#include "store/ccatalog.h"
#include "support/stubview.h"

#include <gtest/gtest.h>

namespace {

struct Panes
{
    QStringList log;
    CTavikonDoc doc;
    StubView commands {"commands", &log}, tree {"tree", &log}, files {"files", &log},
        cats {"cats", &log};

    Panes()
    {
        for (StubView *v : {&commands, &tree, &files, &cats})
            doc.AddView(v);
    }
};

TEST(Broadcast, VisitsViewsInAttachOrderSkipsTheSenderAndCompletesNestedOnesFirst)
{
    Panes p;
    p.files.send(HINT_SELECTION);
    EXPECT_EQ(p.log, (QStringList {"commands<2", "tree<2", "cats<2"}));
    p.log.clear();
    p.doc.UpdateAllViews(nullptr, 77); // an unknown code still reaches everybody, harmlessly
    EXPECT_EQ(p.log.size(), 4);

    // The permission handshake: the command panel asks, the tree answers inside the question,
    // and the answer is there when the outer broadcast returns.
    bool discSelected = true;
    int allowed = -1;
    p.tree.react = [&](int lHint, const HintArg &hint) {
        if (lHint == HINT_TOKEN && hint.is(Tokens::AllowRequest))
            p.tree.send(HINT_ALLOW_REPLY,
                        discSelected ? HintArg(Tokens::Yes) : HintArg(Tokens::No));
    };
    p.commands.react = [&](int lHint, const HintArg &hint) {
        if (lHint == HINT_ALLOW_REPLY)
            allowed = hint.is(Tokens::Yes);
    };
    p.log.clear();
    p.commands.send(HINT_TOKEN, Tokens::AllowRequest);
    EXPECT_EQ(allowed, 1);
    EXPECT_EQ(p.log,
              (QStringList {"tree<0:AllowRequest", "commands<22:Yes", "files<22:Yes", "cats<22:Yes",
                            "files<0:AllowRequest", "cats<0:AllowRequest"}));
    discSelected = false;
    p.commands.send(HINT_TOKEN, Tokens::AllowRequest);
    EXPECT_EQ(allowed, 0);
}

TEST(Broadcast, TokensAreComparedByIdentityNotByText)
{
    static constexpr Token lookalike {"Scan"};
    EXPECT_FALSE(HintArg(lookalike).is(Tokens::Scan));
    EXPECT_TRUE(HintArg(Tokens::Scan).is(Tokens::Scan));
    // The same word as text is no token at all.
    const HintArg asText(QStringLiteral("Scan"));
    EXPECT_FALSE(asText.is(Tokens::Scan));
    EXPECT_EQ(asText.token(), nullptr);
}

TEST(Broadcast, ViewsLeavingDuringABroadcastOrDestroyedAreNotVisited)
{
    Panes p;
    p.tree.react = [&](int, const HintArg &) { p.doc.RemoveView(&p.files); };
    p.commands.send(HINT_SELECTION);
    EXPECT_EQ(p.log, (QStringList {"tree<2", "cats<2"}));

    p.log.clear();
    p.tree.react = nullptr;
    {
        StubView goes("goes", &p.log);
        p.doc.AddView(&goes);
    }
    p.doc.UpdateAllViews(nullptr, HINT_SELECTION);
    EXPECT_EQ(p.log, (QStringList {"commands<2", "tree<2", "cats<2"}));
}

// Every pane forwards the menu-bar commands through one table: check the whole table once.
TEST(Broadcast, MenuCommandsForwardToTheirPaneWithTheRightArgument)
{
    CTavikonDoc doc;
    StubView sender, panel;
    doc.AddView(&panel);
    doc.AddView(&sender);
    const std::pair<int, const char *> cases[] = {
        {ID_EDIT_CDSCAN, "56:OnEditCdscan"},
        {ID_EDIT_FINDGAPS, "56:OnEditFindGaps"},
        {ID_EDIT_DELETECD, "56:OnEditDeleteCd"},
        {ID_EDIT_CDDBQUERY, "56:OnEditCddbQuery"},
        {ID_LEND_LENDTO, "56:OnLendLendto"},
        {ID_LEND_GETBACK, "56:OnLendGetback"},
        {ID_LEND_SHOWAVAILABLECDS, "56:OnLendShowavailablecds"},
        {ID_LEND_SHOWNONAVAILABLECDS, "56:OnLendShownonavailablecds"},
        {ID_SEARCH_NAMESEARCH, "56:OnSearchNamesearch"},
        {ID_SEARCH_FILESEARCH, "56:OnSearchFilesearch"},
        {ID_SEARCH_SEARCHCD, "56:OnSearchSearchcd"},
        {ID_OPTIONS, "56:OnOptions"},
        {ID_VIEW_LARGEICONS, "57:OnViewLargeicons"},
        {ID_VIEW_SMALLICONS, "57:OnViewSmallicons"},
        {ID_DATABASE_LOADFRIEND, "300:catalog"},
        {ID_ACCEL_LOADFRIEND, "300:catalog"},
        {ID_DATABASE_BACKHOME, "400:catalog"},
        {ID_ACCEL_BACKHOME, "400:catalog"},
    };
    CCatalog catalog;
    for (const auto &[id, sent] : cases) {
        EXPECT_TRUE(sender.forward(id, &catalog)) << id;
        EXPECT_EQ(panel.take(), QStringList {sent}) << id;
    }
    EXPECT_FALSE(sender.forward(ID_APP_ABOUT, &catalog));
    EXPECT_FALSE(sender.forward(ID_ACCEL_CTRLENTER, &catalog));
    EXPECT_TRUE(panel.log.isEmpty());
}

} // namespace
