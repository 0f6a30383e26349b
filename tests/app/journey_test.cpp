// The whole road through the real main window: first start, choose a home directory, scan
// two discs, browse and sort, make a category, edit a disc in both panels, restart, and find
// everything as it was left, on screen and in the files.
#include "app/cmainframe.h"
#include "app/ctavikonapp.h"
#include "categories/ccatview.h"
#include "commands/ccomandsview.h"
#include "discs/cleftview.h"
#include "files/ctavikonview.h"
#include "platform/chomedirdialog.h"
#include "resources/resource.h"
#include "scan/cscandlg.h"
#include "store/archive.h"
#include "support/fakeprompter.h"
#include "support/tempdir.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// Answers the scan dialog: picks the drive whose row mentions `drive`, scans and saves.
FakePrompter::DialogHandler scanDrive(const QString &drive)
{
    return [drive](QDialog &d) {
        auto *dlg = qobject_cast<CScanDlg *>(&d);
        if (!dlg)
            return int(QDialog::Rejected);
        dlg->show();
        auto *drives = dlg->findChild<QTreeWidget *>(QStringLiteral("DriveList"));
        QTreeWidgetItem *row = nullptr;
        for (int i = 0; drives && i < drives->topLevelItemCount(); ++i)
            if (drives->topLevelItem(i)->text(0).contains(drive, Qt::CaseInsensitive))
                row = drives->topLevelItem(i);
        if (!row)
            return int(QDialog::Rejected);
        QTest::mouseClick(drives->viewport(), Qt::LeftButton, {},
                          drives->visualItemRect(row).center());
        QSignalSpy finished(dlg, &CScanDlg::walkFinished);
        QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("StartScan")),
                          Qt::LeftButton);
        if (!finished.wait(20000))
            return int(QDialog::Rejected);
        QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("SaveScan")),
                          Qt::LeftButton);
        return dlg->result();
    };
}

QTreeWidgetItem *findChildItem(QTreeWidgetItem *parent, const QString &label)
{
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text(0) == label)
            return parent->child(i);
    return nullptr;
}

QStringList column(const CTavikonView *files, int col)
{
    QStringList texts;
    for (int r = 0; r < files->model()->rowCount(); ++r)
        texts << files->model()->index(r, col).data().toString();
    return texts;
}

QStringList listTexts(const QTreeWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(0);
    return texts;
}

