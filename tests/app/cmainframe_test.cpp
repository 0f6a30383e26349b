#include "app/cmainframe.h"
#include "app/ctavikonapp.h"
#include "platform/appflags.h"
#include "platform/chomedirdialog.h"
#include "resources/menus.h"
#include "resources/resource.h"
#include "support/fakeprompter.h"
#include "support/tempdir.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Starts the real program with an existing home directory so that no first-start dialog
// is needed.
struct RunningApp
{
    TestHome home;
    FakePrompter prompter;
    CTavikonApp app;

    RunningApp()
    {
        // The first start asks for a home directory: our temporary one.
        prompter.onDialog([this](QDialog &dlg) {
            auto *chooser = qobject_cast<CHomeDirDialog *>(&dlg);
            if (!chooser)
                return int(QDialog::Rejected);
            chooser->m_strPath = home.path() + u'/';
            return int(QDialog::Accepted);
        });
        started = app.InitInstance();
    }
    CMainFrame *frame() const { return app.MainFrame(); }
    bool started = false;
};

QStringList menuTitles(QMenuBar *bar)
{
    QStringList titles;
    for (QAction *a : bar->actions())
        titles << a->text();
    return titles;
}

TEST(MainFrame, StartsMaximisedWithCaptionAndFourPanes)
{
    RunningApp run;
    ASSERT_TRUE(run.started) << run.prompter.messages.join(';').toStdString();
    CMainFrame *frame = run.frame();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tavikon - TK "));
    EXPECT_TRUE(frame->windowState() & Qt::WindowMaximized);
    QSplitter *splitter = frame->Splitter();
    ASSERT_EQ(splitter->count(), 4);
    EXPECT_EQ(splitter->widget(0)->objectName(), QStringLiteral("CComandsView"));
    EXPECT_EQ(splitter->widget(1)->objectName(), QStringLiteral("CLeftView"));
    EXPECT_EQ(splitter->widget(2)->objectName(), QStringLiteral("CTavikonView"));
    EXPECT_EQ(splitter->widget(3)->objectName(), QStringLiteral("CCatView"));
    EXPECT_TRUE(frame->MenuAction(ID_DATABASE_LOADFRIEND)->isEnabled());
    EXPECT_FALSE(frame->MenuAction(ID_DATABASE_BACKHOME)->isEnabled());
}

TEST(MainFrame, CancellingTheFirstStartEndsWithStatusOne)
{
    TestHome home;
    FakePrompter prompter; // rejects the home-directory dialog
    CTavikonApp app;
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.ExitCode(), 1);
    EXPECT_EQ(app.MainFrame(), nullptr);
    EXPECT_EQ(prompter.dialogs, QStringList {"CHomeDirDialog"});
}

TEST(MainFrame, PanesOpenWithTheirInitialWidths)
{
    TestHome home;
    FakePrompter prompter;
    CMainFrame frame;
    frame.resize(255 + 200 + 320 + 165 + 3 * frame.Splitter()->handleWidth(), 600);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_EQ(frame.Splitter()->sizes(), (QList<int> {255, 200, 320, 165}));
}

TEST(MainFrame, MenuBarHoldsMenu128WithItsEnablingAtStart)
{
    TestHome home;
    FakePrompter prompter;
    theAppFlags().reset();
    CMainFrame frame;
    frame.LoadFrameMenu();
    EXPECT_EQ(menuTitles(frame.menuBar()),
              (QStringList {"&Program", "&Edit", "&Lend", "&Search", "&CD Info", "&View",
                            "Database", "&Help"}));
    // Every item of the resource is there with its command number.
    for (const PopupDef &popup : MenuResource(IDR_MAINFRAME))
        for (const MenuItemDef &item : popup.items)
            if (item.id != 0) {
                QAction *a = frame.MenuAction(item.id);
                ASSERT_NE(a, nullptr) << item.id;
                EXPECT_EQ(a->text(), item.text);
            }
    EXPECT_EQ(frame.MenuAction(ID_PROGRAM_SAVEEXIT)->text(), QStringLiteral("Save && Exit"));
    EXPECT_FALSE(frame.MenuAction(ID_HELP_FINDER)->icon().isNull());

    EXPECT_TRUE(frame.MenuAction(ID_DATABASE_LOADFRIEND)->isEnabled());
    EXPECT_TRUE(frame.MenuAction(ID_VIEW_LARGEICONS)->isEnabled());
    EXPECT_FALSE(frame.MenuAction(ID_DATABASE_BACKHOME)->isEnabled());
    EXPECT_FALSE(frame.MenuAction(ID_VIEW_SMALLICONS)->isEnabled());
    EXPECT_TRUE(frame.MenuAction(ID_EDIT_CDSCAN)->isEnabled());

    // The items follow the flags whenever a menu opens.
    theAppFlags().m_bEditAllowed = 0;
    theAppFlags().m_bHomeDatabase = 0;
    theAppFlags().m_bSmallIcons = 0;
    frame.UpdateMenuStates();
    for (int id : {ID_EDIT_CDSCAN, ID_EDIT_DELETECD, ID_LEND_LENDTO, ID_LEND_GETBACK,
                   ID_DATABASE_LOADFRIEND, ID_VIEW_LARGEICONS})
        EXPECT_FALSE(frame.MenuAction(id)->isEnabled()) << id;
    EXPECT_TRUE(frame.MenuAction(ID_DATABASE_BACKHOME)->isEnabled());
    EXPECT_TRUE(frame.MenuAction(ID_VIEW_SMALLICONS)->isEnabled());
    EXPECT_TRUE(frame.MenuAction(ID_EDIT_FINDGAPS)->isEnabled());
    theAppFlags().reset();
}

TEST(MainFrame, AboutShowsTheVersionWithOneOkButton)
{
    TestHome home;
    FakePrompter prompter;
    QString version;
    int buttons = 0;
    prompter.onDialog([&](QDialog &dlg) {
        version = dlg.findChild<QLabel *>(QStringLiteral("versionLabel"))->text();
        buttons = static_cast<int>(dlg.findChildren<QAbstractButton *>().size());
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Tavikon"));
        return int(QDialog::Accepted);
    });
    CMainFrame frame;
    frame.LoadFrameMenu();
    frame.MenuAction(ID_APP_ABOUT)->trigger();
    EXPECT_EQ(prompter.dialogs, QStringList {"CAboutDlg"});
    EXPECT_EQ(version, QStringLiteral("Tavikon Version 1.0"));
    EXPECT_EQ(buttons, 1);
}

TEST(MainFrame, SaveAndExitClosesTheWindowLikeTheCloseBox)
{
    TestHome home;
    FakePrompter prompter;
    CMainFrame frame;
    frame.LoadFrameMenu();
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.MenuAction(ID_PROGRAM_SAVEEXIT)->trigger();
    EXPECT_FALSE(frame.isVisible());
    EXPECT_TRUE(prompter.messages.isEmpty()); // nothing is asked on the way out
}

} // namespace
