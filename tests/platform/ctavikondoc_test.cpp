#include "platform/ctavikondoc.h"
#include "platform/cview.h"
#include "platform/hints.h"
#include "platform/tokens.h"
#include "resources/resource.h"
#include "store/ccatalog.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

namespace {

// A pane that records what reaches it and may react with a broadcast of its own.
class StubView final : public CView
{
public:
    explicit StubView(QString name, QStringList *log) : m_name(std::move(name)), m_log(log) { }

    void OnUpdate(CView *, int lHint, const HintArg &hint) override
    {
        QString what = QString::number(lHint);
        if (const Token *t = hint.token())
            what += QStringLiteral(":") + QString::fromLatin1(t->text());
        m_log->append(m_name + QStringLiteral("<") + what);
        if (react)
            react(lHint, hint);
    }
    QWidget *viewWidget() override { return nullptr; }
    void send(int lHint, const HintArg &hint = {}) { UpdateAllViews(lHint, hint); }
    bool forward(int id, CCatalog *catalog) { return ForwardMenuCommand(id, catalog); }

    std::function<void(int, const HintArg &)> react;

private:
    QString m_name;
    QStringList *m_log;
};

struct Panes
{
    QStringList log;
    CTavikonDoc doc;
    StubView commands {QStringLiteral("commands"), &log};
    StubView tree {QStringLiteral("tree"), &log};
    StubView files {QStringLiteral("files"), &log};
    StubView cats {QStringLiteral("cats"), &log};

    Panes()
    {
        for (StubView *v : {&commands, &tree, &files, &cats})
            doc.AddView(v);
    }
};

TEST(Broadcast, VisitsViewsInAttachOrderAndSkipsTheSender)
{
    Panes p;
    p.files.send(HINT_SELECTION);
    EXPECT_EQ(p.log, (QStringList {"commands<2", "tree<2", "cats<2"}));

    p.log.clear();
    p.doc.UpdateAllViews(nullptr, 77); // an unknown code still reaches everybody, harmlessly
    EXPECT_EQ(p.log.size(), 4);
}

TEST(Broadcast, NestedBroadcastCompletesBeforeTheOuterOneMovesOn)
{
    Panes p;
    // The permission handshake: the command panel asks, the tree answers inside the question.
    int allowed = 0;
    bool discSelected = true;
    p.tree.react = [&](int lHint, const HintArg &hint) {
        if (lHint == HINT_TOKEN && hint.is(Tokens::AllowRequest))
            p.tree.send(HINT_ALLOW_REPLY,
                        discSelected ? HintArg(Tokens::Yes) : HintArg(Tokens::No));
    };
    p.commands.react = [&](int lHint, const HintArg &hint) {
        if (lHint == HINT_ALLOW_REPLY)
            allowed = hint.is(Tokens::Yes) ? 1 : 0;
    };

    p.commands.send(HINT_TOKEN, Tokens::AllowRequest);
    EXPECT_EQ(allowed, 1); // the answer is there when the outer broadcast returns
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
    const HintArg fake(lookalike);
    EXPECT_FALSE(fake.is(Tokens::Scan));
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
        StubView goes(QStringLiteral("goes"), &p.log);
        p.doc.AddView(&goes);
    }
    p.doc.UpdateAllViews(nullptr, HINT_SELECTION);
    EXPECT_EQ(p.log, (QStringList {"commands<2", "tree<2", "cats<2"}));
}

// Every pane forwards the menu-bar commands through one table: check the whole table once.
TEST(Broadcast, MenuCommandsForwardToTheirPaneWithTheRightArgument)
{
    QStringList log;
    CTavikonDoc doc;
    StubView sender(QStringLiteral("tree"), &log);
    StubView panel(QStringLiteral("panel"), &log);
    doc.AddView(&panel);
    doc.AddView(&sender);
    struct Case
    {
        int id;
        int hint;
        const Token *token;
    }; // no token: the catalogue goes along
    const Case cases[] = {
        {ID_EDIT_CDSCAN, HINT_PANEL_COMMAND, &Tokens::OnEditCdscan},
        {ID_EDIT_FINDGAPS, HINT_PANEL_COMMAND, &Tokens::OnEditFindGaps},
        {ID_EDIT_DELETECD, HINT_PANEL_COMMAND, &Tokens::OnEditDeleteCd},
        {ID_EDIT_CDDBQUERY, HINT_PANEL_COMMAND, &Tokens::OnEditCddbQuery},
        {ID_LEND_LENDTO, HINT_PANEL_COMMAND, &Tokens::OnLendLendto},
        {ID_LEND_GETBACK, HINT_PANEL_COMMAND, &Tokens::OnLendGetback},
        {ID_LEND_SHOWAVAILABLECDS, HINT_PANEL_COMMAND, &Tokens::OnLendShowavailablecds},
        {ID_LEND_SHOWNONAVAILABLECDS, HINT_PANEL_COMMAND, &Tokens::OnLendShownonavailablecds},
        {ID_SEARCH_NAMESEARCH, HINT_PANEL_COMMAND, &Tokens::OnSearchNamesearch},
        {ID_SEARCH_FILESEARCH, HINT_PANEL_COMMAND, &Tokens::OnSearchFilesearch},
        {ID_SEARCH_SEARCHCD, HINT_PANEL_COMMAND, &Tokens::OnSearchSearchcd},
        {ID_OPTIONS, HINT_PANEL_COMMAND, &Tokens::OnOptions},
        {ID_VIEW_LARGEICONS, HINT_VIEW_MODE, &Tokens::OnViewLargeicons},
        {ID_VIEW_SMALLICONS, HINT_VIEW_MODE, &Tokens::OnViewSmallicons},
        {ID_DATABASE_LOADFRIEND, HINT_FRIEND_REQUEST, nullptr},
        {ID_ACCEL_LOADFRIEND, HINT_FRIEND_REQUEST, nullptr},
        {ID_DATABASE_BACKHOME, HINT_HOME_REQUEST, nullptr},
        {ID_ACCEL_BACKHOME, HINT_HOME_REQUEST, nullptr},
    };
    CCatalog catalog;
    for (const Case &c : cases) {
        Case got {};
        CCatalog *gotCatalog = nullptr;
        panel.react = [&](int lHint, const HintArg &arg) {
            got = {c.id, lHint, arg.token()};
            gotCatalog = arg.catalog();
        };
        EXPECT_TRUE(sender.forward(c.id, &catalog)) << c.id;
        EXPECT_EQ(got.hint, c.hint) << c.id;
        EXPECT_EQ(got.token, c.token) << c.id;
        EXPECT_EQ(gotCatalog, c.token ? nullptr : &catalog) << c.id;
    }
    EXPECT_FALSE(sender.forward(ID_APP_ABOUT, &catalog));
    EXPECT_FALSE(sender.forward(ID_ACCEL_CTRLENTER, &catalog));
}

} // namespace
