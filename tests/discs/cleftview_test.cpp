#include "discs/cleftview.h"
#include "platform/appflags.h"
#include "platform/ctavikondoc.h"
#include "platform/hints.h"
#include "platform/tokens.h"
#include "resources/resource.h"
#include "scan/cscandlg.h"
#include "store/archive.h"
#include "store/catalogstore.h"
#include "store/friendcatalog.h"
#include "store/treetext.h"
#include "support/fakeprompter.h"
#include "support/records.h"
#include "support/stubview.h"
#include "support/tempdir.h"

#include <QContextMenuEvent>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// The real view with its popup answered by the test instead of a person.
class TestLeftView final : public CLeftView
{
public:
    QStringList menuTexts;
    int popups = 0;
    int choose = -1; // index of the action to pick, -1 to dismiss

protected:
    QAction *ExecPopup(QMenu &menu, const QPoint &) override
    {
        ++popups;
        menuTexts.clear();
        for (QAction *a : menu.actions())
            menuTexts << a->text();
        return menu.actions().value(choose);
    }
};

const QString kRestore = QStringLiteral(
    "There was a problem with your database\nTavikon is going to restore the backup data now.");

class DiscTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theAppFlags().reset();
        view = std::make_unique<TestLeftView>();
        doc.AddView(&panel);
        doc.AddView(view.get());
        doc.AddView(&files);
    }

    QString homeDir() const { return home.file("home") + u'/'; }
    QString backupDir() const { return home.file("home/DataBackUp"); }

    // Two discs, one of them with a label that ends in a backslash.
    void writeSample(const QString &dir = "Data")
    {
        WriteCatalogueFiles(
            home.file("home/" + dir), {MakeDisc("7", "A B"), MakeDisc("3", "Data\\")},
            {MakeFile("7", "sr0:\\x\\y\\", "a.txt"), MakeFile("3", "sr0:\\x\\", "b.txt")},
            {{0, "7 A B"}, {1, "x"}, {2, "y"}, {0, "3 Data\\"}, {1, "x"}});
    }
    void load()
    {
        QDir().mkpath(backupDir()); // made with the home directory at the first start
        panel.send(HINT_BACKUP_DIR, backupDir());
        panel.log.clear();
        files.log.clear();
        panel.send(HINT_LOAD_HOME, homeDir());
    }
    // A fresh tree on the same document, as after a restart.
    void reload()
    {
        view = std::make_unique<TestLeftView>();
        doc.AddView(view.get());
        load();
    }
    QByteArray bytes(const QString &relative) const { return home.read("home/" + relative); }
    bool exists(const QString &rel) const { return QFile::exists(home.file("home/" + rel)); }
    CDiscList discsIn(const QString &relative) const
    {
        return DiscsInFile(home.file("home/" + relative));
    }
    void expectNoMessages() const
    {
        EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('|').toStdString();
    }

    QString friendDir() const { return home.file("friend") + u'/'; }
    void writeFriend()
    {
        WriteCatalogueFiles(home.file("friend"), {MakeDisc("21", "Blues"), MakeDisc("20", "Jazz")},
                            {MakeFile("20", "sr0:\\solo\\", "a.mp3")},
                            {{0, "20 Jazz"}, {1, "solo"}, {0, "21 Blues"}}, {"Swing"});
        home.write("friend/TreeTemp.tkdt", WriteTreeText({{0, "solo"}}));
    }
    // The command panel's part: the flags go to the friend state, then the folder comes.
    void loadFriend(const QString &dir)
    {
        theAppFlags().m_bHomeDatabase = theAppFlags().m_bEditAllowed = 0;
        panel.log.clear();
        files.log.clear();
        prompter.messages.clear();
        panel.send(HINT_LOAD_FRIEND, dir);
    }

    TestHome home;
    FakePrompter prompter;
    CTavikonDoc doc;
    StubView panel;
    std::unique_ptr<TestLeftView> view;
    StubView files;
};

