#pragma once

#include "store/ccatalog.h"

#include <QString>
#include <QStringList>

// The file records that the file list shows: those of the selected disc (by its number)
// whose folder is the one selected in the tree. The folder key is the tree path of the
// selection ("12 Holiday\Music\Live", or the disc label alone for its root folder). Records
// keep their folders in lower case and the tree keeps the case of the disc, so every
// comparison ignores letter case; nothing here changes a record by looking at it.
class ShownFolder
{
public:
    ShownFolder(const QString &strCurNumber, const QString &strFolderKey);

    bool Contains(const CFileData &r) const;
    // The folder part of Contains: the record's folder is the one shown, whatever its disc.
    bool HoldsFolderOf(const CFileData &r) const;
    // The first record of the folder with this name, letter case ignored; nullptr if none.
    CFileData *FindFile(CFileList &files, const QString &strName) const;
    // Adds the categories, in order, at the head of the category list of every record of the
    // folder whose name is one of `lstNames` (letter case ignored), unless the record carries
    // them already. Returns the number of records that were tagged.
    int AttachCategories(CFileList &files, const QStringList &lstCategories,
                         const QStringList &lstNames) const;

private:
    QString m_strNumber;
    QString m_strBelowRoot; // the key after its first backslash, lower case
    bool m_bRoot; // the disc itself is selected: its root folder
};
