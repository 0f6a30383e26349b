#include "store/archive.h"
#include "store/treetext.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// What a reader made of the bytes: records or a failure with a message, and records that
// survive a write and a read unchanged.
template<class List, class Read, class Write>
void expectCleanRead(const QByteArray &bytes, Read read, Write write)
{
    List records, again;
    const StoreResult r = read(bytes, records);
    EXPECT_TRUE(r.ok() || !r.message().isEmpty());
    EXPECT_LE(records.size(), bytes.size() / 2);
    ASSERT_TRUE(read(write(records), again).ok());
    EXPECT_EQ(again, records);
}

// Inputs the fuzzers kept (tests/data/store/fuzz/<kind>-<name>, kind being discs, files,
// categories or treetext: the file each reader takes). Each must end in records or in a
// clean failure; a tree is a tree whatever the bytes.
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
            expectCleanRead<CDiscList>(bytes, ReadDiscList, WriteDiscList);
        } else if (kind == QLatin1String("files")) {
            expectCleanRead<CFileList>(bytes, ReadFileList, WriteFileList);
        } else if (kind == QLatin1String("categories")) {
            expectCleanRead<QStringList>(bytes, ReadStringList, WriteStringList);
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
