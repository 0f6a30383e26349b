// Disc operations through the real command panel and disc tree on one document: renaming
// and renumbering, deleting, numbers, lending and the disc windows, each checked on screen,
// in memory and in the files after a restart.
#include "chrome/sortlistctrl.h"
#include "commands/ccomandsview.h"
#include "discs/cavailabledlg.h"
#include "discs/cborroweddlg.h"
#include "discs/cdeletediscdlg.h"
#include "discs/cdiscinfodlg.h"
#include "discs/cgapsdlg.h"
#include "discs/cleftview.h"
#include "discs/clentdlg.h"
#include "discs/numberlistmodel.h"
#include "media/imagelocations.h"
#include "platform/appflags.h"
#include "platform/ctavikondoc.h"
#include "platform/hints.h"
#include "platform/tokens.h"
#include "resources/resource.h"
#include "store/archive.h"
#include "store/catalogdates.h"
#include "store/treetext.h"
#include "support/fakeprompter.h"
#include "support/records.h"
#include "support/stubview.h"
#include "support/tempdir.h"
#include "support/widgets.h"

#include <QDate>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

CDisc disc(const QString &number, const QString &name)
{
    CDisc d = MakeDisc(number, name);
    d.m_strArtist = name + " artist";
    return d;
}

CFileData file(const QString &number, const QString &name, const QString &size = "1024")
{
    return MakeFile(number, "sr0:\\", name, size);
}

// One run of the program: the panel, the tree and a listener, loaded from the home.
struct Session
{
    explicit Session(const QString &home)
    {
        for (CView *v : {static_cast<CView *>(&panel), static_cast<CView *>(&tree),
                         static_cast<CView *>(&files)})
            doc.AddView(v);
        panel.OnInitialUpdate();
        files.send(HINT_BACKUP_DIR, home + "DataBackUp");
        files.send(HINT_LOAD_HOME, home);
    }
    CTavikonDoc doc;
    CComandsView panel;
    CLeftView tree;
    StubView files; // the file list's place in the broadcast
};

class DiscOps : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theAppFlags().reset();
        // Disc 11 as a scan leaves it: "Untitled" on the tree, "Unbennant" in the record.
        write({disc("11", "Unbennant"), disc("9", "Jazz"), disc("5", "Rock")},
              {file("5", "a.mp3"), file("5", "b.mp3"), file("9", "c.mp3"), file("11", "d.txt")},
              {{0, "5 Rock"}, {1, "live"}, {0, "9 Jazz"}, {0, "11 Untitled"}});
        start();
    }
    void TearDown() override { theAppFlags().reset(); }

    void write(const CDiscList &discs, const CFileList &files, const QList<TreeTextLine> &tree)
    {
        s.reset(); // its closing save must not write over the new files
        QDir().mkpath(home.file("home/DataBackUp"));
        WriteCatalogueFiles(home.file("home/Data"), discs, files, tree);
    }
    void start()
    {
        s.reset();
        s = std::make_unique<Session>(home.file("home") + u'/');
    }
    CLeftView &tree() { return s->tree; }
    CCatalog &cat() { return *s->tree.Catalog(); }
    QStringList labels() { return Texts(&tree()); }
    QTreeWidgetItem *item(const QString &label)
    {
        const auto found = tree().findItems(label, Qt::MatchExactly);
        return found.value(0);
    }
    void select(const QString &label) { tree().setCurrentItem(item(label)); }
    QLineEdit *field(const char *name) { return s->panel.findChild<QLineEdit *>(name); }
    void type(const char *name, const QString &text)
    {
        field(name)->selectAll();
        QTest::keyClick(field(name), Qt::Key_Backspace);
        QTest::keyClicks(field(name), text);
    }
    void click(const char *name) { s->panel.findChild<QPushButton *>(name)->click(); }
    // "number:name" of every disc record, and "file:disc" of every file record.
    QStringList records()
    {
        QStringList out;
        for (const CDisc &d : *cat().m_pDiscs)
            out << d.m_strNumber + ':' + d.m_strName;
        for (const CFileData &f : *cat().m_pFiles)
            out << f.m_strFileName + ':' + f.m_strDiscNumber;
        return out;
    }
    QStringList said() { return std::exchange(prompter.messages, {}); }
    CDiscList discsOnDisk(const QString &dir = "Data")
    {
        return DiscsInFile(home.file("home/" + dir + "/Data.dat"));
    }
    // The texts of every row of a list window, column by column, joined by '|'.
    template<class Dlg> QStringList rowsOf(int which = -1)
    {
        const QList<Dlg *> all = tree().findChildren<Dlg *>();
        Dlg *dlg = all.value(which < 0 ? all.size() - 1 : which);
        QStringList out;
        for (int r = 0; dlg && r < dlg->List()->topLevelItemCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < dlg->List()->columnCount(); ++c)
                cells << dlg->List()->topLevelItem(r)->text(c);
            out << cells.join('|');
        }
        return out;
    }
    // Edits the selected label in place as a person would: F2 (unless a click opened the
    // editor already), the text, then Enter.
    void renameTo(const QString &text, Qt::Key end = Qt::Key_Return, bool bPressF2 = true)
    {
        if (bPressF2)
            tree().OnCommand(ID_ACCEL_RENAME);
        ASSERT_EQ(tree().m_bEditingLabel, 1);
        QLineEdit *editor = tree().findChildren<QLineEdit *>().last(); // the newest
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, end);
        // Enter is taken up once the editor has seen the key.
        EXPECT_TRUE(QTest::qWaitFor([&] { return tree().m_bEditingLabel == 0; }));
    }

    TestHome home;
    FakePrompter prompter;
    std::unique_ptr<Session> s;
};

