#include "disclayout.h"
#include "mediamaker.h"
#include "support/fakeprompter.h"
#include "support/tempdir.h"

#include "chrome/elidedlabel.h"
#include "scan/cmytree.h"
#include "scan/cscandlg.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// Two discs in folders named in TAVIKON_CDROM_ROOTS, a home directory with Data/, and a
// catalogue file list that already holds one record.
class ScanDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DiscLayout drives(m_drives.path());
        ASSERT_TRUE(drives.folder("DiscA") && drives.folder("DiscB"));
        DiscLayout a(drives.path("DiscA"));
        ASSERT_TRUE(a.folder("Music") && a.folder("Music/Live")
                    && a.file("Music/Live/Song.MP3", 1500));
        ASSERT_TRUE(a.file("Music/Intro.mp3", 20) && a.file("Root.txt", 7));
        DiscLayout b(drives.path("DiscB"));
        ASSERT_TRUE(b.folder("Photos") && b.file("Photos/p1.jpg", 100)
                    && b.file("Photos/p2.jpg", 200));
        qputenv("TAVIKON_CDROM_ROOTS",
                QFile::encodeName(drives.path("DiscB") + ':' + drives.path("DiscA")));
        ASSERT_TRUE(QDir().mkpath(m_home.file("Data")));

        CFileData old;
        old.m_strFileName = "old.txt";
        old.m_strDiscNumber = "3";
        m_files.append(old);
        m_before = m_files;

        m_dlg = std::make_unique<CScanDlg>();
        m_dlg->m_nLastNumber = 11;
        m_dlg->m_strHomeDir = m_home.path() + u'/';
        m_dlg->m_pFileList = &m_files;
        m_dlg->show();
        m_list = m_dlg->findChild<QTreeWidget *>("DriveList");
        m_tree = m_dlg->findChild<CMyTree *>("FolderTree");
        ASSERT_TRUE(m_list && m_tree);
    }
    void TearDown() override { qunsetenv("TAVIKON_CDROM_ROOTS"); }

    QTreeWidgetItem *row(const QString &root) const
    {
        for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
            if (m_list->topLevelItem(i)->text(0).startsWith(root))
                return m_list->topLevelItem(i);
        }
        return nullptr;
    }
    void clickDrive(const QString &root) const
    {
        QTreeWidgetItem *item = row(root);
        ASSERT_TRUE(item);
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {},
                          m_list->visualItemRect(item).center());
    }
    void click(const char *button) const
    {
        auto *b = m_dlg->findChild<QPushButton *>(QLatin1String(button));
        ASSERT_TRUE(b);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void scan(const QString &root)
    {
        QSignalSpy finished(m_dlg.get(), &CScanDlg::walkFinished);
        clickDrive(root);
        click("StartScan");
        ASSERT_TRUE(finished.wait(10000));
        EXPECT_TRUE(finished.first().first().toBool());
    }
    QStringList treeLines() const
    {
        QStringList out;
        for (QTreeWidgetItem *i = m_tree->topLevelItem(0); i; i = m_tree->NextItemPreorder(i))
            out.append(QString(CMyTree::ItemDepth(i), u'\t') + i->text(0));
        return out;
    }
    QStringList newRecords() const
    {
        QStringList out;
        for (qsizetype i = m_before.size(); i < m_files.size(); ++i) {
            const CFileData &f = m_files[i];
            out.append(f.m_strDiscNumber + ' ' + f.m_strDrive + ' ' + f.m_strFolder
                       + f.m_strFileName + ' ' + f.m_strSize);
        }
        return out;
    }

    FakePrompter m_prompter;
    TestHome m_home;
    QTemporaryDir m_drives;
    CFileList m_files;
    CFileList m_before;
    std::unique_ptr<CScanDlg> m_dlg;
    QTreeWidget *m_list = nullptr;
    CMyTree *m_tree = nullptr;
};

} // namespace

