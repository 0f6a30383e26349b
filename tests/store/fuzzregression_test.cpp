#include "store/archive.h"
#include "store/treetext.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// Inputs the fuzzers kept (tests/data/store/fuzz/<kind>-<name>, kind being discs, files,
// categories or treetext: the file each reader takes). Each must end in records or in a
// failure with a message, and what was read must survive a write and a read unchanged.
TEST(FuzzRegression, KeptInputsEndInRecordsOrACleanFailure)
{
    const QDir dir(QStringLiteral(TAVIKON_STORE_DATA "/fuzz"));
    const QStringList inputs = dir.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(inputs.isEmpty()) << "no kept inputs in " << qPrintable(dir.path());
    for (const QString &name : inputs) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
        const QByteArray bytes = file.readAll();
        const QString kind = name.section(u'-', 0, 0);
        SCOPED_TRACE(name.toStdString());
        if (kind == QLatin1String("discs")) {
            CDiscList discs, again;
            const StoreResult r = ReadDiscList(bytes, discs);
            EXPECT_TRUE(r.ok() || !r.message().isEmpty());
            EXPECT_LE(discs.size(), bytes.size() / 2);
            ASSERT_TRUE(ReadDiscList(WriteDiscList(discs), again).ok());
            EXPECT_EQ(again, discs);
        } else if (kind == QLatin1String("files")) {
            CFileList files, again;
            const StoreResult r = ReadFileList(bytes, files);
            EXPECT_TRUE(r.ok() || !r.message().isEmpty());
            EXPECT_LE(files.size(), bytes.size() / 2);
            ASSERT_TRUE(ReadFileList(WriteFileList(files), again).ok());
            EXPECT_EQ(again, files);
        } else if (kind == QLatin1String("categories")) {
            QStringList names, again;
            const StoreResult r = ReadStringList(bytes, names);
            EXPECT_TRUE(r.ok() || !r.message().isEmpty());
            ASSERT_TRUE(ReadStringList(WriteStringList(names), again).ok());
            EXPECT_EQ(again, names);
        } else if (kind == QLatin1String("treetext")) {
            const QList<TreeTextNode> nodes = ReadTreeText(bytes);
            for (qsizetype i = 0; i < nodes.size(); ++i) {
                EXPECT_GE(nodes[i].parent, -1);
                EXPECT_LT(nodes[i].parent, i);
            }
        } else {
            ADD_FAILURE() << "unknown kind of input";
        }
    }
}

} // namespace
