#include "app/cmainframe.h"
#include "chrome/themedbutton.h"
#include "commands/cfrienddbdlg.h"
#include "discs/cleftview.h"
#include "panelharness.h"
#include "resources/menus.h"
#include "support/widgets.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTreeView>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QStringList texts(const PanelHarness &p, std::initializer_list<const char *> names)
{
    QStringList out;
    for (const char *name : names)
        out << p.edit(name)->text();
    return out;
}

TEST(CommandPanel, PanelShowsTheSelectedDiscInThePalettesFaceAndKeepsFieldsForAnEmptyCatalogue)
{
    PanelHarness p;
    const auto shown = [&p] {
        return texts(p,
                     {"cdNumberEdit", "cdNameEdit", "cdArtistEdit", "cdLocationField",
                      "discCountField", "lendEdit"});
    };
    EXPECT_EQ(shown(), (QStringList {"12", "Holiday", "Holiday artist", "home", "3", ""}));
    EXPECT_EQ(texts(p, {"cdQualityEdit", "lastEntryField", "homeDirField", "databaseField"}),
              (QStringList {"good", "12 Holiday", p.catalog.m_strHomeDir, "Personal"}));
    EXPECT_EQ(p.view.findChild<QLabel *>("searchCdLabel")->text(), "12, Holiday");
    EXPECT_EQ(p.edit("cdNumberEdit")->toolTip(), "A number from 1 to 999999");

    // Every button follows the hover face of the palette through a switch of the desktop's
    // theme (the button's own test covers the colours); the search-in-CD button is hidden.
    QPalette dark = p.view.palette();
    dark.setColor(QPalette::Button, QColor(0x30, 0x32, 0x36));
    p.view.setPalette(dark);
    for (CThemedButton *button : p.view.findChildren<CThemedButton *>())
        EXPECT_EQ(button->GetColor(CIconButton::BTNST_COLOR_BK_IN),
                  CIconButton::HoverColor(QColor(0x30, 0x32, 0x36)))
            << button->objectName().toStdString();
    EXPECT_TRUE(p.button("searchInCdButton")->isHidden());

    // A folder of another disc: the name is the disc part of the path; lend is emptied.
    p.type("lendEdit", "Bob");
    p.select("7", "Jazz\\Live\\");
    EXPECT_EQ(shown(), (QStringList {"7", "Jazz", "Jazz artist", "Anna", "3", ""}));
    EXPECT_EQ(p.view.m_strShownNumber, "7");

    // With "0" discs the disc's own fields and the statistics follow; number and name stay.
    p.catalog.m_strDiscCount = "0";
    p.catalog.m_strLastEntry = "0";
    p.select("3", "Work");
    EXPECT_EQ(shown(), (QStringList {"7", "Jazz", "Work artist", "home", "0", ""}));
    EXPECT_EQ(p.edit("lastEntryField")->text(), "0");
}

// Save CD Data checks the selection and the number before it changes anything: each attempt
// types its fields in order and saves; a refusal leaves the record as it was, and no two
// discs ever share a number, whichever field was typed first.
TEST(CommandPanel, SaveChecksSelectionAndNumberFirstAndStoresTheNumberPlain)
{
    PanelHarness p;
    const QString folder = "Please, click on the name of the CD!",
                  invalid = "Please, type a valid CD Number.",
                  used = "This number is already used.";
    const QStringList asked {"0:AllowRequest"};
    const struct
    {
        QList<std::pair<const char *, QString>> typed;
        QString said;
        QStringList sent;
        QString record; // number and name after the save
    } saves[] = {
        {{{"cdNameEdit", "Renamed"}, {"cdNumberEdit", "40"}}, folder, asked, "12|Holiday"},
        // One of the numbers the parser refuses (its own test has them all).
        {{{"cdNumberEdit", "0"}}, invalid, asked, "12|Holiday"},
        {{{"cdNameEdit", "Renamed"}, {"cdNumberEdit", "7"}}, used, asked, "12|Holiday"},
        {{{"cdNumberEdit", "3"}, {"cdNameEdit", "Other"}}, used, asked, "12|Holiday"},
        {{{"cdNumberEdit", "12"}}, used, asked, "12|Holiday"}, // its own, once edited
        {{{"cdNameEdit", "Beach days"}}, "", asked + QStringList {"3:disc 12"}, "12|Beach days"},
        {{{"cdNumberEdit", " 0040 "}, {"cdNameEdit", "Summer"}},
         "",
         asked + QStringList {"3:disc 40"},
         "40|Summer"},
    };
    p.discSelected = false; // a folder, for the first attempt
    for (const auto &save : saves) {
        SCOPED_TRACE(save.record.toStdString());
        for (const auto &[name, text] : save.typed)
            p.type(name, text);
        p.button("saveButton")->click();
        p.discSelected = true;
        EXPECT_EQ(p.said(), save.said.isEmpty() ? QStringList() : QStringList {save.said});
        EXPECT_EQ(p.sent(), save.sent);
        const CDisc &disc = p.catalog.m_pDiscs->at(0);
        EXPECT_EQ(disc.m_strNumber + u'|' + disc.m_strName, save.record);
        if (save.said == used) { // the field shows the disc's number again
            EXPECT_EQ(p.edit("cdNumberEdit")->text(), disc.m_strNumber);
        }
    }
    EXPECT_EQ(p.catalog.m_pDiscs->at(0).m_strOldNumber, "12");
    EXPECT_EQ(p.view.m_bNumberEdited, 0);
}