// A scan fills the tree and the records; a second one replaces them, even when its drive holds
// no readable disc; a save that cannot write keeps the dialog open with the scan pending, and
// Stop then keeps nothing. (The tree a save writes is read back by the journey, whose tree
// shows the scanned folders.)
TEST_F(ScanDialog, ScanFillsTreeAndRecordsRescanReplacesThemAndStopKeepsNone)
{
    // Rows in ascending order, each showing where the drive is.
    ASSERT_GE(m_list->topLevelItemCount(), 2);
    EXPECT_LT(m_list->indexOfTopLevelItem(row("DISCA:\\")),
              m_list->indexOfTopLevelItem(row("DISCB:\\")));
    EXPECT_TRUE(row("DISCA:\\")->text(0).contains(m_drives.filePath("DiscA")));
    const QString cwd = QDir::currentPath();

    const QStringList scannedA
        = {"12 disca:\\ disca:\\music\\Intro.mp3 20",
           "12 disca:\\ disca:\\music\\live\\Song.MP3 1500", "12 disca:\\ disca:\\Root.txt 7"};
    scan("DISCA:\\");
    EXPECT_EQ(treeLines(), (QStringList {"12 Untitled", "\tMusic", "\t\tLive"}));
    EXPECT_EQ(newRecords(), scannedA);
    EXPECT_EQ(m_files.first(), m_before.first());
    EXPECT_EQ(m_dlg->m_bScanned, 1);
    EXPECT_EQ(m_dlg->m_strScannedDrive, "DISCA:\\");
    EXPECT_EQ(m_dlg->findChild<QProgressBar *>("ScanProgress")->value(), 100);
    EXPECT_EQ(QDir::currentPath(), cwd);
    EXPECT_TRUE(m_prompter.messages.isEmpty());

    ASSERT_TRUE(QDir(m_drives.filePath("DiscB")).removeRecursively());
    m_dlg->m_bScanned = 0; // an unreadable disc still gives a scan, an empty one
    scan("DISCB:\\");
    EXPECT_EQ(treeLines(), QStringList {"12 Untitled"});
    EXPECT_TRUE(newRecords().isEmpty());
    EXPECT_EQ(m_prompter.messages, QStringList {"The disc in DISCB:\\ could not be read."});
    EXPECT_EQ(m_dlg->m_bScanned, 1);
    EXPECT_EQ(m_dlg->m_strScannedDrive, "DISCB:\\");
    scan("DISCA:\\");
    EXPECT_EQ(newRecords(), scannedA);

    // A file where the Data folder should be: the save fails and the dialog stays open.
    ASSERT_TRUE(QDir(m_home.file("Data")).removeRecursively());
    ASSERT_TRUE(m_home.write("Data", "not a folder"));
    click("SaveScan");
    EXPECT_TRUE(m_dlg->isVisible());
    EXPECT_EQ(m_prompter.messages.size(), 2);
    EXPECT_EQ(m_files.size(), m_before.size() + 3); // still pending

    click("StopScan");
    EXPECT_EQ(m_dlg->result(), QDialog::Rejected);
    EXPECT_EQ(m_files, m_before);
}