TEST_F(DiscOps, SavingCdDataRelabelsTheDiscAndItsFilesThroughARestart)
{
    // A name typed for a freshly scanned disc reaches the label and stays in the field.
    select("11 Untitled");
    type("cdNameEdit", "Live");
    click("saveButton");
    EXPECT_EQ(said(), QStringList());
    EXPECT_EQ(labels(), (QStringList {"5 Rock", "9 Jazz", "11 Live"}));
    EXPECT_EQ(field("cdNameEdit")->text(), "Live");

    // A new number moves the label and every file record of the disc.
    select("5 Rock");
    type("cdNumberEdit", "7");
    click("saveButton");
    EXPECT_EQ(said(), QStringList());
    EXPECT_EQ(labels(), (QStringList {"7 Rock", "9 Jazz", "11 Live"}));
    EXPECT_EQ(tree().currentItem(), item("7 Rock"));
    EXPECT_EQ(field("cdNumberEdit")->text(), "7");
    EXPECT_EQ(cat().m_strCurNumber, "7");

    // The panel's edit of a disc other than the selected one still finds its item.
    CDisc *jazz = cat().FindDisc("9");
    jazz->m_strOldNumber = "9";
    jazz->m_strNumber = "3";
    s->files.send(HINT_DISC_EDITED, jazz);
    EXPECT_EQ(labels(), (QStringList {"7 Rock", "3 Jazz", "11 Live"}));

    // A record without an item, or a name the tree cannot carry, goes back as it was.
    CDisc stray = disc("40", "Stray");
    stray.m_strOldNumber = "40";
    stray.m_strNumber = "41";
    s->files.send(HINT_DISC_EDITED, &stray);
    CDisc *live = cat().FindDisc("11");
    live->m_strName = "AC\\DC";
    live->m_strOldNumber = "11";
    s->files.send(HINT_DISC_EDITED, live);
    EXPECT_EQ(said().size(), 2);
    EXPECT_EQ(stray.m_strNumber, "40");
    EXPECT_EQ(live->m_strName, "Live");

    const QStringList expected
        = {"11:Live", "3:Jazz", "7:Rock", "a.mp3:7", "b.mp3:7", "c.mp3:3", "d.txt:11"};
    EXPECT_EQ(records(), expected);
    EXPECT_EQ(home.read("home/DataBackUp/Tree.tkdt"), home.read("home/Data/Tree.tkdt"));
    start();
    EXPECT_EQ(labels(), (QStringList {"7 Rock", "3 Jazz", "11 Live"}));
    EXPECT_EQ(records(), expected);
    EXPECT_EQ(item("7 Rock")->childCount(), 1);

    // The renumbered disc is found and saved again under its new number.
    select("7 Rock");
    EXPECT_EQ(cat().FindDisc("7")->m_strArtist, "Rock artist");
    type("cdNameEdit", "Rock Hits");
    click("saveButton");
    EXPECT_EQ(said(), QStringList());
    EXPECT_EQ(labels().value(0), "7 Rock Hits");
}

