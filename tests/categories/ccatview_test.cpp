#include "categories/ccatview.h"
#include "chrome/sortheader.h"
#include "chrome/sortlistctrl.h"
#include "platform/appflags.h"
#include "platform/ctavikondoc.h"
#include "platform/hints.h"
#include "platform/tokens.h"
#include "resources/resource.h"
#include "store/ccatalog.h"
#include "support/fakeprompter.h"
#include "support/records.h"
#include "support/stubview.h"
#include "support/tempdir.h"
#include "support/widgets.h"

#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The three default discs: disc 1 (selected) carries Drama and Music, disc 2 Games and
// Drama; two files carry Drama.
void MakeCatalogue(CCatalog &cat)
{
    for (const char *name :
         {"Music", "Video", "Games", "Movies", "Software", "Action", "Drama", "Komedy"})
        cat.m_lstCategories.prepend(QString::fromLatin1(name));
    CDisc one = MakeDisc("1"), two = MakeDisc("2");
    one.m_strNotes = "first line\r\nsecond line";
    one.m_lstCategories = {"Drama", "Music"};
    two.m_lstCategories = {"Games", "Drama"};
    *cat.m_pDiscs = {two, one};
    *cat.m_pFiles = {MakeFile("1", "e:\\", "a.mp3", "1", {"Drama"}),
                     MakeFile("1", "e:\\", "b.avi", "1", {"Video", "Drama"})};
    cat.m_strCurNumber = "1";
}

// The real panel between stub panes, on a fresh working directory, shown offscreen.
struct Panel
{
    TestHome home;
    QString oldCwd = QDir::currentPath();
    CTavikonDoc doc;
    StubView commands, tree, files;
    CCatView view;
    CCatalog catalog;
    std::unique_ptr<FakePrompter> prompter;
    std::vector<int> menus; // menus the panel tracked
    int menuChoice = 0;

    Panel()
    {
        theAppFlags().reset();
        QDir::setCurrent(home.path());
        for (CView *v : {static_cast<CView *>(&commands), static_cast<CView *>(&tree),
                         static_cast<CView *>(&files), static_cast<CView *>(&view)})
            doc.AddView(v);
        {
            FakePrompter start; // whatever the home start asks is answered with Cancel
            doc.InitialUpdateAll();
        }
        prompter = std::make_unique<FakePrompter>();
        view.SetMenuTracker([this](int id, const QPoint &) {
            menus.push_back(id);
            return menuChoice;
        });
        MakeCatalogue(catalog);
        view.resize(165, 700);
        view.show();
        select();
    }
    ~Panel()
    {
        QDir::setCurrent(oldCwd);
        theAppFlags().reset();
    }

    void select() { tree.send(HINT_SELECTION, HintArg(&catalog)); }
    CSortListCtrl *all() const { return view.findChild<CSortListCtrl *>("allList"); }
    CSortListCtrl *attached() const { return view.findChild<CSortListCtrl *>("attachedList"); }
    QLineEdit *newName() const { return view.findChild<QLineEdit *>("newCategoryEdit"); }
    QPushButton *create() const { return view.findChild<QPushButton *>("createButton"); }
    QStringList messages() const { return prompter->messages; }
    void pick(const QStringList &names) { Pick(all(), names); }
    void createNamed(const QString &name)
    {
        newName()->setText(name);
        QTest::mouseClick(create(), Qt::LeftButton);
    }
    // Renames through F2 and the in-place editor, as a person does.
    void rename(const QString &from, const QString &to)
    {
        pick({from});
        ASSERT_TRUE(view.OnCommand(ID_ACCEL_RENAME));
        QLineEdit *editor = openEditor();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text(), from);
        editor->setText(to);
        QTest::keyClick(editor, Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return openEditor() == nullptr; }));
    }
    // The in-place editor now open; closed ones may linger until they are deleted.
    QLineEdit *openEditor() const
    {
        for (QLineEdit *edit : all()->viewport()->findChildren<QLineEdit *>())
            if (edit->isVisible())
                return edit;
        return nullptr;
    }
    bool waitForMessages(qsizetype n)
    {
        return QTest::qWaitFor([&] { return prompter->messages.size() >= n; });
    }
    // The searches the tree was asked for.
    QStringList searches() const
    {
        QStringList out;
        for (const QString &hint : tree.log)
            if (hint.startsWith("5:"))
                out << hint;
        return out;
    }
    // The categories of disc 1, disc 2 and the two files, in that order.
    QList<QStringList> records() const
    {
        return {catalog.FindDisc("1")->m_lstCategories, catalog.FindDisc("2")->m_lstCategories,
                catalog.m_pFiles->at(0).m_lstCategories, catalog.m_pFiles->at(1).m_lstCategories};
    }
};

