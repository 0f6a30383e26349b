#pragma once

#include "store/storeresult.h"

#include <QHash>
#include <QString>

// Where the image file of each disc scanned from an image lives: Data/Images.dat beside the
// catalogue, a small file of our own, so that a file of that disc can be opened later
// without the disc. The catalogue files never hold it, so their bytes stay those of the
// format.
//
// The file is text: a first line "TavikonImages 1" (the version), then one line per disc:
// number, TAB, drive root as recorded ("HOLIDAY2019:\"), TAB, the image's path with every
// byte outside printable ASCII (and '%') percent-encoded. Lines that do not parse are
// skipped; a file of a later version is read as empty and never written over.
class ImageLocations final
{
public:
    struct Location
    {
        QString drive;
        QString imagePath; // native
    };

    static QString FileName() { return QStringLiteral("Images.dat"); }

    // Reads the file; a missing file is an empty list.
    StoreResult Load(const QString &path);
    StoreResult Save(const QString &path) const;

    void Set(const QString &discNumber, const Location &location);
    // Both return whether anything changed, so an unchanged file is not written again.
    bool Remove(const QString &discNumber);
    // The image of disc `from` becomes that of disc `to`; what `to` had goes, since a disc
    // takes only a free number and whatever was left there is stale.
    bool Move(const QString &from, const QString &to);
    // A file of a later version must not be written over.
    bool IsForeign() const { return m_bForeign; }
    // The location of a disc's image, or an empty one.
    Location Find(const QString &discNumber) const { return m_locations.value(discNumber); }

    QByteArray Bytes() const;
    void Parse(const QByteArray &bytes);

private:
    QHash<QString, Location> m_locations;
    bool m_bForeign = false;
};
