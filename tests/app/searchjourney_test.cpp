// Categories and search through the real main window: tag a disc and two files, find them
// again by category in a search window, take one tag off again, restart, and find the
// catalogue files holding exactly the tags and, byte for byte, the names as they were.
#include "app/cmainframe.h"
#include "app/ctavikonapp.h"
#include "categories/cattachedcatdlg.h"
#include "categories/ccatview.h"
#include "chrome/sortlistctrl.h"
#include "commands/ccomandsview.h"
#include "discs/cleftview.h"
#include "files/csearchresultdlg.h"
#include "files/ctavikonview.h"
#include "files/searchresultmodel.h"
#include "resources/resource.h"
#include "store/archive.h"
#include "store/catalogstore.h"
#include "store/treetext.h"
#include "support/fakeprompter.h"
#include "support/records.h"
#include "support/tempdir.h"
#include "support/widgets.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Two discs; names with capitals and one beyond Windows-1252, which the archive writes wide.
CFileList writeHome(const QString &dir)
{
    CCatalog catalog;
    catalog.m_lstCategories = DEFAULT_CATEGORIES;
    catalog.m_lstCategories.prepend("Live");
    *catalog.m_pDiscs = {MakeDisc("2", "Photos"), MakeDisc("1", "Concert")};
    *catalog.m_pFiles = {MakeFile("1", "sr0:\\", "Booklet.PDF", "1000"),
                         MakeFile("1", "sr0:\\music\\live\\", "Song.MP3", "1000"),
                         MakeFile("1", "sr0:\\music\\live\\", "Intro.mp3", "1000"),
                         MakeFile("1", "sr0:\\music\\live\\", "Κύκλος.flac", "1000"),
                         MakeFile("2", "sr0:\\day1\\", "Song.MP3", "1000")};
    const QByteArray tree = WriteTreeText(
        {{0, "1 Concert"}, {1, "Music"}, {2, "Live"}, {0, "2 Photos"}, {1, "Day1"}});
    EXPECT_TRUE(SaveHome(dir, catalog, tree));
    return *catalog.m_pFiles;
}

// Selects the rows of the file list whose names are given and right-clicks them.
void rightClickFiles(CTavikonView *files, const QStringList &names, const QString &choice)
{
    files->clearSelection();
    for (int r = 0; r < files->model()->rowCount(); ++r)
        if (names.contains(files->model()->index(r, 0).data().toString()))
            files->selectionModel()->select(files->model()->index(r, 0),
                                            QItemSelectionModel::Select
                                                | QItemSelectionModel::Rows);
    files->SetMenuRunner([choice](QMenu &menu, const QPoint &) { return Choose(menu, choice); });
    RightClick(files->viewport());
}

QStringList names(const CSearchResultDlg *dlg)
{
    QStringList texts;
    for (int r = 0; r < dlg->Model()->rowCount(); ++r)
        texts << dlg->Model()->StoredName(r);
    return texts;
}

// File search by category from the command panel; the window the tree opened for it.
CSearchResultDlg *searchByCategory(CMainFrame *frame, const QStringList &categories)
{
    Pick(frame->CatView()->findChild<QTreeWidget *>(QStringLiteral("allList")), categories);
    CComandsView *panel = frame->CommandsView();
    auto *pattern = panel->findChild<QLineEdit *>(QStringLiteral("patternEdit"));
    pattern->selectAll();
    TypeInto(pattern, QStringLiteral("*"));
    QTest::mouseClick(panel->findChild<QRadioButton *>(QStringLiteral("byCategoryRadio")),
                      Qt::LeftButton);
    const auto before = frame->LeftView()->findChildren<CSearchResultDlg *>();
    ClickButton(panel, "fileSearchButton");
    for (CSearchResultDlg *dlg : frame->LeftView()->findChildren<CSearchResultDlg *>())
        if (!before.contains(dlg))
            return dlg;
    return nullptr;
}

