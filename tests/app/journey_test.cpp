// The whole road through the real main window: first start, choose a home directory, scan
// two discs, browse and sort, make a category, edit discs in both panels (with the save
// buttons, by leaving typed text behind, and through the accessibility interface), restart,
// and find everything as it was left, on screen and in the files.
#include "app/cmainframe.h"
#include "app/ctavikonapp.h"
#include "categories/ccatview.h"
#include "commands/ccomandsview.h"
#include "discs/cleftview.h"
#include "files/ctavikonview.h"
#include "platform/appflags.h"
#include "platform/chomedirdialog.h"
#include "resources/resource.h"
#include "scan/cscandlg.h"
#include "support/fakeprompter.h"
#include "support/records.h"
#include "support/tempdir.h"
#include "support/widgets.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// Answers the scan dialog: picks the drive whose row mentions `drive`, scans and saves.
FakePrompter::DialogHandler scanDrive(const QString &drive)
{
    return [drive](QDialog &d) {
        auto *dlg = qobject_cast<CScanDlg *>(&d);
        auto *drives = dlg ? dlg->findChild<QTreeWidget *>(QStringLiteral("DriveList")) : nullptr;
        const auto rows
            = drives ? drives->findItems(drive, Qt::MatchContains) : QList<QTreeWidgetItem *> {};
        if (rows.isEmpty())
            return int(QDialog::Rejected);
        dlg->show();
        QTest::mouseClick(drives->viewport(), Qt::LeftButton, {},
                          drives->visualItemRect(rows[0]).center());
        QSignalSpy finished(dlg, &CScanDlg::walkFinished);
        ClickButton(dlg, "StartScan");
        if (!finished.wait(20000))
            return int(QDialog::Rejected);
        ClickButton(dlg, "SaveScan");
        return dlg->result();
    };
}

QLineEdit *field(QWidget *pane, const char *name)
{
    return pane->findChild<QLineEdit *>(QLatin1String(name));
}

void clickDisc(CLeftView *tree, int index)
{
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(tree->topLevelItem(index)).center());
}

