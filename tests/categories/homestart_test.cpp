#include "categories/homestart.h"

#include "platform/chomedirdialog.h"
#include "platform/hints.h"
#include "store/archive.h"
#include "store/homepaths.h"

#include "support/fakeprompter.h"
#include "support/tempdir.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

struct Broadcasts
{
    QList<QPair<int, QString>> sent;
    std::function<void(int, const QString &)> fn()
    {
        return [this](int hint, const QString &text) { sent.append({hint, text}); };
    }
};

FakePrompter::DialogHandler choose(const QString &path)
{
    return [path](QDialog &dialog) {
        auto *home = dynamic_cast<CHomeDirDialog *>(&dialog);
        if (!home)
            return int(QDialog::Rejected);
        home->m_strPath = path;
        return int(QDialog::Accepted);
    };
}

} // namespace

TEST(HomeStart, LaterStartSendsBackupDirThenHome)
{
    TestHome home;
    FakePrompter prompter;
    const QString dir = home.path() + QStringLiteral("/cat/");
    ASSERT_TRUE(WriteHomePaths(dir).ok());
    Broadcasts b;
    EXPECT_TRUE(StartHomeDirectory(nullptr, b.fn()));
    EXPECT_TRUE(prompter.dialogs.isEmpty());
    ASSERT_EQ(b.sent.size(), 2);
    EXPECT_EQ(b.sent[0], qMakePair(HINT_BACKUP_DIR, dir + QStringLiteral("DataBackUp")));
    EXPECT_EQ(b.sent[1], qMakePair(HINT_LOAD_HOME, dir));
}

TEST(HomeStart, CancelEndsTheStartWithoutTouchingAnything)
{
    TestHome home;
    FakePrompter prompter; // rejects every dialog
    Broadcasts b;
    EXPECT_FALSE(StartHomeDirectory(nullptr, b.fn()));
    EXPECT_EQ(prompter.dialogs, QStringList {QStringLiteral("CHomeDirDialog")});
    EXPECT_TRUE(b.sent.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(PathFilePath()));
}

TEST(HomeStart, FirstStartLaysOutTheCatalogueAndRemembersIt)
{
    TestHome home;
    FakePrompter prompter;
    const QString dir = home.path() + u'/';
    prompter.onDialog(choose(dir));
    Broadcasts b;
    ASSERT_TRUE(StartHomeDirectory(nullptr, b.fn()));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'\n').toStdString();
    ASSERT_EQ(b.sent.size(), 2);
    EXPECT_EQ(b.sent[0], qMakePair(HINT_LOAD_HOME, dir));
    EXPECT_EQ(b.sent[1], qMakePair(HINT_BACKUP_DIR, dir + QStringLiteral("DataBackUp")));
    EXPECT_EQ(home.read(QStringLiteral("config/tavikon/Path.dat")), dir.toUtf8());
    EXPECT_EQ(home.read(QStringLiteral("config/tavikon/PathBackUp.dat")),
              (dir + QStringLiteral("DataBackUp")).toUtf8());
    EXPECT_TRUE(QFileInfo(dir + QStringLiteral("Data/FriendDataBaseDir")).isDir());
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("DataBackUp/Tree.tkdt")));
    EXPECT_FALSE(home.read(QStringLiteral("Data/Cat.dat")).isEmpty());
}

TEST(HomeStart, ChosenDirectoryWithACatalogueKeepsIt)
{
    TestHome home;
    FakePrompter prompter;
    const QString dir = home.path() + u'/';
    const QByteArray discs = WriteDiscList({CDisc()});
    ASSERT_TRUE(home.write(QStringLiteral("Data/Tree.tkdt"), "1 Old\r\n"));
    ASSERT_TRUE(home.write(QStringLiteral("Data/Data.dat"), discs));
    prompter.onDialog(choose(dir));
    Broadcasts b;
    ASSERT_TRUE(StartHomeDirectory(nullptr, b.fn()));
    EXPECT_EQ(home.read(QStringLiteral("Data/Tree.tkdt")), QByteArray("1 Old\r\n"));
    EXPECT_EQ(home.read(QStringLiteral("Data/Data.dat")), discs);
    // The backup directory is known before the load, which may have to restore from it.
    ASSERT_EQ(b.sent.size(), 2);
    EXPECT_EQ(b.sent[0].first, HINT_BACKUP_DIR);
    EXPECT_EQ(b.sent[1], qMakePair(HINT_LOAD_HOME, dir));
}

TEST(HomeStart, DirectoryThatCannotHoldACatalogueAsksAgain)
{
    TestHome home;
    FakePrompter prompter;
    ASSERT_TRUE(home.write(QStringLiteral("plainfile"), "x"));
    prompter.onDialog(choose(home.file(QStringLiteral("plainfile")) + QStringLiteral("/sub/")));
    prompter.onDialog([](QDialog &) { return int(QDialog::Rejected); });
    Broadcasts b;
    EXPECT_FALSE(StartHomeDirectory(nullptr, b.fn()));
    EXPECT_EQ(prompter.dialogs.size(), 2);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("plainfile")))
        << prompter.messages[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(PathFilePath()));
    EXPECT_TRUE(b.sent.isEmpty());
}
