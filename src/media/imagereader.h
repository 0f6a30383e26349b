#pragma once

#include "media/entrytree.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <memory>

// Reads the folders and files of a disc image without mounting it: UDF through libudfread
// (DVD and Blu-ray data discs; on a UDF bridge image the UDF side, which has the long names),
// otherwise ISO 9660 through libarchive, with the Rock Ridge or Joliet names when the image
// has them and files of several extents over 4 GiB. Nothing is parsed here.
struct ImageOptions
{
    bool bLookInside = false; // list the entries of the archives on the image as well
    MediaLimits limits;
};

struct ImageContents
{
    bool bOk = false;
    QString error; // why the image cannot be read, to follow its quoted name
    QString label; // volume label, possibly empty
    QString format; // "UDF" or "ISO 9660"
    std::shared_ptr<EntryTree> tree;
    QHash<int, QString> archiveFailures; // archive file node -> why its entries are missing
};

ImageContents ReadImage(const QString &path, const ImageOptions &options);
// The same from memory: what the fuzzer feeds.
ImageContents ReadImageBytes(QByteArrayView bytes, const ImageOptions &options);

// The label and kind alone, to name the image before it is scanned.
ImageContents ProbeImage(const QString &path);

// Copies one file of the image, named by the names of its folders and its own as the image
// gives them, to `destination`. False with `error` set when it is not there or unreadable.
bool ExtractImageFile(const QString &imagePath, const QList<QByteArray> &names,
                      const QString &destination, QString &error);