TEST_F(DiscTree, TokensAreMatchedByAddressAndAllowRequestAnswersFromTheSelection)
{
    WriteCatalogueFiles(home.file("home/Data"), {}, {}, {});
    load();
    EXPECT_EQ(view->topLevelItemCount(), 0);
    EXPECT_EQ(view->Catalog()->m_strDiscCount, "0");
    EXPECT_EQ(files.log.count("2:catalog"), 1); // the new catalogue is announced, nothing selected

    panel.send(HINT_TOKEN, Tokens::AllowRequest);
    EXPECT_EQ(panel.take(), (QStringList {"2:catalog", "22:No"}));

    panel.send(HINT_TOKEN, Tokens::Delete); // nothing to delete while the count is "0"
    panel.send(HINT_TOKEN, QStringLiteral("CDDB")); // the word is no token
    panel.send(HINT_LEND_TO, QString());
    panel.send(777, Tokens::Scan);
    panel.send(HINT_TOKEN, Tokens::CDDB);
    EXPECT_EQ(prompter.messages, QStringList {"CDDB is not implemented in this version."});
    // "Scan" is a token test, whatever the code: the dialog opens (and is rejected here).
    EXPECT_EQ(prompter.dialogs, QStringList {"CScanDlg"});
    EXPECT_TRUE(panel.log.isEmpty()); // the view answered none of them
    EXPECT_EQ(files.log.count("2:catalog"), 1);
}

TEST_F(DiscTree, LoadBuildsTheTreeSelectionFillsTheCatalogueAndTheCloseSavesOnce)
{
    writeSample();
    load();
    expectNoMessages();
    ASSERT_EQ(view->topLevelItemCount(), 2);
    QTreeWidgetItem *first = view->topLevelItem(0);
    EXPECT_EQ(view->currentItem(), first);
    CCatalog *cat = view->Catalog();
    EXPECT_EQ(QStringList({cat->m_strCurNumber, cat->m_strCurPath, cat->m_strDiscCount,
                           cat->m_strLastEntry, cat->m_strHomeDir}),
              QStringList({"7", "A B", "2", "7", homeDir()}));
    // The selection is announced, then the file list is told to refresh.
    EXPECT_EQ(files.log.mid(0, 2), (QStringList {"2:catalog", "0:Refresh"}));

    QTreeWidgetItem *y = first->child(0)->child(0);
    view->setCurrentItem(y);
    EXPECT_EQ(QStringList({cat->m_strFolderKey, cat->m_strCurPath, cat->m_strCurNumber}),
              QStringList({"7 A B\\x\\y", "A B\\", "7"}));
    ASSERT_EQ(view->topLevelItem(1)->childCount(), 1);
    EXPECT_EQ(view->MakeTreePath(view->topLevelItem(1)->child(0)), "3 Data\\x");
    EXPECT_FALSE(view->IsDiscItem(y));

    // Collapsed or not, the text covers every item in order.
    view->collapseAll();
    EXPECT_EQ(view->TreeText(), bytes("Data/Tree.tkdt"));

    // The close saves the home catalogue, backs it up and leaves the tree as it was.
    const QByteArray tree = bytes("Data/Tree.tkdt");
    (*cat->m_pDiscs)[0].m_strArtist = "Someone";
    view.reset();
    expectNoMessages();
    EXPECT_EQ(discsIn("Data/Data.dat").value(0).m_strArtist, "Someone");
    EXPECT_EQ(bytes("DataBackUp/Data.dat"), bytes("Data/Data.dat"));
    EXPECT_EQ(bytes("Data/Tree.tkdt"), tree);

    // Saved and backed up once before the window goes; later changes are not written behind
    // the user.
    const QByteArray data = bytes("Data/Data.dat");
    QFile::remove(home.file("home/DataBackUp/Data.dat"));
    reload();
    view->SaveOnExit();
    (*view->Catalog()->m_pDiscs)[0].m_strArtist = "Later";
    view.reset();
    EXPECT_EQ(bytes("Data/Data.dat"), data);
    EXPECT_EQ(bytes("DataBackUp/Data.dat"), data);
}

