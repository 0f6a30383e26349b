#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

// The icons of file types, looked up by the name alone (its extension), never by reading
// the disc: the catalogued files are mostly on discs that are not inserted. One cache per
// process, shared by every owner and kept while any owner lives.
class CShellIconList
{
public:
    CShellIconList();
    ~CShellIconList();
    CShellIconList(const CShellIconList &) = delete;
    CShellIconList &operator=(const CShellIconList &) = delete;

    // The pixel size of the small (16) or large (32) icons.
    static QSize GetImageSize(bool bSmall);
    // The icon for a file name; never null. bOpen is kept for callers that tell open
    // folders from closed ones; files look the same either way.
    QIcon GetIcon(const QString &strFileName, bool bOpen = false) const;

    // Number of owners alive; the cache is dropped when it falls to 0.
    static int OwnerCount();
};