const QStringList kDefaultRows {"Music",    "Video",  "Games", "Movies",
                                "Software", "Action", "Drama", "Komedy"};

TEST(CategoryPanel, ShowsOldestFirstAndCreatesBelowWithExactNames)
{
    Panel p;
    EXPECT_EQ(Texts(p.all()), kDefaultRows);

    p.createNamed("music"); // differs from "Music" only by case, so it is no refusal below
    EXPECT_EQ(Texts(p.all()).last(), "music");
    EXPECT_EQ(p.catalog.m_lstCategories.first(), "music");
    EXPECT_TRUE(p.newName()->text().isEmpty());

    p.createNamed("Music");
    p.createNamed(QString());
    p.createNamed("   "); // blanks alone are an empty name
    EXPECT_EQ(p.messages(), QStringList(3, "This category is already on your list!"));
    // Blanks around a name go; Return in the field creates, as the button does.
    p.newName()->setText(" Blues  ");
    QTest::keyClick(p.newName(), Qt::Key_Return);
    EXPECT_EQ(p.catalog.m_lstCategories.first(), "Blues");
    EXPECT_EQ(p.catalog.m_lstCategories.size(), 10);

    // Later selections do not refill the list; a friend's catalogue does, and so does home.
    CCatalog friends;
    friends.m_lstCategories = {"Jazz"};
    p.tree.send(HINT_SELECTION, HintArg(&friends));
    EXPECT_EQ(Texts(p.all()).size(), 10);
    p.commands.send(HINT_LOAD_FRIEND, HintArg("/friend/"));
    p.tree.send(HINT_SELECTION, HintArg(&friends));
    EXPECT_EQ(Texts(p.all()), QStringList {"Jazz"});
    p.select();
    p.commands.send(HINT_HOME_DATA, HintArg(Tokens::HomeData));
    EXPECT_EQ(Texts(p.all()).size(), 10);
}

TEST(CategoryPanel, SelectedDiscShowsItsCategoriesAndNoteAndTakesAttachAndDetach)
{
    Panel p;
    auto *note = p.view.findChild<QPlainTextEdit *>("noteEdit");
    EXPECT_EQ(Texts(p.attached()), (QStringList {"Music", "Drama"}));
    EXPECT_EQ(note->toPlainText(), "first line\nsecond line");

    // Music is carried already and stays once; the last picked ends up at the bottom.
    p.pick({"Video", "Games", "Music"});
    EXPECT_TRUE(p.view.OnCommand(ID_CAT_ATTACHTOCD));
    EXPECT_EQ(p.records()[0], (QStringList {"Games", "Video", "Drama", "Music"}));
    EXPECT_EQ(Texts(p.attached()), (QStringList {"Music", "Drama", "Video", "Games"}));
    for (int i : {1, 2})
        p.attached()->topLevelItem(i)->setSelected(true);
    EXPECT_TRUE(p.view.OnCommand(ID_CDCAT_DELETE));
    EXPECT_EQ(p.records()[0], (QStringList {"Games", "Music"}));
    EXPECT_EQ(Texts(p.attached()), (QStringList {"Music", "Games"}));

    // A number without a disc empties the attached list and leaves the note alone.
    p.catalog.m_strCurNumber = "7";
    p.select();
    EXPECT_TRUE(Texts(p.attached()).isEmpty());
    EXPECT_EQ(note->toPlainText(), "first line\nsecond line");

    // Save Note writes the edited text, with the stored line ends, to the selected disc.
    p.catalog.m_strCurNumber = "2";
    p.select();
    EXPECT_TRUE(note->toPlainText().isEmpty());
    note->setPlainText("lent twice\nscratched");
    QTest::mouseClick(p.view.findChild<QPushButton *>("saveNoteButton"), Qt::LeftButton);
    EXPECT_EQ(p.catalog.FindDisc("2")->m_strNotes, "lent twice\r\nscratched");
    EXPECT_EQ(p.catalog.FindDisc("1")->m_strNotes, "first line\r\nsecond line");
    EXPECT_TRUE(p.searches().isEmpty()); // saving the note broadcasts nothing

    // Enter and Shift+Enter make new lines; Ctrl+Enter saves the note typed last, and then
    // does what it did before (View CDs, which sends a search).
    note->clear();
    QTest::keyClicks(note, "a");
    QTest::keyClick(note, Qt::Key_Return);
    QTest::keyClicks(note, "b");
    QTest::keyClick(note, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
    QTest::keyClicks(note, "c");
    p.view.OnCommand(ID_ACCEL_CTRLENTER);
    EXPECT_EQ(p.catalog.FindDisc("2")->m_strNotes, "a\r\nb\r\nc");
    EXPECT_TRUE(p.searches().isEmpty());
    p.view.OnCommand(ID_ACCEL_CTRLENTER);
    EXPECT_FALSE(p.searches().isEmpty());
}

TEST(CategoryPanel, RenameChangesEveryRecordAndTheAttachedList)
{
    Panel p;
    p.rename("Drama", " Thriller "); // blanks around a name go
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.catalog.m_lstCategories.first() == "Thriller"; }));
    EXPECT_FALSE(p.catalog.m_lstCategories.contains("Drama"));
    EXPECT_EQ(Texts(p.all())[6], "Thriller"); // renamed in place
    EXPECT_EQ(
        p.records(),
        (QList<QStringList> {
            {"Thriller", "Music"}, {"Thriller", "Games"}, {"Thriller"}, {"Thriller", "Video"}}));
    EXPECT_EQ(Texts(p.attached()), (QStringList {"Music", "Thriller"}));

    // Its own name and another existing name are refused; an empty one changes nothing.
    const QStringList before = p.catalog.m_lstCategories;
    p.rename("Music", QString());
    p.rename("Music", "  ");
    p.rename("Music", "Music");
    ASSERT_TRUE(p.waitForMessages(1));
    p.rename("Video", "Games ");
    ASSERT_TRUE(p.waitForMessages(2));
    EXPECT_EQ(p.messages(), QStringList(2, "This category is already on your list!"));
    EXPECT_EQ(p.catalog.m_lstCategories, before);
    EXPECT_EQ(Texts(p.all())[1], "Video");

    // Escape ends the edit without a word.
    p.pick({"Video"});
    p.view.OnCommand(ID_RENAME);
    QLineEdit *editor = p.openEditor();
    ASSERT_NE(editor, nullptr);
    editor->setText("Clips");
    QTest::keyClick(editor, Qt::Key_Escape);
    p.rename("Video", "Music");
    ASSERT_TRUE(p.waitForMessages(3));
    EXPECT_EQ(p.catalog.m_lstCategories, before);
}