// The list always has a real choice: the first drive, or the one scanned last in an earlier
// dialog; a click on empty space keeps it. Only a list without drives asks for one. Save without
// a scan adds nothing; Stop during a walk halts it and keeps nothing, and Save waits for the
// walk to end.
TEST_F(ScanDialog, TheDriveThatLooksChosenIsChosenAndSaveWithoutScanOrStopAddsNothing)
{
    EXPECT_EQ(m_dlg->ChosenDrive(), "DISCA:\\");
    EXPECT_EQ(m_list->selectedItems(), QList<QTreeWidgetItem *> {row("DISCA:\\")});
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {},
                      QPoint(5, m_list->viewport()->height() - 3));
    EXPECT_EQ(m_dlg->ChosenDrive(), "DISCA:\\");
    click("SaveScan");
    EXPECT_EQ(m_dlg->result(), QDialog::Accepted);
    EXPECT_EQ(m_files, m_before);
    EXPECT_FALSE(QFile::exists(m_home.file("Data/TreeTemp.tkdt")));

    m_dlg->show();
    QSignalSpy finished(m_dlg.get(), &CScanDlg::walkFinished);
    click("StartScan");
    EXPECT_TRUE(m_dlg->IsWalking());
    click("SaveScan");
    EXPECT_TRUE(m_dlg->isVisible());
    click("StopScan");
    EXPECT_FALSE(m_dlg->IsWalking());
    ASSERT_EQ(finished.size(), 1);
    EXPECT_FALSE(finished.first().first().toBool());
    EXPECT_EQ(m_dlg->result(), QDialog::Rejected);
    EXPECT_EQ(m_files, m_before);
    EXPECT_TRUE(m_home.read("Data/TreeTemp.tkdt").isEmpty());

    scan("DISCB:\\");
    CScanDlg next;
    EXPECT_EQ(next.ChosenDrive(), "DISCB:\\");

    qputenv("TAVIKON_CDROM_ROOTS", "");
    CScanDlg none;
    if (none.Drives().isEmpty()) { // a machine with an optical drive has a row anyway
        none.OnStartScan();
        EXPECT_EQ(m_prompter.messages.last(), "Please, click on a disc drive !!!");
        EXPECT_EQ(none.m_bScanned, 0);
    }
}