TEST(Journey, FirstStartScanBrowseEditRestart)
{
    TestHome home;
    FakePrompter prompter;
    theAppFlags().reset();
    const std::pair<const char *, int> discFiles[] = {{"Concert/Music/Live/Song.MP3", 3000},
                                                      {"Concert/Music/Live/Intro.mp3", 1000},
                                                      {"Concert/Music/Live/Encore.MP3", 2000},
                                                      {"Concert/booklet.pdf", 10},
                                                      {"Pictures/Photos/Day1/IMG_0001.JPG", 500}};
    for (const auto &[path, size] : discFiles)
        ASSERT_TRUE(home.write("drives/" + QLatin1String(path), QByteArray(size, 'a')));
    qputenv("TAVIKON_CDROM_ROOTS",
            QFile::encodeName(home.file("drives/Concert") + u':' + home.file("drives/Pictures")));
    const QString catalogue = home.file("catalogue") + u'/';
    ASSERT_TRUE(QDir().mkpath(catalogue));

    // First start: the home-directory dialog is answered with our directory.
    prompter.onDialog([&](QDialog &d) {
        if (auto *dlg = qobject_cast<CHomeDirDialog *>(&d)) {
            dlg->m_strPath = catalogue;
            ClickButton(dlg, "chooseButton");
        }
        return d.result(); // any other dialog here is rejected
    });
    prompter.onDialog(scanDrive("Concert"));
    prompter.onDialog(scanDrive("Pictures"));
    prompter.onDialog([](QDialog &) { return int(QDialog::Rejected); });

    QList<int> panes;
    {
        CTavikonApp app;
        ASSERT_TRUE(app.InitInstance()) << prompter.messages.join('|').toStdString();
        CMainFrame *frame = app.MainFrame();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
        EXPECT_EQ(prompter.dialogs.value(0), "CHomeDirDialog");
        EXPECT_TRUE(QFile::exists(catalogue + "Data/Cat.dat"));
        // The new, empty catalogue shows its place and statistics.
        CComandsView *panel = frame->CommandsView();
        EXPECT_EQ(QStringList({field(panel, "homeDirField")->text(),
                               field(panel, "discCountField")->text(),
                               field(panel, "lastEntryField")->text()}),
                  QStringList({catalogue, "0", "0"}));

        // Scan both discs from the command panel's button.
        ClickButton(panel, "scanButton");
        ClickButton(panel, "scanButton");
        CLeftView *tree = frame->LeftView();
        EXPECT_EQ(Texts(tree), (QStringList {"1 Untitled", "2 Untitled"}))
            << prompter.messages.join('|').toStdString();

        // Browse disc 1 down to Music\Live and sort by size with a click on the header.
        QTreeWidgetItem *live = ItemAt(tree, {"1 Untitled", "Music", "Live"});
        ASSERT_NE(live, nullptr);
        tree->setCurrentItem(live);
        CTavikonView *files = frame->FilesView();
        QHeaderView *header = files->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        EXPECT_EQ(Texts(files->model()), (QStringList {"Intro", "Encore", "Song"}));
        EXPECT_EQ(Texts(files->model(), 1).value(0), "0.98 KB");
        // Widths the user gives the panes and the columns come back at the next start.
        frame->Splitter()->setSizes({250, 300, 600, 200});
        header->resizeSection(1, 111);
        panes = frame->Splitter()->sizes();

        CCatView *cats = frame->CatView();
        TypeInto(cats->findChild<QLineEdit *>("newCategoryEdit"), "Jazz");
        ClickButton(cats, "createButton");
        EXPECT_TRUE(Texts(cats->findChild<QTreeWidget *>("allList")).contains("Jazz"));

        // Disc 2: artist and quality saved with their button; a note typed and left by a
        // click on disc 1 is kept too.
        clickDisc(tree, 1);
        TypeInto(field(panel, "cdArtistEdit"), "Ansel");
        TypeInto(field(panel, "cdQualityEdit"), "Sharp");
        ClickButton(panel, "addDataButton");
        TypeInto(cats->findChild<QPlainTextEdit *>("noteEdit"), "Mountains");
        clickDisc(tree, 0);
        ASSERT_EQ(tree->currentItem(), tree->topLevelItem(0));

        // Typed while editing is not allowed: kept nowhere.
        theAppFlags().m_bEditAllowed = 0;
        TypeInto(field(panel, "cdQualityEdit"), "mint");
        clickDisc(tree, 1);
        theAppFlags().m_bEditAllowed = 1;
        clickDisc(tree, 0);

        // A screen reader fills in disc 1's artist, and its name, which Ctrl+Enter saves; the
        // artist is kept when the program ends.
        QAccessible::queryAccessibleInterface(field(panel, "cdArtistEdit"))
            ->editableTextInterface()
            ->insertText(0, "Spoken");
        QAccessible::queryAccessibleInterface(field(panel, "cdNameEdit"))
            ->setText(QAccessible::Value, "Renamed");
        frame->SetActiveView(panel);
        frame->OnCommand(ID_ACCEL_CTRLENTER);
        // A note typed and not saved when the program ends is kept too.
        TypeInto(cats->findChild<QPlainTextEdit *>("noteEdit"), "Scratched");

        frame->MenuAction(ID_PROGRAM_SAVEEXIT)->trigger();
        EXPECT_FALSE(frame->isVisible());
        app.ExitInstance();
    }
    qunsetenv("TAVIKON_CDROM_ROOTS");

    // In the files: two discs, the newest first, with the fields as left.
    const CDiscList discs = DiscsInFile(catalogue + "Data/Data.dat");
    ASSERT_EQ(discs.size(), 2);
    EXPECT_EQ(QStringList({discs[0].m_strNumber, discs[0].m_strArtist, discs[0].m_strQuality,
                           discs[0].m_strNotes}),
              QStringList({"2", "Ansel", "Sharp", "Mountains"}));
    EXPECT_EQ(QStringList({discs[1].m_strName, discs[1].m_strArtist, discs[1].m_strQuality,
                           discs[1].m_strNotes}),
              QStringList({"Renamed", "Spoken", "", "Scratched"}));
    EXPECT_EQ(DiscsInFile(catalogue + "DataBackUp/Data.dat"), discs);

    // And on screen after a restart, without being asked for a home directory again.
    const int dialogsBefore = int(prompter.dialogs.size());
    CTavikonApp again;
    ASSERT_TRUE(again.InitInstance());
    EXPECT_EQ(prompter.dialogs.size(), dialogsBefore);
    CMainFrame *frame = again.MainFrame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    EXPECT_EQ(frame->FilesView()->header()->sectionSize(1), 111);
    EXPECT_EQ(frame->Splitter()->sizes(), panes);
    CLeftView *tree = frame->LeftView();
    EXPECT_EQ(Texts(tree), (QStringList {"1 Renamed", "2 Untitled"}));
    QTreeWidgetItem *live = ItemAt(tree, {"1 Renamed", "Music", "Live"});
    ASSERT_NE(live, nullptr);
    tree->setCurrentItem(live);
    QStringList names = Texts(frame->FilesView()->model());
    names.sort();
    EXPECT_EQ(names, (QStringList {"Encore", "Intro", "Song"}));
    tree->setCurrentItem(tree->topLevelItem(1));
    EXPECT_EQ(field(frame->CommandsView(), "cdArtistEdit")->text(), "Ansel");
    CCatView *cats = frame->CatView();
    EXPECT_EQ(cats->findChild<QPlainTextEdit *>("noteEdit")->toPlainText(), "Mountains");
    EXPECT_TRUE(Texts(cats->findChild<QTreeWidget *>("allList")).contains("Jazz"));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('|').toStdString();
}

} // namespace