// A friend's catalogue is looked at, not changed: rename, delete, attach and detach are
// refused with their texts; only Ctrl+Enter still creates while the button is off.
TEST(CategoryPanel, FriendsDatabaseRefusesChangesAndDisablesCreate)
{
    Panel p;
    p.commands.send(HINT_ENABLE, HintArg(Tokens::EnableFalse));
    EXPECT_FALSE(p.create()->isEnabled());
    theAppFlags().m_bEditAllowed = 0;

    p.rename("Drama", " Thriller ");
    ASSERT_TRUE(p.waitForMessages(1));
    EXPECT_TRUE(p.view.OnCommand(ID_DELETE)); // Drama is still picked
    p.view.OnCommand(ID_CAT_ATTACHTOCD);
    p.attached()->topLevelItem(0)->setSelected(true);
    p.view.OnCommand(ID_CDCAT_DELETE);
    EXPECT_EQ(p.messages(),
              (QStringList {"Unautorised Action", "Unautorised Action!!!", "Unautoriesed Action!!!",
                            "Unautorised Action!!!"}));
    EXPECT_TRUE(p.prompter->dialogs.isEmpty());
    EXPECT_EQ(Texts(p.all()), kDefaultRows);
    EXPECT_EQ(p.records()[0], (QStringList {"Drama", "Music"}));

    p.newName()->setText("Jazz");
    p.view.OnCommand(ID_ACCEL_CTRLENTER);
    EXPECT_EQ(p.catalog.m_lstCategories.first(), "Jazz");

    p.tree.send(HINT_ENABLE, HintArg(Tokens::EnableTrue));
    EXPECT_TRUE(p.create()->isEnabled());
    EXPECT_EQ(theAppFlags().m_bEditAllowed, 1);
}

TEST(CategoryPanel, DeleteAsksThenRemovesFromEveryRecord)
{
    Panel p;
    p.pick({"Drama"});
    bool answerOk = false;
    p.prompter->onDialog([&answerOk](QDialog &dlg) {
        dlg.findChild<QPushButton *>(answerOk ? "okButton" : "cancelButton")->click();
        return dlg.result();
    });
    p.view.OnCommand(ID_ACCEL_DELETE);
    EXPECT_EQ(p.prompter->dialogs, QStringList {"categoryDeleteDialog"});
    EXPECT_EQ(p.catalog.m_lstCategories.size(), 8);
    EXPECT_EQ(Texts(p.attached()), (QStringList {"Music", "Drama"}));

    answerOk = true;
    p.pick({"Drama"});
    p.view.OnCommand(ID_DELETE);
    EXPECT_FALSE(p.catalog.m_lstCategories.contains("Drama"));
    EXPECT_EQ(Texts(p.all()).size(), 7);
    // A category only another disc carries leaves the attached list as it is.
    p.pick({"Games"});
    p.view.OnCommand(ID_DELETE);
    EXPECT_EQ(p.records(), (QList<QStringList> {{"Music"}, {}, {}, {"Video"}}));
    EXPECT_EQ(Texts(p.attached()), QStringList {"Music"});
    EXPECT_TRUE(p.messages().isEmpty());
}