// Without a backup a partly read catalogue is never saved: the start says so once, plainly,
// and claims no restore; clicks then show what was read without a word; the close says it
// again. A restore at a click, once the backup is there again, brings its own tree: the tree
// shown is replaced after the click's handling and the first disc selected. A backup there at
// the start restores at once.
TEST_F(DiscTree, PartlyReadCatalogueIsNeverSavedAndARestoreAtAClickBringsItsTree)
{
    writeSample();
    QFile::remove(home.file("home/Data/Data.dat"));
    const QByteArray fileData = bytes("Data/FileData.dat");
    load(); // no backup to restore from
    EXPECT_GE(prompter.messages.size(), 3);
    EXPECT_EQ(prompter.messages.filter("no change is saved until the catalogue is mended").size(),
              1);
    EXPECT_TRUE(prompter.messages.filter("was restored").isEmpty());
    EXPECT_EQ(view->currentItem(), nullptr);
    const qsizetype shown = prompter.messages.size();
    for (int i : {1, 0})
        view->setCurrentItem(view->topLevelItem(i));
    EXPECT_EQ(view->currentItem(), view->topLevelItem(0));
    EXPECT_EQ(prompter.messages.size(), shown) << prompter.messages.join('|').toStdString();
    view.reset();
    EXPECT_EQ(prompter.messages.size(), shown + 1); // the refusal is said, not silent
    EXPECT_EQ(bytes("Data/FileData.dat"), fileData);
    EXPECT_FALSE(exists("Data/Data.dat"));
    EXPECT_FALSE(exists("DataBackUp/FileData.dat"));

    reload(); // the restore fails again
    WriteCatalogueFiles(home.file("home/DataBackUp"), {MakeDisc("5", "Five")},
                        {MakeFile("5", "sr0:\\", "c.txt")}, {{0, "5 Five"}});
    prompter.messages.clear();
    view->setCurrentItem(view->topLevelItem(1));
    EXPECT_EQ(prompter.messages, QStringList {kRestore});
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->TreeText() == "5 Five\r\n"; }));
    EXPECT_EQ(view->currentItem(), view->topLevelItem(0));
    EXPECT_EQ(view->Catalog()->m_strCurNumber, "5");
    EXPECT_EQ(bytes("Data/Tree.tkdt"), QByteArray("5 Five\r\n"));
    EXPECT_EQ(discsIn("Data/Data.dat").size(), 1);

    // With the backup there at the start, the restore comes at once, and only once.
    view.reset();
    QFile::remove(home.file("home/Data/Data.dat"));
    prompter.messages.clear();
    reload();
    ASSERT_EQ(prompter.messages.size(), 2) << prompter.messages.join('|').toStdString();
    EXPECT_EQ(prompter.messages[1], kRestore);
    EXPECT_EQ(view->Catalog()->m_pFiles->size(), 1);
    view->setCurrentItem(nullptr);
    view->setCurrentItem(view->topLevelItem(0));
    EXPECT_EQ(prompter.messages.size(), 2);
    view.reset(); // the restored catalogue is whole again and is saved
    EXPECT_EQ(discsIn("Data/Data.dat").size(), 1);
}

TEST_F(DiscTree, ContextMenuOnlyForDiscs)
{
    writeSample();
    load();
    view->resize(300, 400);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    view->expandAll();
    const auto onLabel = [&](QTreeWidgetItem *item) {
        const QRect r = view->visualItemRect(item);
        return QPoint(r.left() + 6, r.center().y());
    };
    QTreeWidgetItem *disc7 = view->topLevelItem(0);
    QTreeWidgetItem *folder = disc7->child(0);
    const QPoint empty(10, view->visualItemRect(view->topLevelItem(1)->child(0)).bottom() + 40);

    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, onLabel(folder));
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, empty);
    EXPECT_EQ(view->currentItem(), folder);
    EXPECT_EQ(view->popups, 0);

    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, onLabel(disc7));
    EXPECT_EQ(view->currentItem(), disc7);
    EXPECT_EQ(view->popups, 1);
    EXPECT_EQ(view->menuTexts, (QStringList {"Delete", "Rename", "CD Info"}));

    // Empty space keeps the selection and shows the menu of the selected disc; choosing
    // "CD Info" asks the command panel for the disc information.
    view->choose = 2;
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, empty);
    EXPECT_EQ(view->currentItem(), disc7);
    EXPECT_EQ(view->popups, 2);
    EXPECT_TRUE(panel.log.contains("56:OnOptions"));
    // Menu-bar commands go through the shared table (one sample; the table is tested once).
    EXPECT_TRUE(view->OnCommand(ID_DATABASE_LOADFRIEND));
    EXPECT_EQ(panel.log.last(), "300:catalog");

    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5),
                          view->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(view->viewport(), &key);
    EXPECT_EQ(view->popups, 3);
}