void typeInto(QWidget *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

TEST(Journey, FirstStartScanBrowseEditRestart)
{
    TestHome home;
    FakePrompter prompter;
    ASSERT_TRUE(
        home.write(QStringLiteral("drives/Concert/Music/Live/Song.MP3"), QByteArray(3000, 'a')));
    ASSERT_TRUE(
        home.write(QStringLiteral("drives/Concert/Music/Live/Intro.mp3"), QByteArray(1000, 'b')));
    ASSERT_TRUE(
        home.write(QStringLiteral("drives/Concert/Music/Live/Encore.MP3"), QByteArray(2000, 'c')));
    ASSERT_TRUE(home.write(QStringLiteral("drives/Concert/booklet.pdf"), QByteArray(10, 'd')));
    ASSERT_TRUE(home.write(QStringLiteral("drives/Pictures/Photos/Day1/IMG_0001.JPG"),
                           QByteArray(500, 'e')));
    qputenv("TAVIKON_CDROM_ROOTS",
            QFile::encodeName(home.file(QStringLiteral("drives/Concert")) + u':'
                              + home.file(QStringLiteral("drives/Pictures"))));
    const QString catalogue = home.file(QStringLiteral("catalogue")) + u'/';
    ASSERT_TRUE(QDir().mkpath(catalogue));

    // First start: the home-directory dialog is answered with our directory.
    prompter.onDialog([&](QDialog &d) {
        auto *dlg = qobject_cast<CHomeDirDialog *>(&d);
        if (!dlg)
            return int(QDialog::Rejected);
        dlg->m_strPath = catalogue;
        QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("chooseButton")),
                          Qt::LeftButton);
        return dlg->result();
    });
    prompter.onDialog(scanDrive(QStringLiteral("Concert")));
    prompter.onDialog(scanDrive(QStringLiteral("Pictures")));
    prompter.onDialog([](QDialog &) { return int(QDialog::Rejected); });

    {
        CTavikonApp app;
        ASSERT_TRUE(app.InitInstance()) << prompter.messages.join('|').toStdString();
        CMainFrame *frame = app.MainFrame();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
        EXPECT_EQ(prompter.dialogs.value(0), QStringLiteral("CHomeDirDialog"));
        EXPECT_TRUE(QFile::exists(catalogue + QStringLiteral("Data/Cat.dat")));

        // Scan both discs from the command panel's button.
        auto *scan = frame->CommandsView()->findChild<QPushButton *>(QStringLiteral("scanButton"));
        ASSERT_NE(scan, nullptr);
        QTest::mouseClick(scan, Qt::LeftButton);
        QTest::mouseClick(scan, Qt::LeftButton);
        CLeftView *tree = frame->LeftView();
        ASSERT_EQ(tree->topLevelItemCount(), 2) << prompter.messages.join('|').toStdString();
        EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("1 Untitled"));
        EXPECT_EQ(tree->topLevelItem(1)->text(0), QStringLiteral("2 Untitled"));

        // Browse disc 1 down to Music\Live; the files appear with their case and sizes.
        QTreeWidgetItem *music = findChildItem(tree->topLevelItem(0), QStringLiteral("Music"));
        ASSERT_NE(music, nullptr);
        QTreeWidgetItem *live = findChildItem(music, QStringLiteral("Live"));
        ASSERT_NE(live, nullptr);
        tree->setCurrentItem(live);
        CTavikonView *files = frame->FilesView();
        EXPECT_EQ(column(files, 0).size(), 3);
        EXPECT_TRUE(column(files, 0).contains(QStringLiteral("Song")));

        // Sort by size with a click on the header: smallest first.
        QHeaderView *header = files->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        EXPECT_EQ(column(files, 0), (QStringList {"Intro", "Encore", "Song"}));
        EXPECT_EQ(column(files, 1).value(0), QStringLiteral("0.001 MB"));

        // A new category.
        CCatView *cats = frame->CatView();
        typeInto(cats->findChild<QLineEdit *>(QStringLiteral("newCategoryEdit")),
                 QStringLiteral("Jazz"));
        QTest::mouseClick(cats->findChild<QPushButton *>(QStringLiteral("createButton")),
                          Qt::LeftButton);
        EXPECT_TRUE(
            listTexts(cats->findChild<QTreeWidget *>(QStringLiteral("allList"))).contains("Jazz"));

        // Disc 2: artist and quality in the command panel, a note in the category panel.
        tree->setCurrentItem(tree->topLevelItem(1));
        CComandsView *panel = frame->CommandsView();
        typeInto(panel->findChild<QLineEdit *>(QStringLiteral("cdArtistEdit")),
                 QStringLiteral("Ansel"));
        typeInto(panel->findChild<QLineEdit *>(QStringLiteral("cdQualityEdit")),
                 QStringLiteral("Sharp"));
        QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("addDataButton")),
                          Qt::LeftButton);
        auto *note = cats->findChild<QPlainTextEdit *>(QStringLiteral("noteEdit"));
        note->setFocus();
        note->selectAll();
        QTest::keyClicks(note, QStringLiteral("Mountains"));
        QTest::mouseClick(cats->findChild<QPushButton *>(QStringLiteral("saveNoteButton")),
                          Qt::LeftButton);

        frame->MenuAction(ID_PROGRAM_SAVEEXIT)->trigger();
        EXPECT_FALSE(frame->isVisible());
        app.ExitInstance();
    }
    qunsetenv("TAVIKON_CDROM_ROOTS");

    // In the files: two discs, the newest first, with the fields as left.
    CDiscList discs;
    {
        QFile f(catalogue + QStringLiteral("Data/Data.dat"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        ASSERT_TRUE(ReadDiscList(f.readAll(), discs).ok());
    }
    ASSERT_EQ(discs.size(), 2);
    EXPECT_EQ(discs[0].m_strNumber, QStringLiteral("2"));
    EXPECT_EQ(discs[0].m_strArtist, QStringLiteral("Ansel"));
    EXPECT_EQ(discs[0].m_strQuality, QStringLiteral("Sharp"));
    EXPECT_TRUE(discs[0].m_strNotes.contains(QStringLiteral("Mountains")));
    QFile backup(catalogue + QStringLiteral("DataBackUp/Data.dat"));
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    QFile data(catalogue + QStringLiteral("Data/Data.dat"));
    ASSERT_TRUE(data.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), data.readAll());

    // And on screen after a restart, without being asked for a home directory again.
    const int dialogsBefore = int(prompter.dialogs.size());
    CTavikonApp again;
    ASSERT_TRUE(again.InitInstance());
    EXPECT_EQ(prompter.dialogs.size(), dialogsBefore);
    CLeftView *tree = again.MainFrame()->LeftView();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    QTreeWidgetItem *live = findChildItem(
        findChildItem(tree->topLevelItem(0), QStringLiteral("Music")), QStringLiteral("Live"));
    ASSERT_NE(live, nullptr);
    tree->setCurrentItem(live);
    EXPECT_EQ(column(again.MainFrame()->FilesView(), 0).size(), 3);
    EXPECT_TRUE(column(again.MainFrame()->FilesView(), 0).contains(QStringLiteral("Encore")));
    tree->setCurrentItem(tree->topLevelItem(1));
    CComandsView *panel = again.MainFrame()->CommandsView();
    EXPECT_EQ(panel->findChild<QLineEdit *>(QStringLiteral("cdArtistEdit"))->text(),
              QStringLiteral("Ansel"));
    CCatView *cats = again.MainFrame()->CatView();
    EXPECT_TRUE(cats->findChild<QPlainTextEdit *>(QStringLiteral("noteEdit"))
                    ->toPlainText()
                    .contains("Mountains"));
    EXPECT_TRUE(
        listTexts(cats->findChild<QTreeWidget *>(QStringLiteral("allList"))).contains("Jazz"));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('|').toStdString();
}

} // namespace
