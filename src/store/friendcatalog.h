#pragma once

#include "store/ccatalog.h"
#include "store/storeresult.h"
#include "store/treetext.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The five files a friend's catalogue folder must hold, in the order they are checked.
extern const QStringList FRIEND_FILES;

// A friend's catalogue: the files of someone else's Data folder, looked at read-only. It
// checks the folder, puts a safety copy of the files into the folder's FriendDataBackUp, and
// reads them into lists and a tree of its own, so the catalogue shown stays untouched until
// everything has read soundly. The files come from someone else: every size, count, line
// and depth is bounded before anything is built from it. Nothing here writes anywhere but
// FriendDataBackUp. The disc tree makes one per load and takes the lists from it.
class FriendCatalog
{
public:
    // Bounds far above any real catalogue (a million files make about 65 MB and a tree of
    // about 100,000 items) and far below what would exhaust the memory or the stack.
    static constexpr qint64 kMaxFileSize = qint64(512) << 20;
    static constexpr qsizetype kMaxTreeItems = 2'000'000;
    static constexpr qsizetype kMaxTreeLine = 64 * 1024; // bytes, indent included
    static constexpr int kMaxTreeDepth = 4096;

    // `folder` is native and ends with '/'.
    explicit FriendCatalog(const QString &folder);

    const QString &Folder() const { return m_strFolder; }
    QString BackupFolder() const; // folder + "FriendDataBackUp"

    // Checks the five files in order and copies each into FriendDataBackUp. The first one
    // missing fails with "File <folder><name> not found"; the copies made before it stay. A
    // file that cannot be read fails too. A folder that cannot take the copies (a burnt
    // disc, no write permission, a full disk) does not fail: CopyProblem() then says why.
    StoreResult Prepare();
    // Empty when every copy was made.
    const QString &CopyProblem() const { return m_strCopyProblem; }

    // Reads what Prepare() kept: the tree, the categories and, when the tree has items or
    // the disc and file lists hold records, the discs and the files. On failure the lists are
    // left empty. A tree that does not fit the records is mended or rebuilt from them in
    // memory, as the home catalogue's would be; TreeNotice() then says so.
    StoreResult Read();
    // What was wrong with the friend's tree and what is shown instead; empty when it fit.
    const QString &TreeNotice() const { return m_strTreeNotice; }

    // Hands the lists read to the catalogue in place of its own and empties its selection
    // list; the tree stays here for the view to show.
    void MoveListsInto(CCatalog &catalog);

    QList<TreeTextNode> m_tree;
    CDiscList m_discs;
    CFileList m_files;
    QStringList m_lstCategories;

private:
    StoreResult ReadTree(const QByteArray &text);
    void FitTree();

    QString m_strFolder;
    QString m_strCopyProblem;
    QString m_strTreeNotice;
    QList<QByteArray> m_bytes; // the five files as read, in the order of FRIEND_FILES
};
