#pragma once

#include <QString>
#include <QStringList>

// Labels and paths of the disc tree. A disc item reads "<number> <name>", a folder item holds
// the bare folder name, and a tree path joins the labels with backslashes ("12 Holiday\Photos").

// A freshly scanned disc: its record is named kScannedDiscName while its item reads
// "<number> " + kScannedDiscLabel, until the user renames the disc.
inline const QString kScannedDiscName = QStringLiteral("Unbennant");
inline const QString kScannedDiscLabel = QStringLiteral("Untitled");

// Text before the first blank; empty when there is no blank or the text starts with one.
QString GetNumberPart(const QString &text);

// Text after the first blank, up to and including the first backslash that is not the first
// character ("Holiday\" for "12 Holiday\Photos"); empty without a blank.
QString GetNamePart(const QString &text);

// Joins labels from the disc down: each label is followed by a backslash unless it already
// ends with one, the last label stands alone.
QString JoinTreePath(const QStringList &labelsFromTop);

// True for a disc name a tree label can carry: a backslash would make the label read as a
// path (and the disc as a folder), and a control character would break the tree text.
bool IsValidDiscName(QStringView name);