TEST_F(DiscOps, DeletingRemovesTheDiscItsItemAndItsFilesOrNothingWhenCancelled)
{
    // Disc 20 has an item and files but no record: they go together. (A load mends such a
    // tree, so the record is lost in memory here, as a fault elsewhere would lose it.)
    write({disc("9", "Jazz"), disc("20", "Ghost"), disc("5", "Rock")},
          {file("5", "a.mp3"), file("20", "ghost.txt"), file("9", "c.mp3")},
          {{0, "5 Rock"}, {1, "live"}, {0, "20 Ghost"}, {0, "9 Jazz"}});
    start();
    cat().m_pDiscs->removeIf([](const CDisc &d) { return d.m_strNumber == "20"; });
    const CDiscList before = *cat().m_pDiscs;
    QStringList prompts;
    bool confirm = false;
    prompter.onDialog([&](QDialog &d) {
        prompts << static_cast<CDeleteDiscDlg &>(d).m_strPrompt;
        return confirm ? QDialog::Accepted : QDialog::Rejected;
    });

    // Cancelled from the panel's button: nothing changes, the catalogue is still saved.
    select("9 Jazz");
    click("deleteButton");
    EXPECT_EQ(prompts, QStringList {"Do you really want to delete CD 9    ?"});
    EXPECT_EQ(labels(), (QStringList {"5 Rock", "20 Ghost", "9 Jazz"}));
    EXPECT_EQ(discsOnDisk(), before);

    // The Del key inside a label edit belongs to the edit.
    confirm = true;
    tree().OnCommand(ID_ACCEL_RENAME);
    tree().OnCommand(ID_DELETE);
    EXPECT_EQ(prompts.size(), 1);
    QTest::keyClick(tree().findChildren<QLineEdit *>().last(), Qt::Key_Escape);

    // Confirmed from the key, for the item without a record, and from a folder of the disc.
    tree().OnCommand(ID_DELETE);
    select("20 Ghost");
    s->files.send(HINT_TOKEN, Tokens::Delete);
    EXPECT_EQ(labels(), QStringList {"5 Rock"});
    EXPECT_EQ(tree().currentItem(), item("5 Rock"));
    // What stays is saved byte for byte as it was, in Data/ and in the backup.
    EXPECT_EQ(home.read("home/Data/Data.dat"), WriteDiscList({before[1]}));
    EXPECT_EQ(home.read("home/DataBackUp/FileData.dat"), WriteFileList({file("5", "a.mp3")}));
    tree().setCurrentItem(item("5 Rock")->child(0));
    tree().OnCommand(ID_TREE_DELETE);
    EXPECT_EQ(said(), QStringList());
    EXPECT_EQ(labels(), QStringList());
    EXPECT_EQ(records(), QStringList());
    EXPECT_EQ(field("discCountField")->text(), "LEER");
    EXPECT_EQ(field("lastEntryField")->text(), "LEER");
    EXPECT_EQ(s->files.log.count("20:catalog"), 1);

    start();
    EXPECT_EQ(labels(), QStringList());
    EXPECT_EQ(discsOnDisk("DataBackUp"), CDiscList());
    EXPECT_EQ(home.read("home/Data/FileData.dat"), QByteArray("\0\0", 2));
}

