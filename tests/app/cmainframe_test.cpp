#include "app/cmainframe.h"
#include "app/ctavikonapp.h"
#include "chrome/elidedtooltips.h"
#include "commands/ccomandsview.h"
#include "discs/cleftview.h"
#include "files/ctavikonview.h"
#include "platform/appflags.h"
#include "platform/chomedirdialog.h"
#include "resources/menus.h"
#include "resources/resource.h"
#include "store/catalogstore.h"
#include "store/homepaths.h"
#include "support/fakeprompter.h"
#include "support/tempdir.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeySequence>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

// The real program started on a temporary home, which the first start is given.
struct RunningApp
{
    TestHome home;
    FakePrompter prompter;
    CTavikonApp app;

    RunningApp()
    {
        prompter.onDialog([this](QDialog &dlg) {
            static_cast<CHomeDirDialog &>(dlg).m_strPath = home.path() + u'/';
            return int(QDialog::Accepted);
        });
        started = app.InitInstance();
    }
    CMainFrame *frame() const { return app.MainFrame(); }
    bool started = false;
};

// The window opens maximised with its caption and the four panes in order; every control a
// person can use in them has a name to announce and can take the focus. "Help Themes" opens
// the help page beside the program whichever pane is active: the frame's command, or the
// command panel's own when it is the active pane.
TEST(MainFrame, StartsMaximisedWithNamedFocusableControlsAndHelpFromEveryPane)
{
    RunningApp run;
    ASSERT_TRUE(run.started) << run.prompter.messages.join(';').toStdString();
    CMainFrame *frame = run.frame();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tavikon - TK "));
    EXPECT_TRUE(frame->windowState() & Qt::WindowMaximized);
    QStringList panes;
    for (int i = 0; i < frame->Splitter()->count(); ++i)
        panes << frame->Splitter()->widget(i)->objectName();
    EXPECT_EQ(panes, (QStringList {"CComandsView", "CLeftView", "CTavikonView", "CCatView"}));

    QStringList unnamed;
    for (QWidget *w : frame->Splitter()->findChildren<QWidget *>()) {
        const bool control = qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w)
            || qobject_cast<QAbstractItemView *>(w) || qobject_cast<QPlainTextEdit *>(w);
        if (!control || !w->isVisibleTo(frame) || w->inherits("QHeaderView"))
            continue;
        const auto *button = qobject_cast<QAbstractButton *>(w);
        const bool named
            = !w->accessibleName().isEmpty() || (button && !button->text().remove(u'&').isEmpty());
        if (!named || w->focusPolicy() == Qt::NoFocus)
            unnamed << w->objectName() + u'(' + QString::fromLatin1(w->metaObject()->className())
                    + u')';
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(u' ').toStdString();

    for (CView *pane :
         {static_cast<CView *>(frame->LeftView()), static_cast<CView *>(frame->CommandsView())}) {
        frame->SetActiveView(pane);
        frame->MenuAction(ID_HELP_FINDER)->trigger();
    }
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath("help/help.html");
    EXPECT_EQ(run.prompter.opened, QStringList({beside, beside}));
    EXPECT_TRUE(run.prompter.messages.isEmpty());
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

// At 1366x768 and 1920x1080: the disc tree shows a thirty-character disc label whole; the
// file names take the width the size and type leave; a longer label makes the tree scroll
// sideways, and cut texts show whole in a tip.
TEST(MainFrame, LayoutUsesTheScreenAndShowsCutTextsInTips)
{
    TestHome home;
    FakePrompter prompter;
    for (const QSize screen : {QSize(1366, 768), QSize(1920, 1080)}) {
        CMainFrame frame;
        frame.resize(screen);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        EXPECT_GE(frame.Splitter()->sizes().value(1), 200);

        CLeftView *tree = frame.LeftView();
        auto *usual = new QTreeWidgetItem(tree, {"123 A disc name of thirty chars"});
        new QTreeWidgetItem(usual, {"Folder"});
        tree->expandAll();
        // (QTRY_VERIFY would only print a failure; gtest must see it.)
        EXPECT_TRUE(QTest::qWaitFor([&] { return !tree->horizontalScrollBar()->isVisible(); }));
        EXPECT_TRUE(ElidedToolTips::TipAt(tree, tree->visualItemRect(usual).center()).isEmpty());
        auto *longer = new QTreeWidgetItem(tree, {"124 " + QString(200, u'x')});
        EXPECT_TRUE(QTest::qWaitFor([&] { return tree->horizontalScrollBar()->isVisible(); }));
        EXPECT_EQ(ElidedToolTips::TipAt(tree, tree->visualItemRect(longer).center()),
                  longer->text(0));

        CTavikonView *files = frame.FilesView();
        QHeaderView *header = files->header();
        EXPECT_EQ(header->sectionSize(0) + header->sectionSize(1) + header->sectionSize(2),
                  files->viewport()->width());
        EXPECT_GT(header->sectionSize(0), files->viewport()->width() / 2);
    }
}

// (The menus themselves are compared with their resource with the menu drawing.) About opens
// its dialog.
TEST(MainFrame, MenuItemsFollowTheFlagsAndAboutOpensItsDialog)
{
    TestHome home;
    FakePrompter prompter;
    theAppFlags().reset();
    CMainFrame frame;
    frame.LoadFrameMenu();
    // The items follow the flags whenever a menu opens: at start, then for a friend's
    // catalogue shown with large icons.
    const int ids[] = {ID_EDIT_CDSCAN,       ID_EDIT_DELETECD,       ID_LEND_LENDTO,
                       ID_LEND_GETBACK,      ID_DATABASE_LOADFRIEND, ID_VIEW_LARGEICONS,
                       ID_DATABASE_BACKHOME, ID_VIEW_SMALLICONS,     ID_EDIT_FINDGAPS};
    const auto enabled = [&] {
        QList<bool> states;
        for (int id : ids)
            states << frame.MenuAction(id)->isEnabled();
        return states;
    };
    EXPECT_EQ(enabled(), (QList<bool> {true, true, true, true, true, true, false, false, true}));
    theAppFlags().m_bEditAllowed = 0;
    theAppFlags().m_bHomeDatabase = 0;
    theAppFlags().m_bSmallIcons = 0;
    frame.UpdateMenuStates();
    EXPECT_EQ(enabled(),
              (QList<bool> {false, false, false, false, false, false, true, true, true}));
    theAppFlags().reset();
    frame.MenuAction(ID_APP_ABOUT)->trigger();
    EXPECT_EQ(prompter.dialogs, QStringList {"CAboutDlg"});
}

// The help page names every item of the menus and every key of the accelerator table, and
// shows its pictures; read as text, the way a person reads it.
TEST(MainFrame, HelpPageCoversEveryMenuItemAndKey)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("help/help.html");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QString html = QString::fromUtf8(file.readAll());
    QTextDocument document;
    document.setHtml(html);
    const QString text = document.toPlainText().simplified();
    QStringList missing;
    for (const PopupDef &popup : MenuResource(IDR_MAINFRAME))
        for (const MenuItemDef &item : popup.items) {
            // "&&" is an ampersand, a single "&" marks the mnemonic.
            const QString shown
                = QString(item.text).replace("&&", "\t").remove(u'&').replace(u'\t', u'&');
            if (item.id != 0 && !text.contains(shown.trimmed().remove(" ...")))
                missing << shown;
        }
    for (const AccelDef &accel : AcceleratorTable()) {
        const QString key = QKeySequence(accel.key).toString().replace("Return", "Enter");
        if (!text.contains(key))
            missing << key;
    }
    static const QRegularExpression image("src=\"([^\"]+)\"");
    for (auto m = image.globalMatch(html); m.hasNext();) {
        const QString picture = m.next().captured(1);
        if (!QFileInfo(QFileInfo(path).dir().filePath(picture)).isFile())
            missing << picture;
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(", ").toStdString();
    EXPECT_FALSE(text.contains("Unbennant")) << "the tree says Untitled";
}

// Every file under a directory with its bytes, to show that nothing was written.
QMap<QString, QByteArray> contentsOf(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(file.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
    }
    return files;
}

// The first start leaves a backup that a restore can read. A second copy of the program on
// the same catalogue says so and ends without writing anything.
TEST(MainFrame, FirstStartBacksUpAndASecondCopyLeavesTheCatalogueAlone)
{
    RunningApp run;
    ASSERT_TRUE(run.started) << run.prompter.messages.join(';').toStdString();
    const QString dir = run.home.path() + u'/';
    CatalogStore store;
    store.SetActiveDir(dir);
    store.SetBackupDir(BackupDirFor(dir));
    CCatalog restored;
    QList<TreeTextNode> tree;
    const StoreResult r = store.RestoreCatalog(restored, tree);
    EXPECT_TRUE(r.ok()) << r.message().toStdString();
    EXPECT_EQ(restored.m_lstCategories, DEFAULT_CATEGORIES);

    const auto before = contentsOf(dir);
    run.prompter.messages.clear();
    CTavikonApp second;
    EXPECT_FALSE(second.InitInstance());
    EXPECT_EQ(second.ExitCode(), 1);
    EXPECT_EQ(run.prompter.messages.size(), 1);
    EXPECT_TRUE(run.prompter.messages.value(0).contains("already open in another copy"))
        << run.prompter.messages.join(';').toStdString();
    EXPECT_EQ(contentsOf(dir), before);
}

// A save that fails at the close asks before the changes are lost: No keeps the window (and a
// close once the cause is mended saves), Yes closes unsaved; when the session ends nobody is
// asked and the window closes. The teardown says nothing more.
TEST(MainFrame, CloseWhoseSaveFailsAsksBeforeLosingTheChanges)
{
    enum Way { No, Yes, SessionEnds };
    for (const Way way : {No, Yes, SessionEnds}) {
        SCOPED_TRACE(int(way));
        RunningApp run;
        ASSERT_TRUE(run.started) << run.prompter.messages.join(';').toStdString();
        CMainFrame *frame = run.frame();
        const QString data = run.home.file(QStringLiteral("Data"));
        ASSERT_TRUE(QDir().rename(data, data + QStringLiteral(".away")));
        ASSERT_TRUE(run.home.write(QStringLiteral("Data"), "not a folder"));
        run.prompter.messages.clear();
        if (way == SessionEnds) {
            run.app.EndSession();
            EXPECT_TRUE(QTest::qWaitFor([&] { return !frame->isVisible(); }));
        } else {
            run.prompter.answers = {way == Yes};
            EXPECT_EQ(frame->close(), way == Yes);
            EXPECT_EQ(frame->isVisible(), way == No);
            ASSERT_EQ(run.prompter.questions.size(), 1);
            EXPECT_TRUE(run.prompter.questions[0].contains("Close Tavikon without saving?"));
        }
        if (way == No) {
            ASSERT_TRUE(QFile::remove(data));
            ASSERT_TRUE(QDir().rename(data + QStringLiteral(".away"), data));
            EXPECT_TRUE(frame->close());
            EXPECT_EQ(run.prompter.questions.size(), 1);
        }
        run.app.ExitInstance();
        EXPECT_TRUE(run.prompter.messages.isEmpty())
            << run.prompter.messages.join(';').toStdString();
        EXPECT_EQ(run.prompter.questions.size(), way == SessionEnds ? 0 : 1);
    }
}

} // namespace
