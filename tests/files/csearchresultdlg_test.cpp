#include "chrome/sortheader.h"
#include "files/csearchresultdlg.h"
#include "files/searchresultmodel.h"
#include "store/ccatalog.h"
#include "support/fakeprompter.h"
#include "support/records.h"
#include "support/tempdir.h"
#include "support/widgets.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

CFileData file(const char *number, const char *name, qint64 size, QStringList categories = {})
{
    return MakeFile(number, "sr0:\\music\\live\\", name, QString::number(size), categories);
}

class SearchWindowTest : public ::testing::Test
{
protected:
    SearchWindowTest()
    {
        *catalog.m_pFiles
            = {file("2", "Song.mp3", 3000, {"Live", "Music"}), file("10", "mp3list.txt", 900),
               file("1", "Intro.MP3", 5'000'000'000, {"Music"}),
               file("1", "cover.jpg", 20, {"Music", "Live", "Photos"}), file("3", "README", 7)};
        CDisc a, b;
        std::tie(a.m_strNumber, a.m_strName, a.m_strLocation) = std::tuple("2", "Mp3 Mix", "home");
        std::tie(b.m_strNumber, b.m_strName, b.m_strLocation) = std::tuple("1", "MP3 Live", "Ann");
        b.m_lstCategories = {"Music"};
        *catalog.m_pDiscs = {a, b};
    }

    // A window as the disc tree opens it, with menus answered by `menuChoice`.
    CSearchResultDlg *open(const QStringList &request, const QStringList &categories = {})
    {
        auto *dlg = new CSearchResultDlg;
        dlg->SetMenuRunner(
            [this](QMenu &menu, const QPoint &) { return Choose(menu, menuChoice); });
        dlg->SetGoToDisc([this](const QString &number, const QString &folder) {
            wentTo << number + u'|' + folder;
        });
        dlg->Start(&catalog, request, categories);
        dlg->show();
        testers.push_back(std::make_unique<QAbstractItemModelTester>(
            dlg->Model(), QAbstractItemModelTester::FailureReportingMode::Fatal));
        return dlg;
    }

    static QStringList column(const CSearchResultDlg *dlg, int c) { return Texts(dlg->Model(), c); }
    static QString count(const CSearchResultDlg *dlg)
    {
        return dlg->findChild<QLabel *>(QStringLiteral("CountText"))->text();
    }
    static void clickHeader(CSearchResultDlg *dlg, int section)
    {
        QHeaderView *h = dlg->ResultList()->header();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(section) + 5, h->height() / 2));
    }
    static void selectRows(CSearchResultDlg *dlg, std::initializer_list<int> rows)
    {
        dlg->ResultList()->selectionModel()->clearSelection();
        for (int r : rows)
            dlg->ResultList()->selectionModel()->select(
                dlg->Model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void menu(QWidget *list, const QString &choice)
    {
        menuChoice = choice;
        RightClick(list);
    }
    static void search(CSearchResultDlg *dlg, const QString &pattern)
    {
        auto *edit = dlg->findChild<QLineEdit *>(QStringLiteral("PatternEdit"));
        edit->selectAll();
        QTest::keyClicks(edit, pattern);
        if (pattern.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Return); // "Search" is the default button
    }

    FakePrompter prompter;
    CCatalog catalog;
    QString menuChoice;
    QStringList wentTo;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
};

TEST_F(SearchWindowTest, FileSearchShowsSortsTrimsAndGoesToTheDisc)
{
    QPointer<CSearchResultDlg> dlg = open({"MP3", "files", "all"});
    // Case ignored, extension included, rows in the order of the file list.
    EXPECT_EQ(column(dlg, 0), (QStringList {"Song", "mp3list", "Intro"}));
    EXPECT_EQ(column(dlg, 2), (QStringList {"2.93 KB", "900 B", "4.66 GB"}));
    EXPECT_EQ(column(dlg, 3), (QStringList {"MP3", "TXT", "MP3"}));
    EXPECT_EQ(column(dlg, 4).value(0), "sr0:\\music\\live\\");
    EXPECT_EQ(count(dlg), "3");
    EXPECT_EQ(dlg->windowTitle(), "MP3");

    // Each column sorts ascending at its first click, descending at the next; sizes go by
    // their byte count, numbers by their value.
    const std::pair<int, QStringList> clicks[] = {
        {0, {"Intro", "mp3list", "Song"}}, {1, {"Intro", "Song", "mp3list"}},
        {1, {"mp3list", "Song", "Intro"}}, {2, {"mp3list", "Song", "Intro"}},
        {2, {"Intro", "Song", "mp3list"}}, {3, {"Intro", "Song", "mp3list"}},
    };
    for (const auto &[section, names] : clicks) {
        clickHeader(dlg, section);
        EXPECT_EQ(column(dlg, 0), names) << section;
    }
    EXPECT_EQ(dlg->findChild<CSortHeader *>()->SortColumn(), 3);

    // "Go to CD" takes the first selected row and puts the window away.
    menu(dlg->ResultList()->viewport(), "Go to CD");
    EXPECT_TRUE(wentTo.isEmpty()); // nothing selected
    selectRows(dlg, {2, 1});
    menu(dlg->ResultList()->viewport(), "Go to CD");
    EXPECT_EQ(wentTo, (QStringList {"2|sr0:\\music\\live\\"}));
    EXPECT_TRUE(dlg->isMinimized());

    // A new pattern: three adjacent rows out of four, then Delete.
    search(dlg, "*.*");
    EXPECT_EQ(dlg->Request(), (QStringList {"*.*", "files", "all"}));
    EXPECT_EQ(count(dlg), "4");
    selectRows(dlg, {0, 1, 2});
    menu(dlg->ResultList()->viewport(), "Delete");
    EXPECT_EQ(column(dlg, 0), (QStringList {"cover"}));
    EXPECT_EQ(catalog.m_pFiles->size(), 5); // the catalogue keeps them
    search(dlg, "");
    EXPECT_EQ(prompter.messages, (QStringList {"Please, enter the name to search for."}));
    EXPECT_EQ(column(dlg, 0), (QStringList {"cover"}));

    dlg->findChild<QPushButton *>(QStringLiteral("OkButton"))->click();
    QTRY_VERIFY(dlg.isNull()); // freed once closed
}

TEST_F(SearchWindowTest, CategoryWindowsKeepTheirOwnCriteria)
{
    // Opened with Music and Live; the tree's selection list may change afterwards.
    QStringList selection = {"Live", "Music"};
    QPointer<CSearchResultDlg> both = open({"*", "files", "byCat"}, selection);
    QPointer<CSearchResultDlg> names = open({"mp3", "names", "all"});
    selection.clear();
    EXPECT_EQ(column(both, 0), (QStringList {"Song", "cover"}));
    auto *cats = both->findChild<QTreeWidget *>(QStringLiteral("CatList"));
    ASSERT_EQ(cats->topLevelItemCount(), 2);
    EXPECT_EQ(cats->topLevelItem(0)->text(0), "Music");

    // Disc names: newest disc at the bottom.
    EXPECT_EQ(column(names, 0), (QStringList {"MP3 Live", "Mp3 Mix"}));
    EXPECT_EQ(column(names, 2), (QStringList {"Ann", "home"}));

    // Without Live the next search asks only for Music; the last category stays.
    cats->topLevelItem(1)->setSelected(true);
    menu(cats->viewport(), "Delete");
    EXPECT_EQ(both->Categories(), (QStringList {"Music"}));
    search(both, "*");
    EXPECT_EQ(column(both, 0), (QStringList {"Song", "Intro", "cover"}));
    cats->topLevelItem(0)->setSelected(true);
    menu(cats->viewport(), "Delete");
    EXPECT_EQ(prompter.messages,
              (QStringList {"There must be at least one category in the list."}));

    // Closing one window leaves the other with its own request.
    both->findChild<QPushButton *>(QStringLiteral("CancelButton"))->click();
    QTRY_VERIFY(both.isNull());
    search(names, "mix");
    EXPECT_EQ(column(names, 0), (QStringList {"Mp3 Mix"}));
    // "Open" on a disc row goes to the disc.
    selectRows(names, {0});
    menu(names->ResultList()->viewport(), "Open");
    EXPECT_EQ(wentTo, (QStringList {"2|"}));
    delete names;
}

// "Open" on a file row opens the file of that row, folder included, though the disc holds
// one of the same name in its root; without the disc each pass asks for it.
TEST_F(SearchWindowTest, OpenOpensTheFileOfTheRow)
{
    TestHome home;
    ASSERT_TRUE(home.write("disc/Song.MP3", "") && home.write("disc/MUSIC/LIVE/Song.MP3", ""));
    qputenv("TAVIKON_CDROM_ROOTS", QFile::encodeName(home.file("disc")));
    const auto unset = qScopeGuard([] { qunsetenv("TAVIKON_CDROM_ROOTS"); });
    catalog.m_pFiles->prepend(file("2", "Song.mp3", 1));
    catalog.m_pFiles->first().m_strFolder = "sr0:\\";
    QPointer<CSearchResultDlg> dlg = open({"song.mp3", "files", "all"});
    ASSERT_EQ(dlg->Model()->rowCount(), 2);
    selectRows(dlg, {dlg->Model()->Folder(0) == "sr0:\\" ? 1 : 0});
    const QString insert = "Please, insert CD 2";
    const QString failed = "Failed to open the media file";
    const std::tuple<bool, bool, QStringList> passes[]
        = {{true, true, {}},
           {true, false, {failed, insert, failed, insert}},
           {false, true, {insert, insert}}};
    for (const auto &[inDrive, shellOpens, messages] : passes) {
        if (!inDrive)
            qunsetenv("TAVIKON_CDROM_ROOTS");
        prompter.openResult = shellOpens;
        prompter.opened.clear();
        menu(dlg->ResultList()->viewport(), "Open");
        EXPECT_EQ(prompter.messages, messages);
        EXPECT_EQ(prompter.opened.size(), inDrive ? 2 - shellOpens : 0);
        for (const QString &path : prompter.opened)
            EXPECT_EQ(path, home.file("disc/MUSIC/LIVE/Song.MP3")); // not the root's Song.MP3
        prompter.messages.clear();
    }
    delete dlg;
}

} // namespace