TEST_F(DiscOps, ImageLocationsFollowTheDiscWhenRenumberedAndGoWithIt)
{
    // Discs 5 and 9 were scanned from images; 12 is what a disc deleted long ago left.
    ImageLocations before;
    before.Set("5", {"ROCK:\\", "/images/rock.iso"});
    before.Set("9", {"JAZZ:\\", "/images/jazz #1.iso"});
    before.Set("12", {"OLD:\\", "/images/old.iso"});
    const QString path = home.file("home/Data/Images.dat");
    ASSERT_TRUE(before.Save(path).ok());
    prompter.onDialog([](QDialog &) { return QDialog::Accepted; });

    select("5 Rock");
    type("cdNumberEdit", "7");
    click("saveButton");
    select("11 Untitled");
    type("cdNumberEdit", "12");
    click("saveButton");
    select("9 Jazz");
    click("deleteButton");
    EXPECT_EQ(said(), QStringList());

    ImageLocations after;
    ASSERT_TRUE(after.Load(path).ok());
    EXPECT_EQ(after.Find("7").imagePath, "/images/rock.iso");
    EXPECT_EQ(after.Find("7").drive, "ROCK:\\");
    for (const char *gone : {"5", "9", "12"})
        EXPECT_TRUE(after.Find(gone).imagePath.isEmpty()) << gone;
    // Written only when it changes: without an entry no file appears.
    QFile::remove(path);
    select("7 Rock");
    click("deleteButton");
    EXPECT_FALSE(QFile::exists(path));
}

// While a friend's catalogue is shown every guarded command refuses and changes nothing; back
// home, a label edited in place keeps its number and survives a restart.
TEST_F(DiscOps, GuardedCommandsRefuseForAFriendAndRenamingInPlaceKeepsTheNumber)
{
    const QByteArray data = home.read("home/Data/Data.dat");
    const QByteArray treeText = home.read("home/Data/Tree.tkdt");
    theAppFlags().m_bEditAllowed = 0;
    theAppFlags().m_bHomeDatabase = 0;
    select("9 Jazz");
    click("deleteButton");
    renameTo("Other");
    type("lendEdit", "Anna");
    click("lendButton");
    type("cdNameEdit", "Other");
    click("saveButton");
    EXPECT_EQ(
        said(),
        (QStringList {"Unautorised Action", "Uautorised Action!!!", "Unautorised Action!!!"}));
    EXPECT_TRUE(prompter.dialogs.isEmpty());
    EXPECT_EQ(labels(), (QStringList {"5 Rock", "9 Jazz", "11 Untitled"}));
    EXPECT_EQ(cat().FindDisc("9")->m_strLocation, "home");
    EXPECT_EQ(cat().FindDisc("9")->m_strName, "Jazz");
    EXPECT_EQ(home.read("home/Data/Data.dat"), data);
    EXPECT_EQ(home.read("home/Data/Tree.tkdt"), treeText);
    theAppFlags().reset();

    select("5 Rock");
    const std::pair<const char *, const char *> edits[] = {
        {"Summer", "5 Summer"}, {"5 Summer", "5 Summer"}, {"6 Summer", "5 6 Summer"},
        {"123 x", "5 123 x"},   {"", "5 123 x"},          {"a\\b", "5 123 x"},
    };
    for (const auto &[typed, label] : edits) {
        renameTo(QString::fromLatin1(typed));
        EXPECT_EQ(item(label), tree().topLevelItem(0)) << typed;
    }
    EXPECT_EQ(said(),
              QStringList {"A CD name cannot hold a backslash (\\) or a control character."});
    EXPECT_EQ(cat().FindDisc("5")->m_strName, "123 x");
    EXPECT_EQ(field("cdNameEdit")->text(), "123 x");

    // Escape keeps the label; a finished edit leaves no disc selected for Save CD Data.
    renameTo("Gone", Qt::Key_Escape);
    EXPECT_EQ(labels().value(0), "5 123 x");
    s->files.log.clear();
    s->files.send(HINT_TOKEN, Tokens::AllowRequest);
    EXPECT_TRUE(s->files.log.contains("22:No"));

    // Folders keep their names: no editor opens.
    tree().setCurrentItem(item("5 123 x")->child(0));
    tree().OnCommand(ID_TREE_RENAME);
    EXPECT_EQ(tree().m_bEditingLabel, 0);

    // A click on the selected label starts the edit too.
    select("9 Jazz");
    tree().resize(300, 300);
    tree().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree()));
    const QRect r = tree().visualItemRect(item("9 Jazz"));
    QTest::mouseClick(tree().viewport(), Qt::LeftButton, {}, QPoint(r.left() + 30, r.center().y()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tree().m_bEditingLabel == 1; }));
    renameTo("Blue", Qt::Key_Return, false);

    start();
    EXPECT_EQ(labels(), (QStringList {"5 123 x", "9 Blue", "11 Untitled"}));
    EXPECT_EQ(cat().FindDisc("9")->m_strName, "Blue");
}