TEST(CommandPanel, CtrlEnterRunsTheActionOfTheFieldEditedLast)
{
    PanelHarness p;
    const std::tuple<const char *, QString, QStringList> steps[] = {
        {nullptr, "", {}}, // nothing edited yet
        {"cdArtistEdit", "Band", {}},
        {"cdQualityEdit", "mint", {}},
        {"findNumberEdit", "7", {"4:7"}},
        {"patternEdit", "beach", {"23:Cats", "5:beach|files|all"}},
        {"lendEdit", "Bob", {"9:Bob"}},
        {"cdNameEdit", "Trip", {"0:AllowRequest", "3:disc 12"}},
    };
    for (const auto &[field, text, sent] : steps) {
        if (field)
            p.type(field, text);
        p.view.OnCommand(32847);
        EXPECT_EQ(p.sent(), sent) << (field ? field : "");
    }
    const CDisc &disc = p.catalog.m_pDiscs->at(0);
    EXPECT_EQ(QStringList({disc.m_strArtist, disc.m_strQuality}), QStringList({"Band", "mint"}));

    // While a friend's catalogue is shown the key does nothing here.
    theAppFlags().m_bHomeDatabase = 0;
    p.type("cdNameEdit", "Friend's trip");
    p.view.OnCommand(32847);
    EXPECT_TRUE(p.sent().isEmpty());
    EXPECT_EQ(disc.m_strName, "Trip");
}

TEST(CommandPanel, LendActsOnThePersonFieldTypedInLast)
{
    PanelHarness p;
    p.type("lendEdit", "Anna");
    p.type("borrowedFromEdit", "Bob");
    EXPECT_EQ(p.edit("lendEdit")->text(), "");
    p.button("lendButton")->click();
    EXPECT_EQ(p.sent(), QStringList {"11:Bob"});
    EXPECT_EQ(p.edit("cdLocationField")->text(), "home");

    p.type("lendEdit", "Carl");
    EXPECT_EQ(p.edit("borrowedFromEdit")->text(), "");
    p.view.OnCommand(32841); // Ctrl+L
    EXPECT_EQ(p.sent(), QStringList {"9:Carl"});
    EXPECT_EQ(p.edit("cdLocationField")->text(), "Carl");

    // Blanks around a name are not part of it; a name of blanks lends nothing, so nothing is
    // sent and the shown location stays.
    const std::pair<QString, QStringList> names[]
        = {{"  Anna ", {"9:Anna"}}, {"", {}}, {"   ", {}}};
    for (const auto &[typed, sent] : names) {
        p.type("lendEdit", typed);
        p.button("lendButton")->click();
        EXPECT_EQ(p.sent(), sent) << typed.toStdString();
        EXPECT_EQ(p.edit("cdLocationField")->text(), "Anna");
        EXPECT_EQ(p.said().size(), sent.isEmpty() ? 1 : 0);
    }
    p.type("borrowedFromEdit", " Anna  ");
    p.button("lendButton")->click();
    EXPECT_EQ(p.sent(), QStringList {"11:Anna"});

    // Get Back puts the disc home without a broadcast.
    p.catalog.m_pDiscs->first().m_strLocation = "Carl";
    p.type("lendEdit", "Dora");
    p.button("getBackButton")->click();
    EXPECT_EQ(p.catalog.m_pDiscs->at(0).m_strLocation, "home");
    EXPECT_EQ(p.edit("cdLocationField")->text(), "home");
    EXPECT_EQ(p.edit("lendEdit")->text(), "");
    EXPECT_TRUE(p.sent().isEmpty());
}