// A scan cancelled adds nothing but still saves and backs up; one without the scan's folder
// tree would be an invisible disc and is refused; a whole one gets the highest number + 1, is
// saved first and backed up after (so the backup holds it), and is selected.
TEST_F(DiscTree, ScanAddsTheDiscWholeOrNothing)
{
    WriteCatalogueFiles(
        home.file("home/Data"), {MakeDisc("3", "c"), MakeDisc("10", "b"), MakeDisc("7", "a")},
        {MakeFile("3", "sr0:\\", "1"), MakeFile("10", "sr0:\\", "2"), MakeFile("7", "sr0:\\", "3")},
        {{0, "3 c"}, {0, "10 b"}, {0, "7 a"}});
    load();
    int lastNumber = -1;
    QString scanHome;
    for (const int result : {QDialog::Rejected, QDialog::Accepted, QDialog::Accepted})
        prompter.onDialog([&, result](QDialog &d) {
            auto &dlg = static_cast<CScanDlg &>(d);
            lastNumber = dlg.m_nLastNumber;
            scanHome = dlg.m_strHomeDir;
            dlg.m_pFileList->append(MakeFile("11", "sr0:\\music\\", "a.mp3"));
            dlg.m_pFileList->append(MakeFile("11", "sr0:\\music\\", "b.mp3"));
            if (prompter.dialogs.size() == 3)
                home.write("home/Data/TreeTemp.tkdt",
                           WriteTreeText({{0, "11 Untitled"}, {1, "music"}}));
            dlg.m_bScanned = 1;
            dlg.m_strScannedDrive = "SR0:\\";
            return result;
        });
    const auto expectBackupMatchesData = [&] {
        for (const CatalogueFile &f : CatalogueFiles())
            EXPECT_EQ(bytes("DataBackUp/" + f.name), bytes("Data/" + f.name))
                << f.name.toStdString();
    };
    QFile::remove(home.file("home/DataBackUp/Data.dat"));
    const QByteArray tree = bytes("Data/Tree.tkdt");
    panel.send(HINT_TOKEN, Tokens::Scan);
    expectNoMessages();
    EXPECT_EQ(discsIn("DataBackUp/Data.dat").size(), 3);
    expectBackupMatchesData();

    QFile::remove(home.file("home/Data/TreeTemp.tkdt"));
    panel.send(HINT_TOKEN, Tokens::Scan);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.takeFirst().contains("was not added"));
    EXPECT_EQ(view->topLevelItemCount(), 3);
    EXPECT_EQ(view->Catalog()->m_pFiles->size(), 3);
    EXPECT_EQ(discsIn("Data/Data.dat").size(), 3);
    EXPECT_EQ(bytes("Data/Tree.tkdt"), tree);

    files.log.clear();
    panel.send(HINT_TOKEN, Tokens::Scan);
    expectNoMessages();
    EXPECT_EQ(lastNumber, 10);
    EXPECT_EQ(scanHome, homeDir());
    const CDiscList saved = discsIn("Data/Data.dat");
    ASSERT_EQ(saved.size(), 4);
    const CDisc &d = saved[0];
    EXPECT_EQ(
        QStringList({d.m_strNumber, d.m_strName, d.m_strDrive, d.m_strLocation, d.m_strSavedDate}),
        QStringList({"11", "Unbennant", "SR0:\\", "home",
                     QLocale(QLocale::English).toString(QDate::currentDate(), u"MMMM dd, yyyy")}));
    EXPECT_TRUE(bytes("Data/Tree.tkdt").endsWith("7 a\r\n11 Untitled\r\n\tmusic\r\n"));
    expectBackupMatchesData();
    EXPECT_EQ(view->currentItem(), view->topLevelItem(3));
    EXPECT_EQ(view->Catalog()->m_strLastEntry, "11");
    EXPECT_TRUE(files.log.contains("0:Refresh"));
}

