#include "categories/homestart.h"

#include "platform/chomedirdialog.h"
#include "platform/hints.h"
#include "store/archive.h"
#include "store/homepaths.h"

#include "support/fakeprompter.h"
#include "support/tempdir.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// A fresh configuration and home, with the start's broadcasts recorded.
class HomeStart : public ::testing::Test
{
protected:
    bool start()
    {
        return StartHomeDirectory(nullptr, [this](int hint, const QString &text) {
            sent.append({hint, text});
        });
    }
    TestHome home;
    FakePrompter prompter; // rejects every dialog it has no handler for
    const QString dir = home.path() + u'/';
    using Sent = QList<QPair<int, QString>>;
    Sent sent;
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

TEST_F(HomeStart, LaterStartSendsBackupDirThenHome)
{
    const QString cat = dir + "cat/";
    ASSERT_TRUE(WriteHomePaths(cat).ok());
    EXPECT_TRUE(start());
    EXPECT_TRUE(prompter.dialogs.isEmpty());
    EXPECT_EQ(sent, (Sent {{HINT_BACKUP_DIR, cat + "DataBackUp"}, {HINT_LOAD_HOME, cat}}));
}

// A directory that cannot hold a catalogue asks again; Cancel then ends the start having
// written and sent nothing.
TEST_F(HomeStart, UnusableDirectoryAsksAgainAndCancelEndsTheStart)
{
    ASSERT_TRUE(home.write("plainfile", "x"));
    prompter.onDialog(choose(home.file("plainfile") + "/sub/"));
    prompter.onDialog([](QDialog &) { return int(QDialog::Rejected); });
    EXPECT_FALSE(start());
    EXPECT_EQ(prompter.dialogs, QStringList(2, "CHomeDirDialog"));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains("plainfile")) << prompter.messages[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(PathFilePath()));
    EXPECT_TRUE(sent.isEmpty());
}

// The first start lays out a new catalogue, or keeps the one the chosen directory holds (then
// the backup directory is known before the load, which may have to restore from it), and
// remembers the directory.
TEST_F(HomeStart, FirstStartKeepsOrLaysOutTheCatalogueAndRemembersIt)
{
    prompter.onDialog(choose(dir));
    ASSERT_TRUE(start());
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'\n').toStdString();
    EXPECT_EQ(sent, (Sent {{HINT_LOAD_HOME, dir}, {HINT_BACKUP_DIR, dir + "DataBackUp"}}));
    EXPECT_EQ(home.read("config/tavikon/Path.dat"), dir.toUtf8());
    EXPECT_FALSE(home.read("Data/Cat.dat").isEmpty());

    const QByteArray discs = WriteDiscList({CDisc()});
    ASSERT_TRUE(home.write("Data/Tree.tkdt", "1 Old\r\n") && home.write("Data/Data.dat", discs));
    ASSERT_TRUE(QFile::remove(PathFilePath()));
    sent.clear();
    ASSERT_TRUE(start());
    EXPECT_EQ(home.read("Data/Tree.tkdt"), QByteArray("1 Old\r\n"));
    EXPECT_EQ(home.read("Data/Data.dat"), discs);
    EXPECT_EQ(sent, (Sent {{HINT_BACKUP_DIR, dir + "DataBackUp"}, {HINT_LOAD_HOME, dir}}));
}