TEST_F(DiscOps, GapsAndSearchByNumber)
{
    write({disc("9", "d"), disc("5", "c"), disc("5", "b"), disc("3", "a")}, {},
          {{0, "3 a"}, {0, "5 b"}, {1, "9 x"}, {0, "5 c"}, {0, "9 d"}});
    start();
    click("findGapsButton");
    click("findGapsButton");
    const QList<CGapsDlg *> windows = tree().findChildren<CGapsDlg *>();
    ASSERT_EQ(windows.size(), 2);
    CGapsDlg *gaps = windows[0];
    EXPECT_EQ(gaps->Model()->Numbers(), (QList<int> {1, 2, 4, 6, 7, 8}));
    QHeaderView *header = gaps->List()->header();
    header->sectionClicked(0);
    EXPECT_EQ(gaps->Model()->Numbers(), (QList<int> {8, 7, 6, 4, 2, 1}));
    header->sectionClicked(0);
    EXPECT_EQ(gaps->Model()->index(0).data().toString(), "1");

    // The text must match exactly; folders never match; of two discs the later one wins.
    const std::pair<const char *, QTreeWidgetItem *> searches[]
        = {{"07", nullptr}, {"9", item("9 d")}, {"5", item("5 c")}, {"", item("5 c")}};
    for (const auto &[number, found] : searches) {
        type("findNumberEdit", QString::fromLatin1(number));
        click("findNumberButton");
        if (found) {
            EXPECT_EQ(tree().currentItem(), found) << number;
            EXPECT_TRUE(found->isExpanded());
        }
    }
    EXPECT_EQ(said(), QStringList {"This number is not assigned to a CD"});
    EXPECT_FALSE(item("5 b")->isExpanded());

    // Without holes, a message instead of a window.
    write({disc("2", "b"), disc("1", "a")}, {}, {{0, "1 a"}, {0, "2 b"}});
    start();
    click("findGapsButton");
    EXPECT_EQ(said(), QStringList {"There are  not gaps in the index."});
    EXPECT_TRUE(tree().findChildren<CGapsDlg *>().isEmpty());
}

