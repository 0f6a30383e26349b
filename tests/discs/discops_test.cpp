// Disc operations through the real command panel and disc tree on one document: renaming
// and renumbering, deleting, numbers, lending and the disc windows, each checked on screen,
// in memory and in the files after a restart.
#include "commands/ccomandsview.h"
#include "discs/cleftview.h"
#include "platform/appflags.h"
#include "platform/ctavikondoc.h"
#include "platform/hints.h"
#include "store/archive.h"
#include "store/treetext.h"
#include "support/fakeprompter.h"
#include "support/tempdir.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The file list's place in the broadcast; it only listens.
class Listener final : public CView
{
public:
    void OnUpdate(CView *, int, const HintArg &) override { }
    QWidget *viewWidget() override { return &widget; }
    void send(int code, const HintArg &hint = {}) { UpdateAllViews(code, hint); }
    QWidget widget;
};

CDisc disc(const QString &number, const QString &name)
{
    CDisc d;
    d.m_strNumber = number;
    d.m_strName = name;
    d.m_strArtist = name + " artist";
    return d;
}

CFileData file(const QString &number, const QString &name, const QString &size = "1024")
{
    CFileData f;
    f.m_strDiscNumber = number;
    f.m_strFolder = "sr0:\\";
    f.m_strDrive = "sr0:\\";
    f.m_strFileName = name;
    f.m_strSize = size;
    return f;
}

// One run of the program: the panel, the tree and a listener, loaded from the home.
struct Session
{
    explicit Session(const QString &home)
    {
        for (CView *v : {static_cast<CView *>(&panel), static_cast<CView *>(&tree),
                         static_cast<CView *>(&files)})
            doc.AddView(v);
        panel.OnInitialUpdate();
        files.send(HINT_BACKUP_DIR, home + "DataBackUp");
        files.send(HINT_LOAD_HOME, home);
    }
    CTavikonDoc doc;
    CComandsView panel;
    CLeftView tree;
    Listener files;
};

class DiscOps : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theAppFlags().reset();
        // Disc 11 as a scan leaves it: "Untitled" on the tree, "Unbennant" in the record.
        write({disc("11", "Unbennant"), disc("9", "Jazz"), disc("5", "Rock")},
              {file("5", "a.mp3"), file("5", "b.mp3"), file("9", "c.mp3"), file("11", "d.txt")},
              {{0, "5 Rock"}, {1, "live"}, {0, "9 Jazz"}, {0, "11 Untitled"}});
        start();
    }
    void TearDown() override { theAppFlags().reset(); }

    void write(const CDiscList &discs, const CFileList &files, const QList<TreeTextLine> &tree)
    {
        QDir().mkpath(home.file("home/DataBackUp"));
        home.write("home/Data/Data.dat", WriteDiscList(discs));
        home.write("home/Data/FileData.dat", WriteFileList(files));
        home.write("home/Data/Cat.dat", WriteStringList({"Music"}));
        home.write("home/Data/Tree.tkdt", WriteTreeText(tree));
    }
    void start()
    {
        s.reset();
        s = std::make_unique<Session>(home.file("home") + u'/');
    }
    CLeftView &tree() { return s->tree; }
    CCatalog &cat() { return *s->tree.Catalog(); }
    QStringList labels()
    {
        QStringList out;
        for (int i = 0; i < tree().topLevelItemCount(); ++i)
            out << tree().topLevelItem(i)->text(0);
        return out;
    }
    QTreeWidgetItem *item(const QString &label)
    {
        const auto found = tree().findItems(label, Qt::MatchExactly);
        return found.value(0);
    }
    void select(const QString &label) { tree().setCurrentItem(item(label)); }
    QLineEdit *field(const char *name) { return s->panel.findChild<QLineEdit *>(name); }
    void type(const char *name, const QString &text)
    {
        field(name)->selectAll();
        QTest::keyClick(field(name), Qt::Key_Backspace);
        QTest::keyClicks(field(name), text);
    }
    void click(const char *name) { s->panel.findChild<QPushButton *>(name)->click(); }
    // "number:name" of every disc record, and "file:disc" of every file record.
    QStringList records()
    {
        QStringList out;
        for (const CDisc &d : *cat().m_pDiscs)
            out << d.m_strNumber + ':' + d.m_strName;
        for (const CFileData &f : *cat().m_pFiles)
            out << f.m_strFileName + ':' + f.m_strDiscNumber;
        return out;
    }
    QStringList said() { return std::exchange(prompter.messages, {}); }

    TestHome home;
    FakePrompter prompter;
    std::unique_ptr<Session> s;
};

TEST_F(DiscOps, SavingCdDataRelabelsTheDiscAndItsFilesThroughARestart)
{
    // A name typed for a freshly scanned disc reaches the label and stays in the field.
    select("11 Untitled");
    type("cdNameEdit", "Live");
    click("saveButton");
    EXPECT_EQ(said(), QStringList());
    EXPECT_EQ(labels(), (QStringList {"5 Rock", "9 Jazz", "11 Live"}));
    EXPECT_EQ(field("cdNameEdit")->text(), "Live");

    // A new number moves the label and every file record of the disc.
    select("5 Rock");
    type("cdNumberEdit", "7");
    click("saveButton");
    EXPECT_EQ(said(), QStringList());
    EXPECT_EQ(labels(), (QStringList {"7 Rock", "9 Jazz", "11 Live"}));
    EXPECT_EQ(tree().currentItem(), item("7 Rock"));
    EXPECT_EQ(field("cdNumberEdit")->text(), "7");
    EXPECT_EQ(cat().m_strCurNumber, "7");

    // The panel's edit of a disc other than the selected one still finds its item.
    CDisc *jazz = cat().FindDisc("9");
    jazz->m_strOldNumber = "9";
    jazz->m_strNumber = "3";
    s->files.send(HINT_DISC_EDITED, jazz);
    EXPECT_EQ(labels(), (QStringList {"7 Rock", "3 Jazz", "11 Live"}));

    // A record without an item, or a name the tree cannot carry, goes back as it was.
    CDisc stray = disc("40", "Stray");
    stray.m_strOldNumber = "40";
    stray.m_strNumber = "41";
    s->files.send(HINT_DISC_EDITED, &stray);
    CDisc *live = cat().FindDisc("11");
    live->m_strName = "AC\\DC";
    live->m_strOldNumber = "11";
    s->files.send(HINT_DISC_EDITED, live);
    EXPECT_EQ(said().size(), 2);
    EXPECT_EQ(stray.m_strNumber, "40");
    EXPECT_EQ(live->m_strName, "Live");

    const QStringList expected
        = {"11:Live", "3:Jazz", "7:Rock", "a.mp3:7", "b.mp3:7", "c.mp3:3", "d.txt:11"};
    EXPECT_EQ(records(), expected);
    EXPECT_EQ(home.read("home/DataBackUp/Tree.tkdt"), home.read("home/Data/Tree.tkdt"));
    start();
    EXPECT_EQ(labels(), (QStringList {"7 Rock", "3 Jazz", "11 Live"}));
    EXPECT_EQ(records(), expected);
    EXPECT_EQ(item("7 Rock")->childCount(), 1);

    // The renumbered disc is found and saved again under its new number.
    select("7 Rock");
    EXPECT_EQ(cat().FindDisc("7")->m_strArtist, "Rock artist");
    type("cdNameEdit", "Rock Hits");
    click("saveButton");
    EXPECT_EQ(said(), QStringList());
    EXPECT_EQ(labels().value(0), "7 Rock Hits");
}

} // namespace