// The searches check pattern and scope before they send a request; Search in CD lists the
// matching files of the shown disc itself.
TEST(CommandPanel, SearchesCheckPatternAndScopeBeforeTheyRun)
{
    PanelHarness p;
    p.catalog.m_lstSelection = QStringList {"stale"};
    p.button("nameSearchButton")->click();
    EXPECT_EQ(p.said(), QStringList {"Please, enter a file name to search for."});
    EXPECT_EQ(p.sent(), QStringList {"23:Cats"});
    EXPECT_TRUE(p.catalog.m_lstSelection.isEmpty());
    p.view.OnCommand(32840); // Ctrl+D
    EXPECT_EQ(p.said(), QStringList {"Please, type the name of the file to search."});

    // Everything: case-insensitive, only disc 12, the file list walked from its tail.
    p.type("patternEdit", "BEACH");
    p.view.OnCommand(32824);
    EXPECT_EQ(p.sent().last(), "55:beach2.png|Beach.JPG");

    p.type("patternEdit", "*");
    p.button("nameSearchButton")->click();
    EXPECT_EQ(p.said(),
              QStringList {"Please, use this search pattern only with categories.\nWildcarts are "
                           "not implemented in this freeware version."});
    EXPECT_EQ(p.sent(), QStringList {"23:Cats"});

    p.view.findChild<QRadioButton *>("byCategoryRadio")->click();
    EXPECT_EQ(p.view.m_bByCategory, 1);
    EXPECT_EQ(p.view.m_bEverything, 0);
    p.view.OnCommand(32839); // Ctrl+A
    p.view.OnCommand(32840);
    EXPECT_EQ(p.said(), QStringList(2, "Please, select categories."));
    EXPECT_EQ(p.sent(), (QStringList {"23:Cats", "23:Cats"}));

    p.chosenCategories = {"Photos"};
    p.button("nameSearchButton")->click();
    EXPECT_EQ(p.said(), QStringList());
    EXPECT_EQ(p.sent(), (QStringList {"23:Cats", "5:*|names|byCat"}));
    EXPECT_EQ(*p.view.m_pRequest, (QStringList {"*", "names", "byCat"}));

    // Search in CD by category: every chosen category must be on the file; walked from the head.
    p.type("patternEdit", "BEACH");
    p.view.OnCommand(32840);
    EXPECT_EQ(p.sent().last(), "55:Beach.JPG|beach2.png");
    p.chosenCategories = {"Summer", "Photos"};
    p.view.OnCommand(32840);
    EXPECT_EQ(p.sent().last(), "55:Beach.JPG");
    p.chosenCategories = {"Jazz"};
    p.view.OnCommand(32840);
    EXPECT_EQ(p.sent().last(), "55:");
    EXPECT_TRUE(p.view.m_pResult->isEmpty());

    p.view.findChild<QRadioButton *>("everythingRadio")->click();
    p.type("patternEdit", "Beach");
    p.button("fileSearchButton")->click();
    EXPECT_EQ(p.sent(), (QStringList {"23:Cats", "5:Beach|files|all"}));
}

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

    // In the category panel's note Ctrl+Enter reaches the pane (to save the note) rather than
    // the editor, and lists nothing.
    auto *note = frame.findChild<QPlainTextEdit *>("noteEdit");
    note->setFocus();
    QTRY_VERIFY(note->hasFocus());
    QTest::keyClicks(note, "x");
    recorder.log.clear();
    QTest::keyClick(note, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(note->toPlainText(), "x");
    EXPECT_TRUE(recorder.log.filter("5:").isEmpty()) << recorder.log.join(' ').toStdString();
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
    EXPECT_EQ(ClippedWidgets(form, false), QStringList()) << view.width();
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
