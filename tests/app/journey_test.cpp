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
#include <QSplitter>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

void click(QWidget *pane, const char *button)
{
    QTest::mouseClick(pane->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

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
        click(dlg, "StartScan");
        if (!finished.wait(20000))
            return int(QDialog::Rejected);
        click(dlg, "SaveScan");
        return dlg->result();
    };
}

// The item at a path of labels under `parent`, or null.
QTreeWidgetItem *findChildItem(QTreeWidgetItem *parent, const QStringList &path)
{
    for (const QString &label : path) {
        QTreeWidgetItem *next = nullptr;
        for (int i = 0; parent && i < parent->childCount(); ++i)
            if (parent->child(i)->text(0) == label)
                next = parent->child(i);
        parent = next;
    }
    return parent;
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

void typeInto(QWidget *pane, const char *edit, const QString &text)
{
    QWidget *w = pane->findChild<QWidget *>(QLatin1String(edit));
    w->setFocus();
    QTest::keyClicks(w, text);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Journey, FirstStartScanBrowseEditRestart)
{
    TestHome home;
    FakePrompter prompter;
    const std::pair<const char *, int> discFiles[] = {{"Concert/Music/Live/Song.MP3", 3000},
                                                      {"Concert/Music/Live/Intro.mp3", 1000},
                                                      {"Concert/Music/Live/Encore.MP3", 2000},
                                                      {"Concert/booklet.pdf", 10},
                                                      {"Pictures/Photos/Day1/IMG_0001.JPG", 500}};
    for (const auto &[path, size] : discFiles)
        ASSERT_TRUE(home.write("drives/" + QLatin1String(path), QByteArray(size, 'a')));
    qputenv("TAVIKON_CDROM_ROOTS",
            QFile::encodeName(home.file(QStringLiteral("drives/Concert")) + u':'
                              + home.file(QStringLiteral("drives/Pictures"))));
    const QString catalogue = home.file(QStringLiteral("catalogue")) + u'/';
    ASSERT_TRUE(QDir().mkpath(catalogue));

    // First start: the home-directory dialog is answered with our directory.
    prompter.onDialog([&](QDialog &d) {
        if (auto *dlg = qobject_cast<CHomeDirDialog *>(&d)) {
            dlg->m_strPath = catalogue;
            click(dlg, "chooseButton");
        }
        return d.result(); // any other dialog here is rejected
    });
    prompter.onDialog(scanDrive(QStringLiteral("Concert")));
    prompter.onDialog(scanDrive(QStringLiteral("Pictures")));
    prompter.onDialog([](QDialog &) { return int(QDialog::Rejected); });

    QList<int> panes;
    {
        CTavikonApp app;
        ASSERT_TRUE(app.InitInstance()) << prompter.messages.join('|').toStdString();
        CMainFrame *frame = app.MainFrame();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
        EXPECT_EQ(prompter.dialogs.value(0), QStringLiteral("CHomeDirDialog"));
        EXPECT_TRUE(QFile::exists(catalogue + QStringLiteral("Data/Cat.dat")));

        // Scan both discs from the command panel's button.
        click(frame->CommandsView(), "scanButton");
        click(frame->CommandsView(), "scanButton");
        CLeftView *tree = frame->LeftView();
        EXPECT_EQ(listTexts(tree), (QStringList {"1 Untitled", "2 Untitled"}))
            << prompter.messages.join('|').toStdString();

        // Browse disc 1 down to Music\Live; the files appear with their case and sizes.
        QTreeWidgetItem *live
            = findChildItem(tree->invisibleRootItem(), {"1 Untitled", "Music", "Live"});
        ASSERT_NE(live, nullptr);
        tree->setCurrentItem(live);
        CTavikonView *files = frame->FilesView();

        // Sort by size with a click on the header: smallest first.
        QHeaderView *header = files->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        EXPECT_EQ(column(files, 0), (QStringList {"Intro", "Encore", "Song"}));
        EXPECT_EQ(column(files, 1).value(0), QStringLiteral("0.98 KB"));
        // Widths the user gives the panes and the columns come back at the next start.
        frame->Splitter()->setSizes({250, 300, 600, 200});
        header->resizeSection(1, 111);
        panes = frame->Splitter()->sizes();

        // A new category.
        CCatView *cats = frame->CatView();
        typeInto(cats, "newCategoryEdit", QStringLiteral("Jazz"));
        click(cats, "createButton");
        EXPECT_TRUE(
            listTexts(cats->findChild<QTreeWidget *>(QStringLiteral("allList"))).contains("Jazz"));

        // Disc 2: artist and quality in the command panel, a note in the category panel.
        tree->setCurrentItem(tree->topLevelItem(1));
        CComandsView *panel = frame->CommandsView();
        typeInto(panel, "cdArtistEdit", QStringLiteral("Ansel"));
        typeInto(panel, "cdQualityEdit", QStringLiteral("Sharp"));
        click(panel, "addDataButton");
        cats->findChild<QPlainTextEdit *>(QStringLiteral("noteEdit"))->selectAll();
        typeInto(cats, "noteEdit", QStringLiteral("Mountains"));
        click(cats, "saveNoteButton");

        frame->MenuAction(ID_PROGRAM_SAVEEXIT)->trigger();
        EXPECT_FALSE(frame->isVisible());
        app.ExitInstance();
    }
    qunsetenv("TAVIKON_CDROM_ROOTS");

    // In the files: two discs, the newest first, with the fields as left.
    CDiscList discs;
    const QByteArray data = fileBytes(catalogue + QStringLiteral("Data/Data.dat"));
    ASSERT_TRUE(ReadDiscList(data, discs).ok());
    ASSERT_EQ(discs.size(), 2);
    EXPECT_EQ(QStringList({discs[0].m_strNumber, discs[0].m_strArtist, discs[0].m_strQuality}),
              QStringList({"2", "Ansel", "Sharp"}));
    EXPECT_TRUE(discs[0].m_strNotes.contains(QStringLiteral("Mountains")));
    EXPECT_EQ(fileBytes(catalogue + QStringLiteral("DataBackUp/Data.dat")), data);

    // And on screen after a restart, without being asked for a home directory again.
    const int dialogsBefore = int(prompter.dialogs.size());
    CTavikonApp again;
    ASSERT_TRUE(again.InitInstance());
    EXPECT_EQ(prompter.dialogs.size(), dialogsBefore);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(again.MainFrame()));
    EXPECT_EQ(again.MainFrame()->FilesView()->header()->sectionSize(1), 111);
    EXPECT_EQ(again.MainFrame()->Splitter()->sizes(), panes);
    CLeftView *tree = again.MainFrame()->LeftView();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    QTreeWidgetItem *live
        = findChildItem(tree->invisibleRootItem(), {"1 Untitled", "Music", "Live"});
    ASSERT_NE(live, nullptr);
    tree->setCurrentItem(live);
    QStringList names = column(again.MainFrame()->FilesView(), 0);
    names.sort();
    EXPECT_EQ(names, (QStringList {"Encore", "Intro", "Song"}));
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
