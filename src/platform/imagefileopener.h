#pragma once

#include "store/cfiledata.h"

#include <QString>

// Opening a file of a disc that was scanned from an image file: Data/Images.dat names the
// image; when it is still there, the file is copied out of it into a folder of the caller's
// (a temporary one), ready to be handed to the desktop. A file recorded inside an archive
// opens the archive itself, copied out the same way. Uses no widgets; the opening of files
// calls it before it looks for the disc in a drive.
struct ImageFileOpening
{
    enum Outcome {
        NoImage, // the disc was not scanned from an image, or the image is gone
        Extracted, // `path` is the copy
        Failed, // the image is there but the file could not be copied; `error` says why
    };
    Outcome outcome = NoImage;
    QString path;
    QString imagePath;
    QString error;
};

// `homeDir` ends with '/'; `targetDir` is where the copy goes.
ImageFileOpening ExtractFromDiscImage(const QString &homeDir, const CFileData &record,
                                      const QString &targetDir);
