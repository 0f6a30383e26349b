#include "store/archive.h"

// Placeholder until the store lands.
QByteArray WriteDiscList(const CDiscList &) { return {}; }
QByteArray WriteFileList(const CFileList &) { return {}; }
QByteArray WriteStringList(const QStringList &) { return {}; }
StoreResult ReadDiscList(QByteArrayView, CDiscList &) { return StoreResult::failure(QStringLiteral("not built")); }
StoreResult ReadFileList(QByteArrayView, CFileList &) { return StoreResult::failure(QStringLiteral("not built")); }
StoreResult ReadStringList(QByteArrayView, QStringList &) { return StoreResult::failure(QStringLiteral("not built")); }