// A lost or damaged tree file: the user is told, the tree comes back whole from the backup
// (or, without one, from the records), and it stays whole after the close and a restart.
// The store's tests tell the kinds of damage apart; here one of each way back is enough.
TEST_F(DiscTree, DamagedTreeFileIsMendedAndStaysMended)
{
    const QByteArray noise = QByteArray::fromHex("00ff13a7e2c4017f9d0a0909bb8081") + "\r\n";
    const struct
    {
        const char *damage;
        bool backup;
        const char *told;
    } cases[] = {{"delete", true, "from the backup"},
                 {"noise", true, "from the backup"},
                 {"delete", false, "rebuilt"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.damage) + (c.backup ? "" : ", no backup"));
        view.reset(); // its closing save would mend the damage before the start sees it
        writeSample();
        const QByteArray whole = bytes("Data/Tree.tkdt");
        if (c.backup)
            writeSample("DataBackUp");
        else
            QDir(backupDir()).removeRecursively();
        const QString tree = home.file("home/Data/Tree.tkdt");
        if (c.damage == std::string("delete"))
            QFile::remove(tree);
        else
            home.write("home/Data/Tree.tkdt", noise);
        prompter.messages.clear();
        reload();
        ASSERT_EQ(prompter.messages.size(), 1);
        EXPECT_TRUE(prompter.messages[0].contains(c.told)) << prompter.messages[0].toStdString();
        ASSERT_EQ(view->topLevelItemCount(), 2);
        EXPECT_EQ(view->currentItem(), view->topLevelItem(0));
        // Mended at once on disk, the backup too; without a backup the discs come back in
        // the order they were added (the list holds the newest first), with the folders of
        // their files.
        EXPECT_EQ(bytes("Data/Tree.tkdt"),
                  c.backup ? whole : QByteArray("3 Data\\\r\n\tx\r\n7 A B\r\n\tx\r\n\t\ty\r\n"));
        EXPECT_EQ(bytes("DataBackUp/Tree.tkdt"), bytes("Data/Tree.tkdt"));
        const QByteArray mended = bytes("Data/Tree.tkdt");
        view.reset();
        reload();
        EXPECT_EQ(prompter.messages.size(), 1);
        EXPECT_EQ(view->TreeText(), mended);
        EXPECT_EQ(view->Catalog()->m_pDiscs->size(), 2);
        EXPECT_EQ(view->Catalog()->m_pFiles->size(), 2);
    }
}

