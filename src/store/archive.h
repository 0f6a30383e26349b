#pragma once

#include "store/ccatalog.h"
#include "store/storeresult.h"

#include <QByteArray>
#include <QByteArrayView>

// The byte format of Data.dat, FileData.dat and Cat.dat: the object archive that catalogues
// on every system share. Strings that fit Windows-1252 are written one byte a character, all
// others in the archive's wide form, so names are never lost.

QByteArray WriteDiscList(const CDiscList &discs);
QByteArray WriteFileList(const CFileList &files);
QByteArray WriteStringList(const QStringList &strings);

// Reading treats the bytes as untrusted. It appends to `out` and stops at the first damage
// with a failure; the records read before it stay in `out`.
StoreResult ReadDiscList(QByteArrayView bytes, CDiscList &out);
StoreResult ReadFileList(QByteArrayView bytes, CFileList &out);
StoreResult ReadStringList(QByteArrayView bytes, QStringList &out);
