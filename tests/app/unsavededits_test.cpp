// What is typed into a disc's fields and left without its save button stays in that disc's
// record when another disc is clicked and when the program ends, however it got into the
// field (keys, or a screen reader through the accessibility interface); nothing typed while
// editing is not allowed reaches a record. A new catalogue shows its statistics.
#include "app/cmainframe.h"
#include "app/ctavikonapp.h"
#include "categories/ccatview.h"
#include "commands/ccomandsview.h"
#include "discs/cleftview.h"
#include "platform/appflags.h"
#include "resources/resource.h"
#include "store/archive.h"
#include "store/catalogstore.h"
#include "store/homepaths.h"
#include "support/fakeprompter.h"
#include "support/tempdir.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QLineEdit *field(QWidget *pane, const char *name)
{
    return pane->findChild<QLineEdit *>(QLatin1String(name));
}

void typeInto(QWidget *w, const QString &text)
{
    w->setFocus();
    QTest::keyClicks(w, text);
}

void clickDisc(CLeftView *tree, int index)
{
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(tree->topLevelItem(index)).center());
}

TEST(UnsavedEdits, KeptWhenTheSelectionMovesAndWhenTheProgramEnds)
{
    TestHome home;
    FakePrompter prompter;
    theAppFlags().reset();
    const QString dir = home.file(QStringLiteral("catalogue")) + u'/';
    ASSERT_TRUE(LayOutCatalogue(dir).ok() && WriteHomePaths(dir).ok());
    {
        CTavikonApp app;
        ASSERT_TRUE(app.InitInstance());
        CComandsView *panel = app.MainFrame()->CommandsView();
        EXPECT_EQ(field(panel, "homeDirField")->text(), dir);
        EXPECT_EQ(field(panel, "discCountField")->text(), "0");
        EXPECT_EQ(field(panel, "lastEntryField")->text(), "0");
    }

    CCatalog catalog;
    for (const char *number : {"1", "2"}) {
        CDisc disc;
        disc.m_strNumber = QLatin1String(number);
        disc.m_strName = QStringLiteral("Disc");
        catalog.m_pDiscs->prepend(disc);
    }
    CatalogStore store;
    store.SetActiveDir(dir);
    store.SetBackupDir(BackupDirFor(dir));
    const QByteArray tree = "1 Disc\r\n2 Disc\r\n";
    ASSERT_TRUE(store.SaveCatalog(catalog, &tree).ok() && store.BackUpCatalog().ok());
    {
        CTavikonApp app;
        ASSERT_TRUE(app.InitInstance());
        CMainFrame *frame = app.MainFrame();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
        CComandsView *panel = frame->CommandsView();
        CLeftView *discs = frame->LeftView();
        ASSERT_EQ(discs->currentItem(), discs->topLevelItem(0));

        // A note for disc 1, left by a click on disc 2.
        typeInto(frame->CatView()->findChild<QPlainTextEdit *>("noteEdit"), "Scratched");
        clickDisc(discs, 1);
        ASSERT_EQ(discs->currentItem(), discs->topLevelItem(1));

        // Typed while editing is not allowed: kept nowhere.
        theAppFlags().m_bEditAllowed = 0;
        typeInto(field(panel, "cdQualityEdit"), "mint");
        clickDisc(discs, 0);
        theAppFlags().m_bEditAllowed = 1;
        clickDisc(discs, 1);

        // A screen reader fills in the artist, and the name, which Ctrl+Enter then saves.
        QAccessible::queryAccessibleInterface(field(panel, "cdArtistEdit"))
            ->editableTextInterface()
            ->insertText(0, QStringLiteral("Spoken"));
        QAccessible::queryAccessibleInterface(field(panel, "cdNameEdit"))
            ->setText(QAccessible::Value, QStringLiteral("Renamed"));
        frame->SetActiveView(panel);
        frame->OnCommand(ID_ACCEL_CTRLENTER);
        frame->close();
    }
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('|').toStdString();

    QFile data(dir + QStringLiteral("Data/Data.dat"));
    ASSERT_TRUE(data.open(QIODevice::ReadOnly));
    CDiscList saved;
    ASSERT_TRUE(ReadDiscList(data.readAll(), saved).ok());
    ASSERT_EQ(saved.size(), 2);
    const CDisc &one = saved[1];
    const CDisc &two = saved[0];
    EXPECT_EQ(QStringList({one.m_strNotes, one.m_strQuality, two.m_strQuality}),
              QStringList({"Scratched", "", ""}));
    EXPECT_EQ(QStringList({two.m_strArtist, two.m_strName, one.m_strArtist}),
              QStringList({"Spoken", "Renamed", ""}));

    // And on screen after a restart.
    CTavikonApp again;
    ASSERT_TRUE(again.InitInstance());
    EXPECT_EQ(again.MainFrame()->CatView()->findChild<QPlainTextEdit *>("noteEdit")->toPlainText(),
              "Scratched");
}

} // namespace
