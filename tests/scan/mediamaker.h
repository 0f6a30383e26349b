#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include "support/records.h" // readable failures of QString lists

// Makes disc images and archives at test time with the Debian tools tools/deps.sh installs.

// Runs a shell command with $1 and $2 set to the arguments; true when it exits with 0.
bool Shell(const QString &command, const QString &arg1 = {}, const QString &arg2 = {});

// A RAR 5 archive of stored entries (no free tool writes RAR): each entry is a path and its
// bytes; a path ending in '/' is a folder.
QByteArray Rar5(const QList<QPair<QByteArray, QByteArray>> &entries);

// An ISO 9660 image with Rock Ridge and Joliet names of `folder`, labelled `label`.
bool MakeIso(const QString &folder, const QString &image, const QString &label = "HOLIDAY2019");
