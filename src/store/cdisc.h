#pragma once

#include <QString>
#include <QStringList>

// One catalogued disc. Every field is text; the number is the key by which files and the
// tree refer to the disc. Owned by the disc list of CCatalog.
class CDisc
{
public:
    CDisc();

    bool operator==(const CDisc &other) const = default;

    QString m_strNumber;
    QString m_strName;
    QString m_strLocation; // "home" or the person the disc is lent to
    QString m_strQuality;
    QString m_strArtist;
    QString m_strNotes;
    QStringList m_lstCategories; // in the order they were attached
    QString m_strOldNumber; // memory only: the number before the last edit in the command panel
    QString m_strDrive;
    QString m_strSavedDate;
    QString m_strLendDate;
    QString m_strExtra2;
    QString m_strExtra1;
};