// Long names stay inside the dialog, cut in the middle, whole in the tip; every control that
// takes the focus has a name, the buttons carry their captions beside the icons, and a drive
// is chosen, scanned and saved from the keyboard alone.
TEST_F(ScanDialog, ReadoutsStayInsideAndTheDialogWorksFromTheKeyboard)
{
    const QString deep = "/media/" + QString(40, u'f') + "/Track 12 - the end of the name.flac";
    auto *readout = m_dlg->findChild<ElidedLabel *>("File");
    ASSERT_TRUE(readout);
    readout->SetFullText(deep);
    EXPECT_LE(m_dlg->mapFromGlobal(readout->mapToGlobal(readout->rect().topRight())).x(),
              m_dlg->width());
    EXPECT_TRUE(readout->text().startsWith("/media/"));
    EXPECT_TRUE(readout->text().endsWith("name.flac"));
    EXPECT_LT(readout->text().size(), deep.size());
    EXPECT_EQ(readout->toolTip(), deep);
    QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(readout);
    EXPECT_EQ(shown->text(QAccessible::Name), "File");
    EXPECT_EQ(shown->text(QAccessible::Description), deep);

    for (QWidget *w : m_dlg->findChildren<QWidget *>()) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(w);
        EXPECT_TRUE(!(w->focusPolicy() & Qt::TabFocus)
                    || !accessible->text(QAccessible::Name).isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
    for (const char *button : {"StartScan", "StopScan", "SaveScan"}) {
        auto *b = m_dlg->findChild<QPushButton *>(QLatin1String(button));
        EXPECT_FALSE(b->text().isEmpty()) << button;
        EXPECT_GE(b->width(), b->sizeHint().width()) << button;
    }

    QApplication::setActiveWindow(m_dlg.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
    m_list->setFocus();
    // The arrows reach "Add Image..." and Space or Enter adds one; the drive chosen stays.
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        while (m_list->currentItem() != m_list->topLevelItem(m_list->topLevelItemCount() - 1)
               && m_list->currentItem() != nullptr) {
            const QTreeWidgetItem *before = m_list->currentItem();
            QTest::keyClick(m_list, Qt::Key_Down);
            if (m_list->currentItem() == before)
                break;
        }
        EXPECT_EQ(m_list->currentItem()->text(0), "Add Image...");
        QTest::keyClick(m_list, key);
    }
    EXPECT_EQ(m_prompter.dialogs, (QStringList {"AddImageDialog", "AddImageDialog"}));
    QTest::keyClick(m_list, Qt::Key_Home);
    QTest::keyClick(m_list, Qt::Key_Down);
    ASSERT_EQ(m_dlg->ChosenDrive(), "DISCB:\\");
    QSignalSpy finished(m_dlg.get(), &CScanDlg::walkFinished);
    QTest::keyClick(m_dlg.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(finished.wait(10000));
    QTest::keyClick(m_dlg.get(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(m_dlg->result(), QDialog::Accepted);
}

// An image file is added through "Add Image...", scanned like a drive, with the archives on
// it looked into, and its place is remembered when the scan is saved. A file that is not an
// image is refused with its name.
TEST_F(ScanDialog, AnImageIsAddedScannedAndRemembered)
{
    DiscLayout a(m_drives.filePath("DiscA"));
    ASSERT_TRUE(Shell("cd \"$1\" && printf 1234 > x.txt && bsdtar -acf \"$2\" x.txt",
                      m_drives.path(), a.path("Music/Songs.zip")));
    const QString image = m_drives.filePath("holiday.iso");
    ASSERT_TRUE(MakeIso(a.path(), image));
    ASSERT_TRUE(m_home.write("bad.iso", "no image"));
    QStringList chosen {m_home.file("bad.iso"), image};
    m_prompter.onDialog([&](QDialog &dialog) {
        static_cast<QFileDialog &>(dialog).selectFile(chosen.takeFirst());
        return int(QDialog::Accepted);
    });

    auto *lookInside = m_dlg->findChild<QCheckBox *>("LookInsideArchives");
    ASSERT_TRUE(lookInside && !lookInside->isChecked());
    QTest::mouseClick(lookInside, Qt::LeftButton, {}, QPoint(5, lookInside->height() / 2));
    const int rows = m_list->topLevelItemCount();
    clickDrive("Add Image...");
    EXPECT_EQ(m_prompter.messages,
              QStringList {"The image file \"" + m_home.file("bad.iso")
                           + "\" is not a disc image of a known kind (ISO "
                             "9660 or UDF)."});
    EXPECT_EQ(m_list->topLevelItemCount(), rows);
    clickDrive("Add Image...");
    EXPECT_EQ(m_dlg->ChosenDrive(), "HOLIDAY2019:\\");
    EXPECT_EQ(m_list->topLevelItem(rows - 1)->text(0).left(13), "HOLIDAY2019:\\");
    click("StartScan");
    QSignalSpy finished(m_dlg.get(), &CScanDlg::walkFinished);
    ASSERT_TRUE(finished.wait(10000));

    EXPECT_EQ(treeLines(), (QStringList {"12 Untitled", "\tMusic", "\t\tLive", "\t\tSongs.zip"}));
    const QString drive = "12 holiday2019:\\ holiday2019:\\";
    const QString zipSize = QString::number(QFileInfo(a.path("Music/Songs.zip")).size());
    EXPECT_EQ(newRecords(),
              (QStringList {drive + "music\\Intro.mp3 20", drive + "music\\Songs.zip " + zipSize,
                            drive + "music\\live\\Song.MP3 1500",
                            drive + "music\\songs.zip\\x.txt 4", drive + "Root.txt 7"}));
    click("SaveScan");
    EXPECT_EQ(m_home.read("Data/Images.dat"),
              "TavikonImages 1\n12\tHOLIDAY2019:\\\t" + QFile::encodeName(image) + "\n");

    // The image stays listed for the session, and the check box keeps its state.
    CScanDlg again;
    EXPECT_TRUE(again.findChild<QCheckBox *>("LookInsideArchives")->isChecked());
    auto *list = again.findChild<QTreeWidget *>("DriveList");
    EXPECT_EQ(list->topLevelItem(list->topLevelItemCount() - 2)->text(0).left(13),
              "HOLIDAY2019:\\");
}
