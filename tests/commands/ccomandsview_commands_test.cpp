#include "app/cmainframe.h"
#include "commands/cfrienddbdlg.h"
#include "discs/cleftview.h"
#include "panelharness.h"
#include "resources/menus.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTreeView>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// What each command of menu 128 and the key that shares its action (0 where none does) do
// from the panel, seen as the first broadcast or the message given. The pattern "beach" and a
// typed lender make every action observable.
struct Expect
{
    int menuId;
    int keyId;
    const char *effect;
};
const Expect kCommands[] = {
    {32781, 32811, "0:Scan"},
    {32834, 32812, "0:Missing"},
    {32813, 0, "0:Delete"},
    {32835, 0, "0:CDDB"}, // Ctrl+B does what the button does
    {32814, 0, "msg:Not implemented in this version."},
    {32836, 0, "0:AllowRequest"},
    {32838, 32822, "23:Cats"},
    {32839, 32823, "23:Cats"},
    {32840, 32824, "23:Cats"},
    {32841, 32818, "11:Bob"},
    {32842, 32819, "none"},
    {32843, 32820, "0:Home"},
    {32844, 32821, "0:Away"},
    {32847, 0, "11:Bob"},
    {32809, 0, "57:OnViewLargeicons"},
    {32810, 0, "57:OnViewSmallicons"},
    {32789, 0, "dialog:CDiscInfoDlg"},
    {32852, 32850, "500:EnableTrue"},
    {32851, 32784, "dialog:CFriendDbDlg"},
    {57667, 0, "open:help.html"}, // the page beside the program, as the frame's command opens
};

QString effectOf(PanelHarness &p)
{
    if (!p.prompter.dialogs.isEmpty())
        return "dialog:" + p.prompter.dialogs.first();
    if (!p.prompter.messages.isEmpty())
        return "msg:" + p.prompter.messages.first();
    if (!p.prompter.opened.isEmpty())
        return "open:" + QFileInfo(p.prompter.opened.first()).fileName();
    // The forwarded command itself also reaches the tree after the panel; skip it.
    QStringList sent = p.sent();
    sent.removeIf([](const QString &hint) { return hint.startsWith("56:"); });
    return sent.isEmpty() ? QStringLiteral("none") : sent.first();
}

TEST(CommandPanelKeys, EveryPanelCommandReachesItsAction)
{
    for (const Expect &e : kCommands)
        for (const int id : {e.menuId, e.keyId}) {
            if (id == 0)
                continue;
            PanelHarness p;
            p.type("patternEdit", "beach");
            p.type("borrowedFromEdit", "Bob");
            EXPECT_TRUE(p.view.OnCommand(id)) << id;
            EXPECT_EQ(effectOf(p), e.effect) << id;
        }
    // Commands of the frame and of the other panes are left to them.
    PanelHarness p;
    for (int id : {32783, 57664, 32774, 32853, 57669})
        EXPECT_FALSE(p.view.OnCommand(id)) << id;
    // Every key of table 128 is either the panel's or one of those.
    for (const AccelDef &accel : AcceleratorTable()) {
        if (accel.id == 32774 || accel.id == 32853)
            continue;
        EXPECT_TRUE(std::any_of(std::begin(kCommands), std::end(kCommands), [&](const Expect &e) {
            return e.menuId == accel.id || e.keyId == accel.id;
        })) << accel.id;
    }
    // A menu command forwarded by another pane, one sample of the table tested with the document.
    p.type("borrowedFromEdit", "Bob");
    p.files.send(HINT_PANEL_COMMAND, Tokens::OnLendLendto);
    EXPECT_EQ(effectOf(p), "11:Bob");
    p.files.send(HINT_PANEL_COMMAND, QStringLiteral("OnEditCdscan")); // text, not the token
    EXPECT_EQ(effectOf(p), "none");
}