TEST(SearchJourney, TagFindUntagRestartAndTheNamesStayByteForByte)
{
    TestHome home;
    FakePrompter prompter;
    const QString dir = home.file(QStringLiteral("catalogue")) + u'/';
    CFileList expected = writeHome(dir);
    {
        CTavikonApp app;
        ASSERT_TRUE(app.InitInstance()) << prompter.messages.join('|').toStdString();
        CMainFrame *frame = app.MainFrame();
        CLeftView *tree = frame->LeftView();
        auto *all = frame->CatView()->findChild<QTreeWidget *>(QStringLiteral("allList"));
        auto *attached = frame->CatView()->findChild<QTreeWidget *>(QStringLiteral("attachedList"));

        // Disc 1 gets Music and Software, then loses Software again.
        tree->setCurrentItem(ItemAt(tree, {"1 Concert"}));
        Pick(all, {"Music", "Software"});
        frame->CatView()->OnCommand(ID_CAT_ATTACHTOCD);
        Pick(attached, {"Software"});
        frame->CatView()->OnCommand(ID_CDCAT_DELETE);

        // Two files of Music\Live get Music and Live; the same name on disc 2 does not.
        tree->setCurrentItem(ItemAt(tree, {"1 Concert", "Music", "Live"}));
        Pick(all, {"Music", "Live"});
        rightClickFiles(frame->FilesView(), {"Song", "Intro"}, "&Attach Selected Categories");

        CSearchResultDlg *found = searchByCategory(frame, {"Music", "Live"});
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(names(found), (QStringList {"Song.MP3", "Intro.mp3"}));

        // Intro loses Live in the dialog of its categories.
        prompter.onDialog([](QDialog &d) {
            auto *dlg = qobject_cast<CAttachedCatDlg *>(&d);
            if (!dlg)
                return int(QDialog::Rejected);
            Pick(dlg->List(), {"Live"});
            dlg->OnDetach();
            return int(QDialog::Accepted);
        });
        rightClickFiles(frame->FilesView(), {"Intro"}, "&View and Edit Attached Categories");
        // The open window keeps its rows; its own Search asks again.
        EXPECT_EQ(found->Model()->rowCount(), 2);
        found->findChild<QPushButton *>(QStringLiteral("SearchButton"))->click();
        EXPECT_EQ(names(found), QStringList {"Song.MP3"});

        frame->MenuAction(ID_PROGRAM_SAVEEXIT)->trigger();
        app.ExitInstance();
    }
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('|').toStdString();

    // The files hold the tags and otherwise the very bytes they held.
    expected[1].m_lstCategories = {"Live", "Music"};
    expected[2].m_lstCategories = {"Music"};
    EXPECT_EQ(home.read(QStringLiteral("catalogue/Data/FileData.dat")), WriteFileList(expected));
    CDiscList discs;
    ASSERT_TRUE(ReadDiscList(home.read(QStringLiteral("catalogue/Data/Data.dat")), discs).ok());
    EXPECT_EQ(discs.value(1).m_lstCategories, QStringList {"Music"});

    // After a restart the same search finds the same file.
    CTavikonApp again;
    ASSERT_TRUE(again.InitInstance());
    CSearchResultDlg *found = searchByCategory(again.MainFrame(), {"Live", "Music"});
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(names(found), QStringList {"Song.MP3"});

    // "Go to CD" from there: the tree shows the file's folder, the file list the file.
    CLeftView *tree = again.MainFrame()->LeftView();
    tree->setCurrentItem(ItemAt(tree, {"2 Photos", "Day1"}));
    found->ResultList()->selectAll();
    found->OnGoToCd();
    EXPECT_EQ(tree->currentItem(), ItemAt(tree, {"1 Concert", "Music", "Live"}));
    const QStringList shown = Texts(again.MainFrame()->FilesView()->model());
    EXPECT_TRUE(shown.contains("Song")) << shown.join('|').toStdString();
    again.MainFrame()->MenuAction(ID_PROGRAM_SAVEEXIT)->trigger();
    again.ExitInstance();
}

} // namespace
