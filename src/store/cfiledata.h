#pragma once

#include <QString>
#include <QStringList>

// One file found on a disc when it was scanned. It refers to its disc by number and to its
// folder by the lower-case path in the catalogue's own form (for example "e:\music\live\").
class CFileData
{
public:
    CFileData() = default;

    bool operator==(const CFileData &other) const = default;

    QString m_strFileName; // letter case as on the disc
    QString m_strDiscNumber;
    QString m_strFolder; // lower case, starts with the drive root, ends with a backslash
    QString m_strDrive; // m_strFolder up to and including its first backslash
    QString m_strSize; // size in bytes as decimal text
    QStringList m_lstCategories;
};
