#include "categories/cattachedcatdlg.h"
#include "chrome/sortheader.h"
#include "chrome/sortlistctrl.h"
#include "files/ctavikonview.h"
#include "files/filelistmodel.h"
#include "platform/appflags.h"
#include "platform/ctavikondoc.h"
#include "platform/hints.h"
#include "platform/tokens.h"
#include "resources/resource.h"
#include "store/archive.h"
#include "support/fakeprompter.h"
#include "support/records.h"
#include "support/stubview.h"
#include "support/tempdir.h"
#include "support/widgets.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QScopeGuard>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The real file list between stub panes, in the splitter's order.
class FileListTest : public ::testing::Test
{
protected:
    FileListTest()
    {
        theAppFlags().reset();
        doc.AddView(&commands);
        doc.AddView(&left);
        doc.AddView(&files);
        doc.AddView(&cats);
        doc.InitialUpdateAll();
        files.resize(400, 300);
        files.show();
        exposed = QTest::qWaitForWindowExposed(&files);
        files.SetMenuRunner([this](QMenu &menu, const QPoint &) {
            menuTexts.clear();
            for (QAction *a : menu.actions())
                menuTexts << a->text();
            return Choose(menu, menuChoice);
        });
    }

    // What the disc tree does on every selection change.
    void select(const QString &number, const QString &key)
    {
        catalog.m_strCurNumber = number;
        catalog.m_strFolderKey = key;
        left.send(HINT_SELECTION, &catalog);
        left.send(HINT_TOKEN, Tokens::Refresh);
    }

    QStringList columnTexts(int c) const { return Texts(files.model(), c); }
    int rows() const { return files.FileModel()->rowCount(); }