TEST(CommandPanelKeys, KeysTheMenusShowReachThePanelFromEveryPane)
{
    TestHome home;
    FakePrompter prompter;
    theAppFlags().reset();
    CMainFrame frame;
    StubView recorder;
    frame.GetDocument()->AddView(&recorder);
    frame.resize(1366, 740);
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));

    auto *scan = frame.CommandsView()->findChild<QPushButton *>("scanButton");
    scan->setFocus();
    QTRY_COMPARE(frame.GetActiveView(), static_cast<CView *>(frame.CommandsView()));
    for (const Qt::Key key : {Qt::Key_Y, Qt::Key_W, Qt::Key_Q})
        QTest::keyClick(scan, key, Qt::ControlModifier);
    EXPECT_EQ(recorder.log, (QStringList {"0:Scan", "0:Home", "0:Away"}));

    auto *pattern = frame.CommandsView()->findChild<QLineEdit *>("patternEdit");
    pattern->setFocus();
    QTest::keyClicks(pattern, "song");
    recorder.log.clear();
    QTest::keyClick(pattern, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(recorder.log, (QStringList {"23:Cats", "5:song|files|all"}));

    // Ctrl+A in the pattern runs the file search; in the other fields Ctrl+A and Ctrl+Z keep
    // their editing meaning (select all, undo) and send nothing.
    recorder.log.clear();
    QTest::keyClick(pattern, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(recorder.log, (QStringList {"23:Cats", "5:song|files|all"}));
    auto *name = frame.CommandsView()->findChild<QLineEdit *>("cdNameEdit");
    name->setFocus();
    QTest::keyClicks(name, "Trip");
    recorder.log.clear();
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(name->selectedText(), "Trip");
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(name->text(), ""); // the typing undone
    EXPECT_TRUE(recorder.log.isEmpty()) << recorder.log.join(' ').toStdString();

    // With the disc tree active, Ctrl+A and Ctrl+B do what the menu items beside them say;
    // Ctrl+Enter, which no menu shows, is not the tree's key and does nothing.
    recorder.log.clear();
    frame.SetActiveView(frame.LeftView());
    for (const int key : {32839, 32835, 32847})
        frame.OnCommand(key);
    EXPECT_EQ(recorder.log, (QStringList {"23:Cats", "5:song|files|all", "0:CDDB"}));
    frame.GetDocument()->RemoveView(&recorder);
}

TEST(CommandPanelFriend, LoadingLocksTheEditingButtonsUntilTheWayBackHome)
{
    PanelHarness p;
    const QString folder = QDir(p.home.path()).absolutePath();
    QString friendName = "Eva";
    bool load = false;
    p.prompter.onDialog([&](QDialog &dlg) {
        auto &friendDlg = static_cast<CFriendDbDlg &>(dlg);
        friendDlg.findChild<QLineEdit *>("friendNameEdit")->setText(friendName);
        EXPECT_TRUE(friendDlg.SelectFolder(folder));
        if (!load)
            return int(QDialog::Rejected);
        friendDlg.findChild<QPushButton *>("loadButton")->click();
        return dlg.result();
    });
    // Cancelling changes nothing.
    p.view.OnCommand(32851);
    EXPECT_EQ(theAppFlags().m_bHomeDatabase, 1);
    EXPECT_EQ(p.view.m_strDatabase, "Personal");
    EXPECT_TRUE(p.sent().isEmpty());

    load = true;
    p.prompter.dialogs.clear();
    p.view.OnCommand(32784);
    EXPECT_EQ(p.sent(), (QStringList {"500:EnableFalse", "100:" + folder + "/"}));
    EXPECT_EQ(p.edit("databaseField")->text(), "Eva's");
    EXPECT_EQ(theAppFlags().m_bHomeDatabase, 0);
    EXPECT_EQ(theAppFlags().m_bEditAllowed, 0);
    const char *locked[] = {"deleteButton", "getBackButton", "cddbButton",   "scanButton",
                            "lendButton",   "saveButton",    "addDataButton"};
    for (const char *name : locked)
        EXPECT_FALSE(p.button(name)->isEnabled()) << name;
    EXPECT_TRUE(p.button("findGapsButton")->isEnabled());

    // Keys of the locked buttons do nothing now; a second load is not offered.
    for (int id : {32781, 32836, 32841, 32842, 32784})
        p.view.OnCommand(id);
    EXPECT_TRUE(p.sent().isEmpty());
    EXPECT_EQ(p.prompter.dialogs.size(), 1);

    // The tree reports a failed load: the buttons come back and the label says home again.
    p.tree.send(HINT_PANEL_ENABLE, &p.catalog);
    for (const char *name : locked)
        EXPECT_TRUE(p.button(name)->isEnabled()) << name;
    EXPECT_EQ(p.edit("databaseField")->text(), "Personal");

    p.cats.send(HINT_HOME_REQUEST, &p.catalog);
    EXPECT_EQ(p.sent(), (QStringList {"500:EnableTrue", "200:HomeData", "400:catalog"}));
    EXPECT_EQ(p.view.m_strDatabase, "Personal");
    EXPECT_EQ(theAppFlags().m_bEditAllowed, 1);

    // Without a name the friend is "Friend's"; a request from another pane runs the dialog.
    friendName.clear();
    p.tree.send(HINT_FRIEND_REQUEST, &p.catalog);
    EXPECT_EQ(p.view.m_strDatabase, "Friend's");
}

TEST(CommandPanelFriend, TheFolderTreeReadsFoldersOnly)
{
    TestHome home;
    QDir(home.path()).mkpath("friend/Data");
    home.write("friend/Data.dat", "x");
    CFriendDbDlg dlg;
    auto *tree = dlg.findChild<QTreeView *>("folderTree");
    ASSERT_TRUE(dlg.SelectFolder(home.file("friend")));
    const QModelIndex friendDir = tree->currentIndex();
    tree->expand(friendDir);
    QTRY_COMPARE(tree->model()->rowCount(friendDir), 1);
    EXPECT_EQ(tree->model()->index(0, 0, friendDir).data().toString(), "Data");
    EXPECT_EQ(dlg.m_strFolder, QDir(home.file("friend")).absolutePath() + "/");
}

// The help page beside the program, never a file in the home directory; a desktop that
// cannot show it gets the page in a window of the program's own, pictures included.
TEST(CommandPanelHelp, OpensTheHelpPageOrShowsItItself)
{
    PanelHarness p;
    p.home.write("Tavikon.chm", "help");
    p.prompter.openResult = false;
    p.view.OnCommand(57667);
    ASSERT_EQ(p.prompter.opened.size(), 1);
    EXPECT_TRUE(p.prompter.opened.first().endsWith("/help/help.html"));
    EXPECT_TRUE(p.prompter.messages.isEmpty());
    QTextBrowser *browser = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == "HelpViewer" && w->isVisible())
            browser = w->findChild<QTextBrowser *>("HelpBrowser");
    ASSERT_TRUE(browser);
    EXPECT_TRUE(browser->toPlainText().contains("The first start"));
    const QString html = browser->toHtml();
    EXPECT_TRUE(html.contains("images/first-start-light.png"));
    browser->window()->close();
}

// Every visible control lies inside the form, and the form fits the pane's width.
void expectNothingClipped(CComandsView &view)
{
    auto *scroll = view.findChild<QScrollArea *>("commandsScroll");
    QWidget *form = scroll->widget();
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << view.width();
    EXPECT_LE(form->width(), scroll->viewport()->width());
    for (QWidget *w : form->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        const QRect inForm(w->mapTo(form, QPoint(0, 0)), w->size());
        EXPECT_TRUE(form->rect().contains(inForm))
            << w->objectName().toStdString() << " at width " << view.width();
        EXPECT_GE(w->width(), w->minimumSizeHint().width())
            << w->objectName().toStdString() << " at width " << view.width();
    }
}

TEST(CommandPanelLayout, NothingIsClippedAtTheStartWidthOrWhenResized)
{
    PanelHarness p;
    p.view.resize(255, 700);
    p.view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.view));
    expectNothingClipped(p.view);

    for (int width : {320, 255}) {
        p.view.resize(width, 420);
        QTRY_COMPARE(p.view.width(), width);
        QCoreApplication::processEvents();
        expectNothingClipped(p.view);
    }
}

} // namespace
