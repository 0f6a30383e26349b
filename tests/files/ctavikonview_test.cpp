#include "chrome/sortheader.h"
#include "files/ctavikonview.h"
#include "files/filelistmodel.h"
#include "platform/appflags.h"
#include "platform/ctavikondoc.h"
#include "platform/hints.h"
#include "platform/tokens.h"
#include "resources/resource.h"
#include "support/fakeprompter.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A pane that records what reaches it and can broadcast like the real ones.
class StubView final : public CView
{
public:
    struct Note
    {
        int code;
        const Token *token;
        CCatalog *catalog;
        HintArg::Kind kind;
    };

    void OnUpdate(CView *, int lHint, const HintArg &hint) override
    {
        notes.push_back({lHint, hint.token(), hint.catalog(), hint.kind()});
    }
    QWidget *viewWidget() override { return &widget; }
    void send(int lHint, const HintArg &hint = {}) { UpdateAllViews(lHint, hint); }

    QWidget widget;
    std::vector<Note> notes;
};

CFileData file(const QString &disc, const QString &folder, const QString &name, const QString &size,
               const QString &drive = "e:\\")
{
    CFileData r;
    r.m_strDiscNumber = disc;
    r.m_strFolder = folder;
    r.m_strDrive = drive;
    r.m_strFileName = name;
    r.m_strSize = size;
    return r;
}

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
        files.SetMenuRunner([this](QMenu &menu, const QPoint &) -> QAction * {
            menuTexts.clear();
            for (QAction *a : menu.actions())
                menuTexts << a->text();
            for (QAction *a : menu.actions())
                if (a->text() == menuChoice)
                    return a;
            return nullptr;
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

    QStringList row(int r) const
    {
        const CFileListModel *m = files.FileModel();
        return {m->Text(r, 0), m->Text(r, 1), m->Text(r, 2)};
    }
    QStringList columnTexts(int c) const
    {
        QStringList texts;
        for (int r = 0; r < files.FileModel()->rowCount(); ++r)
            texts << files.FileModel()->Text(r, c);
        return texts;
    }
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
    void rightClick()
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                files.viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(files.viewport(), &event);
    }

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

TEST_F(FileListTest, ListsTheFolderWithSizeInMBAndLeavesTheRecordsAsStored)
{
    *catalog.m_pFiles = {
        file("12", "e:\\music\\live\\", "Song.MP3", "1048576"),
        file("12", "E:\\Music\\Live\\", "Intro.Flac", "1500"),
        file("12", "e:\\music\\", "Other.mp3", "10"),
        file("12", "e:\\music\\live\\", "README", "-1"), // old catalogue: 0xFFFFFFFF bytes
        file("12", "e:\\music\\live\\", "Notes.txt", "abc"),
    };
    const CFileList before = *catalog.m_pFiles;

    select("12", "12 Untitled\\Music\\Live");

    ASSERT_EQ(rows(), 4);
    EXPECT_EQ(row(0), (QStringList {"Notes", "0.000 MB", "TXT"}));
    EXPECT_EQ(row(1), (QStringList {"README", "4096.000 MB", "README"}));
    EXPECT_EQ(row(2), (QStringList {"Intro", "0.001 MB", "FLAC"}));
    EXPECT_EQ(row(3), (QStringList {"Song", "1.000 MB", "MP3"}));
    EXPECT_FALSE(files.model()
                     ->data(files.model()->index(3, 0), Qt::DecorationRole)
                     .value<QIcon>()
                     .isNull());
    EXPECT_EQ(files.model()->data(files.model()->index(3, 1), Qt::TextAlignmentRole).toInt()
                  & Qt::AlignRight,
              Qt::AlignRight);
    EXPECT_EQ(*catalog.m_pFiles, before);
    EXPECT_EQ(files.model()->headerData(0, Qt::Horizontal).toString(), "File Name");
    EXPECT_EQ(files.header()->sectionSize(0), 182);
    EXPECT_EQ(files.header()->sectionSize(1), 70);
    EXPECT_EQ(files.header()->sectionSize(2), 60);

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
}

TEST_F(FileListTest, ListsOnlyTheSelectedDiscAndItsRootForTheDiscItself)
{
    // Two discs scanned from the same drive with the same folders.
    *catalog.m_pFiles = {
        file("3", "e:\\", "first-root.txt", "1"),     file("3", "e:\\music\\", "first.mp3", "1"),
        file("4", "e:\\", "second-root.txt", "1"),    file("4", "e:\\music\\", "second.mp3", "1"),
        file("4", "e:\\music\\", "second2.mp3", "1"),
    };
    select("4", "4 Other\\Music");
    EXPECT_EQ(columnTexts(0), (QStringList {"second2", "second"}));
    select("3", "3 First");
    EXPECT_EQ(columnTexts(0), (QStringList {"first-root"}));
    select("5", "5 Missing");
    EXPECT_EQ(rows(), 0);
}

TEST_F(FileListTest, ShowNamesListsTheGivenNamesLastOnTop)
{
    *catalog.m_pFiles = {file("1", "e:\\", "a.txt", "1")};
    select("1", "1 Disc");
    const QStringList names = {"one.mp3", "two.avi", "three"};
    commands.send(HINT_SHOW_NAMES, names);
    EXPECT_EQ(columnTexts(0), (QStringList {"three", "two.avi", "one.mp3"}));
    EXPECT_EQ(columnTexts(1), (QStringList {"", "", ""}));
    commands.send(HINT_SHOW_NAMES, QStringList());
    EXPECT_EQ(rows(), 0);
}

TEST_F(FileListTest, HeaderClicksSortEachColumnWithItsOwnDirection)
{
    *catalog.m_pFiles = {
        file("1", "e:\\", "cherry.TXT", "10485760"), // 10.000 MB
        file("1", "e:\\", "Banana.avi", "9437184"), //  9.000 MB
        file("1", "e:\\", "apple.Mp3", "104857600"), // 100.000 MB
    };
    select("1", "1 Disc");
    ASSERT_EQ(rows(), 3);
    ASSERT_TRUE(exposed);
    const QPersistentModelIndex banana = files.model()->index(1, 0);
    selectRow(1);

    clickHeader(1);
    EXPECT_EQ(columnTexts(1), (QStringList {"9.000 MB", "10.000 MB", "100.000 MB"}));
    EXPECT_EQ(files.SortHeader()->SortColumn(), 1);
    EXPECT_TRUE(files.SortHeader()->SortAscending());
    clickHeader(1);
    EXPECT_EQ(columnTexts(1), (QStringList {"100.000 MB", "10.000 MB", "9.000 MB"}));
    EXPECT_FALSE(files.SortHeader()->SortAscending());
    // The selection moved with its row.
    EXPECT_EQ(banana.row(), 2);
    EXPECT_TRUE(files.selectionModel()->isRowSelected(2, {}));
    EXPECT_EQ(files.selectionModel()->selectedRows().size(), 1);

    // The other columns start ascending on their first click.
    clickHeader(0);
    EXPECT_EQ(columnTexts(0), (QStringList {"apple", "Banana", "cherry"}));
    clickHeader(0);
    EXPECT_EQ(columnTexts(0), (QStringList {"cherry", "Banana", "apple"}));
    clickHeader(2);
    EXPECT_EQ(columnTexts(2), (QStringList {"AVI", "MP3", "TXT"}));
    EXPECT_EQ(files.SortHeader()->SortColumn(), 2);
    clickHeader(2);
    EXPECT_EQ(columnTexts(2), (QStringList {"TXT", "MP3", "AVI"}));
    // Sorting shows rows, it does not touch the records.
    EXPECT_EQ(catalog.m_pFiles->at(0).m_strFileName, "cherry.TXT");
}

TEST_F(FileListTest, RightClickPutsTheSelectedNamesAtTheHeadAndShowsTheDataMenu)
{
    *catalog.m_pFiles = {file("1", "e:\\", "c.TXT", "1"), file("1", "e:\\", "Song.MP3", "1"),
                         file("1", "e:\\", "a.jpg", "1")};
    select("1", "1 Disc");
    ASSERT_EQ(columnTexts(0), (QStringList {"a", "Song", "c"}));
    catalog.m_lstSelection = {"Music"};
    selectRow(2);
    selectRow(0);

    rightClick();
    EXPECT_EQ(catalog.m_lstSelection, (QStringList {"c.txt", "a.jpg", "Music"}));
    EXPECT_EQ(menuTexts,
              (QStringList {"&Attach Selected Categories", "&View and Edit Attached Categories",
                            QString(), "Open File", "CD Info"}));

    // The list is never emptied here: the next right click adds to it.
    files.selectionModel()->clearSelection();
    selectRow(1);
    menuChoice = "CD Info";
    rightClick();
    EXPECT_EQ(catalog.m_lstSelection, (QStringList {"Song.mp3", "c.txt", "a.jpg", "Music"}));
    ASSERT_FALSE(commands.notes.empty());
    EXPECT_EQ(commands.notes.back().code, HINT_PANEL_COMMAND);
    EXPECT_EQ(commands.notes.back().token, &Tokens::OnOptions);

    menuChoice = "&Attach Selected Categories";
    rightClick();
    ASSERT_FALSE(cats.notes.empty());
    EXPECT_EQ(cats.notes.back().code, HINT_ATTACH_CATEGORIES);
    EXPECT_EQ(cats.notes.back().catalog, &catalog);

    // While a friend's catalogue is shown the categories stay as they are.
    theAppFlags().m_bEditAllowed = 0;
    const size_t before = cats.notes.size();
    rightClick();
    EXPECT_EQ(cats.notes.size(), before);
    EXPECT_EQ(prompter.messages, (QStringList {"Unautorised Action!!!"}));
}

TEST_F(FileListTest, ViewModesSwitchIconSizeAndTheSharedFlag)
{
    *catalog.m_pFiles = {file("1", "e:\\", "a.txt", "1")};
    select("1", "1 Disc");
    const int smallRow = files.sizeHintForRow(0);

    commands.send(HINT_VIEW_MODE, Tokens::OnViewLargeicons);
    EXPECT_EQ(theAppFlags().m_bSmallIcons, 0);
    EXPECT_EQ(files.iconSize(), QSize(32, 32));
    EXPECT_GE(files.sizeHintForRow(0), 32);
    EXPECT_GT(files.sizeHintForRow(0), smallRow);
    commands.send(HINT_VIEW_MODE, Tokens::OnViewSmallicons);
    EXPECT_EQ(theAppFlags().m_bSmallIcons, 1);
    EXPECT_EQ(files.iconSize(), QSize(16, 16));
    // A view-mode notification with another token changes nothing.
    commands.send(HINT_VIEW_MODE, Tokens::Refresh);
    EXPECT_EQ(theAppFlags().m_bSmallIcons, 1);

    EXPECT_TRUE(files.OnCommand(ID_VIEW_LARGEICONS));
    EXPECT_EQ(theAppFlags().m_bSmallIcons, 0);

    // The list is a control people reach by keyboard and screen readers name.
    EXPECT_FALSE(files.accessibleName().isEmpty());
    EXPECT_TRUE(files.focusPolicy() & Qt::TabFocus);
    theAppFlags().m_bEditAllowed = 0;
    files.OnInitialUpdate();
    EXPECT_EQ(theAppFlags().m_bEditAllowed, 1);
}

TEST_F(FileListTest, MenuCommandsAreForwardedToTheCommandPanel)
{
    left.send(HINT_SELECTION, &catalog);
    struct Forward
    {
        int id;
        int code;
        const Token *token;
    };
    // The pane's own CD Info item and a sample of the shared table.
    const Forward table[] = {
        {ID_DATA_CDINFO, HINT_PANEL_COMMAND, &Tokens::OnOptions},
        {ID_SEARCH_FILESEARCH, HINT_PANEL_COMMAND, &Tokens::OnSearchFilesearch},
        {ID_ACCEL_LOADFRIEND, HINT_FRIEND_REQUEST, nullptr},
    };
    for (const Forward &f : table) {
        commands.notes.clear();
        EXPECT_TRUE(files.OnCommand(f.id)) << f.id;
        ASSERT_EQ(commands.notes.size(), 1u) << f.id;
        EXPECT_EQ(commands.notes[0].code, f.code) << f.id;
        if (f.token)
            EXPECT_EQ(commands.notes[0].token, f.token) << f.id;
        else
            EXPECT_EQ(commands.notes[0].catalog, &catalog) << f.id;
    }
    // Opening a file stays in the pane; commands of other panes are not ours.
    commands.notes.clear();
    EXPECT_TRUE(files.OnCommand(ID_DATA_OPENFILE));
    EXPECT_TRUE(files.OnCommand(ID_ACCEL_CTRLENTER));
    EXPECT_TRUE(commands.notes.empty());
    EXPECT_FALSE(files.OnCommand(ID_APP_ABOUT));
    EXPECT_FALSE(files.OnCommand(ID_ACCEL_SAVEDATA));
}

} // namespace