    void clickHeader(int section)
    {
        QHeaderView *h = files.header();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(section) + h->sectionSize(section) / 2,
                                 h->height() / 2));
    }
    void selectRow(int r)
    {
        files.selectionModel()->select(files.model()->index(r, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void rightClick() { RightClick(files.viewport()); }

    FakePrompter prompter;
    CTavikonDoc doc;
    StubView commands, left, cats;
    CTavikonView files;
    // Checks every reset, sort and row change the tests cause.
    QAbstractItemModelTester modelTester {files.model(),
                                          QAbstractItemModelTester::FailureReportingMode::Fatal};
    CCatalog catalog;
    QStringList menuTexts;
    QString menuChoice;
    bool exposed = false;
};

TEST_F(FileListTest, ListsTheFolderOfTheSelectedDiscSortedWithReadableSizesOrTheGivenNames)
{
    *catalog.m_pFiles = {
        MakeFile("12", "e:\\music\\live\\", "Song.MP3", "1048576"),
        MakeFile("12", "E:\\Music\\Live\\", "Intro.Flac", "1500"),
        MakeFile("12", "e:\\music\\", "Other.mp3", "10"),
        MakeFile("12", "e:\\music\\live\\", "README", "-1"), // old catalogue: 0xFFFFFFFF bytes
        MakeFile("12", "e:\\music\\live\\", "Notes.txt", "abc"),
        // A leading dot belongs to the name: no type.
        MakeFile("12", "e:\\music\\live\\", ".bashrc", "1"),
        MakeFile("12", "e:\\music\\live\\", "a.tar.gz", "2"),
    };
    const CFileList before = *catalog.m_pFiles;

    select("12", "12 Untitled\\Music\\Live");

    // In the order the arrow shows from the start: names ascending.
    EXPECT_EQ(files.SortHeader()->SortColumn(), 0);
    EXPECT_TRUE(files.SortHeader()->SortAscending());
    EXPECT_EQ(columnTexts(0),
              (QStringList {".bashrc", "a.tar", "Intro", "Notes", "README", "Song"}));
    EXPECT_EQ(columnTexts(1), (QStringList {"1 B", "2 B", "1.46 KB", "0 B", "4 GB", "1 MB"}));
    EXPECT_EQ(columnTexts(2), (QStringList {"", "GZ", "FLAC", "TXT", "README", "MP3"}));
    EXPECT_FALSE(files.model()
                     ->data(files.model()->index(5, 0), Qt::DecorationRole)
                     .value<QIcon>()
                     .isNull());
    EXPECT_EQ(*catalog.m_pFiles, before);

    // With no folder selected a refresh empties the list, and so does a deleted disc.
    select("12", QString());
    EXPECT_EQ(rows(), 0);
    select("12", "12 Untitled\\Music\\Live");
    left.send(HINT_CLEAR_FILES, &catalog);
    EXPECT_EQ(rows(), 0);
    // A refresh broadcast before any catalogue arrived does nothing.
    CTavikonView fresh;
    fresh.OnUpdate(nullptr, HINT_TOKEN, Tokens::Refresh);
    EXPECT_EQ(fresh.FileModel()->rowCount(), 0);

    // Only the selected disc's files: two discs scanned from the same drive with the same
    // folders.
    *catalog.m_pFiles = {
        MakeFile("3", "e:\\", "first-root.txt", "1"),
        MakeFile("3", "e:\\music\\", "first.mp3", "1"),
        MakeFile("4", "e:\\", "second-root.txt", "1"),
        MakeFile("4", "e:\\music\\", "second.mp3", "1"),
        MakeFile("4", "e:\\music\\", "second2.mp3", "1"),
    };
    select("4", "4 Other\\Music");
    EXPECT_EQ(columnTexts(0), (QStringList {"second", "second2"}));
    select("3", "3 First");
    EXPECT_EQ(columnTexts(0), (QStringList {"first-root"}));
    select("5", "5 Missing");
    EXPECT_EQ(rows(), 0);

    // Names from a search replace the listing, the last one on top.
    const QStringList names = {"one.mp3", "two.avi", "three"};
    commands.send(HINT_SHOW_NAMES, names);
    EXPECT_EQ(columnTexts(0), (QStringList {"one.mp3", "three", "two.avi"}));
    EXPECT_EQ(columnTexts(1), (QStringList {"", "", ""}));
    commands.send(HINT_SHOW_NAMES, QStringList());
    EXPECT_EQ(rows(), 0);
}

TEST_F(FileListTest, HeaderClicksSortAscendingFirstThenTurnAndSizesSortOnTheByteCount)
{
    *catalog.m_pFiles = {
        MakeFile("1", "e:\\", "cherry.TXT", "10485760"),
        MakeFile("1", "e:\\", "Banana.avi", "921600"),
        MakeFile("1", "e:\\", "apple.Mp3", "104857600"),
    };
    select("1", "1 Disc");
    ASSERT_EQ(rows(), 3);
    ASSERT_TRUE(exposed);
    const QPersistentModelIndex banana = files.model()->index(1, 0);
    selectRow(1);

    // A new column starts ascending, the marked one turns; the name column is marked from
    // the start. Sizes go by bytes: the text would put "900 KB" last.
    const std::pair<int, QStringList> clicks[]
        = {{0, {"cherry", "Banana", "apple"}}, {1, {"900 KB", "10 MB", "100 MB"}},
           {1, {"100 MB", "10 MB", "900 KB"}}, {2, {"AVI", "MP3", "TXT"}},
           {2, {"TXT", "MP3", "AVI"}},         {0, {"apple", "Banana", "cherry"}}};
    for (int i = 0; i < 6; ++i) {
        clickHeader(clicks[i].first);
        EXPECT_EQ(columnTexts(clicks[i].first), clicks[i].second) << i;
        EXPECT_EQ(files.SortHeader()->SortColumn(), clicks[i].first);
        EXPECT_EQ(files.SortHeader()->SortAscending(), i % 2 == 1) << i;
        if (i == 2) { // the selection moved with its row
            EXPECT_EQ(banana.row(), 2);
            EXPECT_EQ(files.selectionModel()->selectedRows(), QModelIndexList {banana});
        }
    }
    // A new listing keeps the order the arrow shows.
    clickHeader(1);
    select("1", "1 Disc");
    EXPECT_EQ(columnTexts(1), (QStringList {"900 KB", "10 MB", "100 MB"}));
    // Sorting shows rows, it does not touch the records.
    EXPECT_EQ(catalog.m_pFiles->at(0).m_strFileName, "cherry.TXT");
}

TEST_F(FileListTest, RightClickSelectsExactlyTheFilesSelectedNowAndShowsTheDataMenuAndViewModes)
{
    *catalog.m_pFiles
        = {MakeFile("1", "e:\\", "c.TXT", "1"), MakeFile("1", "e:\\", "Song.MP3", "1"),
           MakeFile("1", "e:\\", "a.jpg", "1"), MakeFile("1", "e:\\", "README", "1")};
    select("1", "1 Disc");
    ASSERT_EQ(columnTexts(0), (QStringList {"a", "c", "README", "Song"}));
    catalog.m_lstSelection = {"Music"}; // left by a search
    selectRow(2);
    selectRow(0);

    // The stored names, the last selected row first; nothing of before stays.
    rightClick();
    EXPECT_EQ(catalog.m_lstSelection, (QStringList {"README", "a.jpg"}));
    EXPECT_EQ(menuTexts,
              (QStringList {"&Attach Selected Categories", "&View and Edit Attached Categories",
                            QString(), "Open File", "CD Info"}));

    files.selectionModel()->clearSelection();
    selectRow(3);
    menuChoice = "CD Info";
    rightClick();
    EXPECT_EQ(catalog.m_lstSelection, (QStringList {"Song.MP3"}));
    EXPECT_EQ(commands.log.last(), "56:OnOptions");

    menuChoice = "&Attach Selected Categories";
    cats.log.clear();
    rightClick();
    EXPECT_EQ(cats.take(), QStringList {"12:catalog"});

    // While a friend's catalogue is shown the categories stay as they are.
    theAppFlags().m_bEditAllowed = 0;
    rightClick();
    EXPECT_TRUE(cats.log.isEmpty());
    EXPECT_EQ(prompter.messages, (QStringList {"Unautorised Action!!!"}));

    // The view modes, and a friend's catalogue ends with the next start.
    files.selectionModel()->clearSelection(); // nothing for Open File below
    const int smallRow = files.sizeHintForRow(0);

    commands.send(HINT_VIEW_MODE, Tokens::OnViewLargeicons);
    EXPECT_EQ(theAppFlags().m_bSmallIcons, 0);
    EXPECT_EQ(files.iconSize(), QSize(32, 32));
    EXPECT_GT(files.sizeHintForRow(0), smallRow);
    commands.send(HINT_VIEW_MODE, Tokens::OnViewSmallicons);
    EXPECT_EQ(theAppFlags().m_bSmallIcons, 1);
    EXPECT_EQ(files.iconSize(), QSize(16, 16));
    commands.send(HINT_VIEW_MODE, Tokens::Refresh); // another token changes nothing
    EXPECT_EQ(theAppFlags().m_bSmallIcons, 1);
    EXPECT_TRUE(files.OnCommand(ID_VIEW_LARGEICONS));
    EXPECT_EQ(theAppFlags().m_bSmallIcons, 0);
    files.OnInitialUpdate();
    EXPECT_EQ(theAppFlags().m_bEditAllowed, 1);

    // The pane's own CD Info item and one of the shared table (the table is tested once).
    commands.log.clear();
    EXPECT_TRUE(files.OnCommand(ID_DATA_CDINFO));
    EXPECT_TRUE(files.OnCommand(ID_ACCEL_LOADFRIEND));
    EXPECT_EQ(commands.take(), (QStringList {"56:OnOptions", "300:catalog"}));
    // Opening a file stays in the pane; commands of other panes are not ours.
    EXPECT_TRUE(files.OnCommand(ID_DATA_OPENFILE));
    EXPECT_TRUE(files.OnCommand(ID_ACCEL_CTRLENTER));
    EXPECT_TRUE(commands.log.isEmpty());
    EXPECT_FALSE(files.OnCommand(ID_ACCEL_SAVEDATA));
}

TEST_F(FileListTest, AttachedCategoriesOfOneFileAreShownAndTakenOffWithoutRewritingNames)
{
    CFileData song = MakeFile("1", "e:\\music\\", "Song.MP3", "1");
    song.m_lstCategories = {"Live", "Music"};
    CFileData other = MakeFile("1", "e:\\", "song.mp3", "1"); // same name, another folder
    other.m_lstCategories = {"Rock"};
    *catalog.m_pFiles = {other, song};
    select("1", "1 Disc\\Music");

    EXPECT_TRUE(files.OnCommand(ID_DATA_VIEWCATEGORIES));
    EXPECT_EQ(prompter.messages,
              (QStringList {"You should select only one category to use this function!"}));

    QStringList shown;
    prompter.onDialog([&](QDialog &d) {
        auto *dlg = qobject_cast<CAttachedCatDlg *>(&d);
        if (!dlg)
            return int(QDialog::Rejected);
        shown = Texts(dlg->List());
        dlg->List()->topLevelItem(1)->setSelected(true); // "Live"
        theAppFlags().m_bEditAllowed = 0; // a friend's catalogue: looking is allowed
        dlg->OnDetach();
        theAppFlags().m_bEditAllowed = 1;
        dlg->SetMenuRunner([](QMenu &menu, const QPoint &) { return menu.actions().value(0); });
        RightClick(dlg->List()->viewport());
        shown << Texts(dlg->List());
        return int(QDialog::Accepted);
    });
    selectRow(0);
    files.OnCommand(ID_DATA_VIEWCATEGORIES);
    EXPECT_EQ(prompter.dialogs.value(0), "CAttachedCatDlg");
    EXPECT_EQ(shown, (QStringList {"Music", "Live", "Music"}));
    EXPECT_EQ(prompter.messages.value(1), "Unautorised Action!!!");
    EXPECT_EQ(catalog.m_pFiles->at(1).m_lstCategories, QStringList {"Music"});
    // The records keep their names and folders exactly as stored.
    other.m_lstCategories = {"Rock"};
    song.m_lstCategories = {"Music"};
    EXPECT_EQ(*catalog.m_pFiles, (CFileList {other, song}));
}

// Opening: a disc copied to a folder drive, a second drive that appears while the insert
// prompt is shown, and a record that tries to leave its disc. Windows-made records (drive
// e:, folders in lower case) on discs with upper-case names.
TEST_F(FileListTest, OpensTheRowsFileFromWhicheverDriveHoldsItsDisc)
{
    TestHome home;
    ASSERT_TRUE(home.write("drive/MUSIC/Live/Song.MP3", "x") && home.write("drive/ROOT.TXT", "x")
                && home.write("outside.txt", "x") && home.write("drive/Notes", "x"));
    qputenv("TAVIKON_CDROM_ROOTS",
            QFile::encodeName(home.file("drive") + ':' + home.file("later")));
    const auto unset = qScopeGuard([] { qunsetenv("TAVIKON_CDROM_ROOTS"); });
    *catalog.m_pFiles = {
        MakeFile("12", "e:\\music\\live\\", "song.mp3", "1"),
        MakeFile("12", "e:\\", "Root.txt", "1"),
        MakeFile("12", "e:\\", "notes", "1"),
        MakeFile("12", "e:\\..\\", "outside.txt", "1"),
        MakeFile("30", "e:\\docs\\", "Late.txt", "1"),
    };
    const QByteArray records = WriteFileList(*catalog.m_pFiles);
    const QString refused = "The catalogue gives this file a path that could lead off its disc, "
                            "so it is not opened:\ne:\\..\\outside.txt";
    const QString ask12 = "Please, insert CD Number 12", ask30 = "Please, insert CD Number 30",
                  again = "CD was not found again.";
    struct Case
    {
        QString key, row; // the selection and the name column of the row
        int how; // 0 double-click, 1 "Open File", 2 Ctrl+Enter
        bool shellOpens;
        QString opened; // relative to the test home; empty: nothing
        QStringList messages;
    };
    const Case cases[] = {
        {"12 X\\Music\\Live", "song", 0, true, "drive/MUSIC/Live/Song.MP3", {}},
        {"12 X", "Root", 1, true, "drive/ROOT.TXT", {}},
        {"12 X", "notes", 2, true, "drive/Notes", {}},
        {"12 X\\..", "outside", 0, true, "", {refused}},
        {"12 X", "Root", 2, false, "drive/ROOT.TXT", {"Failed", ask12, "Failed", again}},
        {"30 Y\\Docs", "Late", 0, true, "", {ask30, again}},
        // Now the disc turns up while the prompt is shown.
        {"30 Y\\Docs", "Late", 1, true, "later/DOCS/late.TXT", {ask30}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row.toStdString());
        select(c.key.section(u' ', 0, 0), c.key);
        const auto found = files.FileModel()->match(files.FileModel()->index(0, 0), Qt::DisplayRole,
                                                    c.row, 1, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        files.selectionModel()->select(
            found[0], QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        prompter.messages.clear();
        prompter.opened.clear();
        prompter.openResult = c.shellOpens;
        prompter.onMessage = [&](const QString &) {
            if (c.opened.startsWith("later"))
                home.write(c.opened, "x");
        };
        if (c.how == 0) {
            const QPoint at = files.visualRect(found[0]).center();
            QTest::mouseClick(files.viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(files.viewport(), Qt::LeftButton, {}, at);
        } else if (c.how == 1) {
            menuChoice = "Open File";
            rightClick();
        } else {
            files.OnCommand(ID_ACCEL_CTRLENTER);
        }
        EXPECT_EQ(prompter.messages, c.messages);
        const QStringList opened
            = c.opened.isEmpty() ? QStringList() : QStringList {home.file(c.opened)};
        EXPECT_EQ(prompter.opened, c.shellOpens ? opened : opened + opened);
    }
    // The records keep their letter case, byte for byte.
    EXPECT_EQ(WriteFileList(*catalog.m_pFiles), records);

    // Odd names reach the desktop as paths of the real files; a name that is not UTF-8 on the
    // disc was catalogued with U+FFFD in place of its byte.
    const QStringList odd = {"a b.txt", "x#1.txt", "50%.txt", "why?.txt", "Ünï.txt", ".hidden"};
    const QByteArray badName = QFile::encodeName(home.file("drive/Odd/")) + "bad\xff.txt";
    // QDir cannot remove a name it cannot decode, so the test home would be left behind.
    const auto removeBad = qScopeGuard([&] { std::remove(badName.constData()); });
    catalog.m_pFiles->clear();
    for (const QString &name : odd + QStringList {"bad\uFFFD.txt"}) {
        catalog.m_pFiles->append(MakeFile("40", "e:\\odd\\", name, "1"));
        if (name.startsWith("bad")) {
            FILE *f = std::fopen(badName.constData(), "w");
            ASSERT_TRUE(f && std::fputs("bad", f) >= 0 && std::fclose(f) == 0);
        } else {
            ASSERT_TRUE(home.write("drive/Odd/" + name, name.toUtf8()));
        }
    }
    select("40", "40 Z\\Odd");
    prompter.messages.clear();
    prompter.opened.clear();
    prompter.openResult = true;
    for (int r = 0; r < rows(); ++r) {
        files.selectionModel()->select(files.model()->index(r, 0),
                                       QItemSelectionModel::ClearAndSelect
                                           | QItemSelectionModel::Rows);
        files.OnCommand(ID_ACCEL_CTRLENTER);
    }
    EXPECT_EQ(prompter.messages, QStringList());
    QStringList read;
    for (const QString &path : std::as_const(prompter.opened)) {
        QFile f(QUrl::fromLocalFile(path).toLocalFile());
        read << (f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : path);
    }
    read.sort();
    QStringList expected = odd + QStringList {"bad"};
    expected.sort();
    EXPECT_EQ(read, expected);
}

} // namespace