// A friend's folder, sound or broken in one way. None may crash; a failure leaves the home
// catalogue as it was on screen, in memory and on disk, with every flag back home; a sound
// one is shown read-only (its tree mended to fit its records, if need be) and nothing is
// written, not even at the close.
TEST_F(DiscTree, FriendsCatalogueIsReadOnlyAndAFailureLeavesHomeAsItWas)
{
    writeSample();
    writeSample("DataBackUp");
    load();
    const QByteArray homeTree = view->TreeText();
    const CFileList homeFiles = *view->Catalog()->m_pFiles;
    const auto homeOnDisk = FilesUnder(home.file("home"));
    QByteArray deep;
    for (int depth = 0; depth <= 4100; ++depth)
        deep += QByteArray(depth, '\t') + "f\r\n";
    const QByteArray discs = WriteDiscList({MakeDisc("20", "Jazz")});
    const QByteArray soundTree = WriteTreeText({{0, "20 Jazz"}, {1, "solo"}, {0, "21 Blues"}});
    const QString folder = QDir::toNativeSeparators(friendDir());
    struct Case
    {
        QString file; // replaced in a sound folder ("-" removes it); empty: no folder given
        QByteArray bytes;
        int loads; // 0 no, 1 yes, 2 either (a kept fuzz input may be a sound file)
        QString message; // how the first message starts
    };
    QList<Case> cases = {
        {"Cat.dat", WriteStringList({"Swing"}), 1, ""},
        {"FriendDataBackUp", "a file", 1, "The friend's folder cannot take the safety copy"},
        {"TreeTemp.tkdt", "-", 0, "File " + folder + "TreeTemp.tkdt not found"},
        {"", {}, 0, "File Data.dat not found"},
        {"Data.dat", discs.left(discs.size() - 3), 0, ""},
        {"Data.dat", WriteFileList({MakeFile("20", "sr0:\\", "a")}), 0, ""}, // another class
        {"Data.dat", QByteArray("\xff\xff\xff\xff\xff\x7f", 6) + discs.mid(2), 0, ""},
        {"Data.dat", "", 0, ""},
        {"Data.dat", "|fifo", 0, "The friend's file"},
        {"FileData.dat", "|huge", 0, "The friend's file"},
        {"Tree.tkdt", QByteArray(100'000, 'A'), 0, "The friend's file"}, // one endless line
        {"Tree.tkdt", deep, 0, "The friend's file"},
        // A tree that does not fit the records is shown mended, and written nowhere.
        {"Tree.tkdt", WriteTreeText({{0, "20 Jazz"}, {0, "99 Ghost"}}), 1,
         "The friend's disc tree file"},
    };
    const QDir corpus(QStringLiteral(TAVIKON_STORE_DATA "/fuzz"));
    const QMap<QString, QString> slot = {{"discs", "Data.dat"},
                                         {"files", "FileData.dat"},
                                         {"categories", "Cat.dat"},
                                         {"treetext", "Tree.tkdt"}};
    for (const QString &name : corpus.entryList(QDir::Files)) {
        QFile input(corpus.filePath(name));
        ASSERT_TRUE(input.open(QIODevice::ReadOnly));
        cases.append({slot.value(name.section(u'-', 0, 0)), input.readAll(), 2, ""});
    }
    for (const Case &c : cases) {
        SCOPED_TRACE((c.file + " " + c.message).toStdString());
        QDir(home.file("friend")).removeRecursively();
        writeFriend();
        const QString target = home.file("friend/" + c.file);
        if (c.bytes == "-") {
            QFile::remove(target);
        } else if (c.bytes == "|fifo") {
            ASSERT_TRUE(QFile::remove(target)
                        && ::mkfifo(QFile::encodeName(target).constData(), 0600) == 0);
        } else if (c.bytes == "|huge") {
            QFile(target).resize(FriendCatalog::kMaxFileSize + 1);
        } else if (!c.file.isEmpty()) {
            home.write("friend/" + c.file, c.bytes);
        }
        loadFriend(c.file.isEmpty() ? QString() : friendDir());
        EXPECT_TRUE(c.loads == 2 || view->m_bFriendLoaded == c.loads);
        EXPECT_TRUE(c.message.isEmpty() || prompter.messages.value(0).startsWith(c.message))
            << prompter.messages.value(0).toStdString();
        if (view->m_bFriendLoaded == 1) {
            EXPECT_TRUE(view->Store().IsReadOnly());
            panel.send(HINT_TOKEN, Tokens::Scan); // refused: the scan would write into it
            EXPECT_TRUE(prompter.dialogs.isEmpty());
            EXPECT_TRUE(c.loads == 2 || view->TreeText() == soundTree);
            panel.send(HINT_HOME_DATA, Tokens::HomeData);
        } else {
            EXPECT_FALSE(prompter.messages.isEmpty());
            EXPECT_EQ(theAppFlags().m_bHomeDatabase + theAppFlags().m_bEditAllowed, 2);
            EXPECT_TRUE(panel.log.contains("500:EnableTrue"));
            EXPECT_EQ(panel.log.count("600:catalog"), 1);
        }
        if (!c.file.isEmpty() && !c.bytes.startsWith('|') && c.bytes != "-") {
            EXPECT_EQ(home.read("friend/" + c.file), c.bytes);
        }
        const qsizetype copies
            = QDir(home.file("friend/FriendDataBackUp")).entryList(QDir::Files).size();
        EXPECT_TRUE(c.bytes != "-" || copies == 3); // the copies before the missing file stay
        EXPECT_EQ(view->TreeText(), homeTree);
        EXPECT_EQ(*view->Catalog()->m_pFiles, homeFiles);
        EXPECT_EQ(view->Catalog()->m_strHomeDir, homeDir());
        EXPECT_EQ(FilesUnder(home.file("home")), homeOnDisk);
    }
    // A sound folder gets a copy of all five files.
    QDir(home.file("friend")).removeRecursively();
    writeFriend();
    loadFriend(friendDir());
    for (const QString &name : FRIEND_FILES)
        EXPECT_EQ(home.read("friend/FriendDataBackUp/" + name), home.read("friend/" + name));
    const auto friendOnDisk = FilesUnder(home.file("friend"));
    (*view->Catalog()->m_pDiscs)[0].m_strArtist = "Changed"; // would show in any save
    view.reset();
    EXPECT_EQ(FilesUnder(home.file("home")), homeOnDisk);
    EXPECT_EQ(FilesUnder(home.file("friend")), friendOnDisk);
}

TEST(DiscTreeAlone, NothingIsWrittenWithoutACatalogue)
{
    TestHome home;
    FakePrompter prompter;
    {
        CLeftView view;
    }
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_FALSE(QFile::exists("Data"));
}

} // namespace