TEST_F(DiscOps, LendingListsAndGettingBack)
{
    const QString today = FormatLendDate(QDate::currentDate());
    CDisc old = disc("3", "Old");
    old.m_strLocation = "Anna";
    old.m_strLendDate = "June 01 1999";
    CDisc odd = disc("4", "Odd");
    odd.m_strLocation = "Ben";
    odd.m_strLendDate = "someday";
    // Disc 20's record is lost in memory (a load would mend the tree instead).
    write({disc("20", "Ghost"), old, odd, disc("9", "Jazz"), disc("5", "Rock")}, {},
          {{0, "5 Rock"}, {0, "9 Jazz"}, {0, "4 Odd"}, {0, "3 Old"}, {0, "20 Ghost"}});
    start();
    cat().m_pDiscs->removeIf([](const CDisc &d) { return d.m_strNumber == "20"; });
    QFile::remove(home.file("home/Data/Data.dat")); // a missing file is no error

    // Nothing selected that a record has: nothing lent, nothing written, no success.
    select("20 Ghost");
    type("lendEdit", "Anna");
    click("lendButton");
    EXPECT_EQ(said(),
              QStringList {"Please, select the CD to lend in the tree first. Nothing was lent."});
    EXPECT_FALSE(QFile::exists(home.file("home/Data/Data.dat")));

    select("9 Jazz");
    type("lendEdit", "Anna");
    click("lendButton");
    EXPECT_EQ(said(), QStringList {"Lend to : Anna"});
    const CDisc lent9 = discsOnDisk().value(2);
    EXPECT_EQ(lent9.m_strLocation + u'|' + lent9.m_strLendDate, "Anna|" + today);

    click("availableButton");
    EXPECT_EQ(rowsOf<CAvailableDlg>(), QStringList {"Rock|5"});
    click("nonAvailableButton");
    EXPECT_EQ(
        rowsOf<CLentDlg>(),
        (QStringList {"Jazz|9|Anna|" + today, "Odd|4|Ben|someday", "Old|3|Anna|June 01 1999"}));
    // Dates sort as dates, the unreadable one first; numbers as numbers.
    CLentDlg *lent = tree().findChild<CLentDlg *>();
    lent->List()->header()->sectionClicked(3);
    lent->List()->header()->sectionClicked(3);
    EXPECT_EQ(
        rowsOf<CLentDlg>(),
        (QStringList {"Odd|4|Ben|someday", "Old|3|Anna|June 01 1999", "Jazz|9|Anna|" + today}));

    type("borrowedFromEdit", "Anna");
    click("lendButton");
    type("borrowedFromEdit", "anna");
    click("lendButton");
    EXPECT_EQ(rowsOf<CBorrowedDlg>(0), (QStringList {"Jazz|9|" + today, "Old|3|June 01 1999"}));
    EXPECT_EQ(rowsOf<CBorrowedDlg>(1), QStringList());
    EXPECT_EQ(said(), QStringList());

    // A double-click on a row selects its disc and closes the window.
    CSortListCtrl *list = lent->List();
    QTreeWidgetItem *row = list->findItems("Old", Qt::MatchExactly).value(0);
    list->setCurrentItem(row);
    Q_EMIT list->itemActivated(row, 0);
    EXPECT_EQ(tree().currentItem(), item("3 Old"));
    EXPECT_FALSE(lent->isVisible());

    // Getting back changes the record in memory; the file follows at the next save.
    select("9 Jazz");
    click("getBackButton");
    EXPECT_EQ(cat().FindDisc("9")->m_strLocation, "home");
    EXPECT_EQ(discsOnDisk().value(2).m_strLocation, "Anna");
    start();
    EXPECT_EQ(cat().FindDisc("9")->m_strLocation + u'|' + cat().FindDisc("9")->m_strLendDate,
              "home|" + today);

    // An empty catalogue lists "No Discs" in each window, and has no disc to inform on.
    write({}, {}, {});
    start();
    click("availableButton");
    EXPECT_EQ(rowsOf<CAvailableDlg>(), QStringList {"No Discs|"});
    s->panel.OnCommand(ID_OPTIONS);
    EXPECT_EQ(said().last(), "No CD on the List"); // after the notes on disc 20's tree item
}

TEST_F(DiscOps, DiscInformationShowsTheFieldsAndTotals)
{
    CDisc full = disc("7", "Songs");
    full.m_strLocation = "Anna";
    full.m_strLendDate = "May 02 2021";
    full.m_strSavedDate = "December 05, 2026";
    full.m_strNotes = "live";
    full.m_strQuality = "good";
    full.m_lstCategories = {"Music", "Live"};
    write({full, disc("8", "Empty")},
          {file("7", "a", "1048576"), file("8", "x", "5"), file("7", "b", "1048576")},
          {{0, "7 Songs"}, {0, "8 Empty"}});
    start();
    QStringList shown;
    prompter.onDialog([&](QDialog &d) {
        auto &dlg = static_cast<CDiscInfoDlg &>(d);
        shown = QStringList {dlg.windowTitle(),  dlg.m_strName,      dlg.m_strNumber,
                             dlg.m_strNotes,     dlg.m_strLocation,  dlg.m_strLendDate,
                             dlg.m_strQuality,   dlg.m_strFileCount, dlg.m_strDiscSize,
                             dlg.m_strSavedDate, dlg.m_strArtist};
        auto *categories = dlg.findChild<QTreeWidget *>("categoryList");
        for (int i = 0; i < categories->topLevelItemCount(); ++i)
            shown << categories->topLevelItem(i)->text(0);
        return QDialog::Accepted;
    });
    select("7 Songs");
    s->panel.OnCommand(ID_OPTIONS);
    EXPECT_EQ(
        shown,
        (QStringList {"Comprehesive  CD Info", "Songs", "7", "live", "Anna", "May 02 2021", "good",
                      "2", "2 MB", "December 05, 2026", "Songs artist", "Live", "Music"}));
    select("8 Empty");
    tree().OnCommand(ID_TREE_CDINFO);
    EXPECT_EQ(shown.mid(7, 2), (QStringList {"1", "5 B"}));
}

} // namespace