TEST(CategoryPanel, ViewCdsSendsTheSearchWithTheSelectedCategories)
{
    Panel p;
    p.pick({"Video", "Drama"});
    EXPECT_TRUE(p.view.OnCommand(ID_CAT_VIEWCDS));
    EXPECT_EQ(p.searches(), QStringList {"5:*|names|byCat"});
    EXPECT_EQ(p.catalog.m_lstSelection, (QStringList {"Drama", "Video"}));

    // The search chain of the command panel replaces what an earlier step left there.
    p.catalog.m_lstSelection = QStringList {"a.mp3"};
    p.pick({"Music"});
    p.commands.send(HINT_COLLECT_CATEGORIES, HintArg(Tokens::Cats));
    EXPECT_EQ(p.catalog.m_lstSelection, QStringList {"Music"});
    EXPECT_EQ(p.searches().size(), 1);

    // Ctrl+Enter with an empty field and a double click both view; no selection sends none.
    p.all()->clearSelection();
    p.view.OnCommand(ID_ACCEL_CTRLENTER);
    EXPECT_TRUE(p.catalog.m_lstSelection.isEmpty());
    const QRect row = p.all()->visualItemRect(p.all()->topLevelItem(3));
    QTest::mouseClick(p.all()->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(p.all()->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseRelease(p.all()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(p.searches().size(), 3);
    EXPECT_EQ(p.catalog.m_lstSelection, QStringList {"Movies"});
    EXPECT_EQ(p.catalog.m_lstCategories.size(), 8);
}

TEST(CategoryPanel, CommandsAreForwardedAndContextMenusFollowWhereTheUserClicked)
{
    Panel p;
    // One sample of the shared forwarding table, which is tested with the document.
    p.commands.log.clear();
    EXPECT_TRUE(p.view.OnCommand(ID_LEND_LENDTO));
    EXPECT_EQ(p.commands.log, QStringList {"56:OnLendLendto"});
    EXPECT_FALSE(p.view.OnCommand(ID_ACCEL_SAVEDATA)); // the command panel's own key

    p.all()->clearSelection();
    RightClick(p.all()->viewport());
    EXPECT_TRUE(p.menus.empty());

    p.pick({"Games"});
    // The menu key on the focused list.
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5),
                          p.all()->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(p.all(), &key);
    EXPECT_EQ(p.menus, std::vector<int> {IDR_CAT_MENU});

    // A left click on a row of the attached list readies "CD Category" for the next request.
    const QRect row = p.attached()->visualItemRect(p.attached()->topLevelItem(0));
    QTest::mouseClick(p.attached()->viewport(), Qt::LeftButton, {}, row.center());
    p.menuChoice = ID_CAT_VIEWCDS;
    RightClick(p.all()->viewport());
    EXPECT_EQ(p.menus, (std::vector<int> {IDR_CAT_MENU, IDR_CAT_MENU, IDR_CDCAT_MENU}));
    // The command chosen from the pop-up runs: View CDs was picked from both menus.
    EXPECT_EQ(p.searches().size(), 2);
    EXPECT_EQ(p.catalog.m_lstSelection, QStringList {"Games"});
}

TEST(CategoryPanel, HeaderClicksSortTheDisplayOnly)
{
    Panel p;
    p.createNamed("action");
    CSortHeader *header = p.all()->SortHeader();
    const QPoint title(header->sectionViewportPosition(0) + 10, header->height() / 2);
    p.pick({"Komedy"});
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, title);
    EXPECT_EQ(Texts(p.all()),
              (QStringList {"Action", "action", "Drama", "Games", "Komedy", "Movies", "Music",
                            "Software", "Video"}));
    ASSERT_EQ(p.all()->selectedItems().size(), 1);
    EXPECT_EQ(p.all()->selectedItems().first()->text(0), "Komedy");

    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, title);
    EXPECT_EQ(Texts(p.all()).first(), "Video");
    EXPECT_EQ(p.catalog.m_lstCategories.first(), "action");
    EXPECT_EQ(p.catalog.m_lstCategories.last(), "Music");
}

TEST(CategoryPanel, NothingIsClippedAtTheStartWidthOrWhenResized)
{
    Panel p;
    EXPECT_LE(p.view.minimumSizeHint().width(), 165);
    EXPECT_LE(p.view.minimumSizeHint().height(), 500);
    for (const QSize size : {QSize(165, 650), QSize(165, 500), QSize(320, 700)}) {
        p.view.resize(size);
        p.view.layout()->activate();
        EXPECT_EQ(ClippedWidgets(&p.view, true), QStringList())
            << size.width() << "x" << size.height();
    }
}

} // namespace
