#pragma once

#include "store/ccatalog.h"
#include "store/treetext.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

// Whether a disc tree read back from its text can be the tree of a catalogue's records, and
// the tree the records alone give when it cannot. The tree file is the only place the folder
// structure lives, so a damaged one must be noticed before it is shown or saved again.

// Why the text cannot be a tree this program wrote: it stops in the middle of a line, or a
// label holds control characters (random bytes, a file of another kind). Empty when sound.
QString TreeTextFault(QByteArrayView text, const QList<TreeTextNode> &tree);

// How the tree's disc items and the disc records fit. A disc item matches a disc when its
// label is the disc's number alone or the number followed by a blank. Below the disc items
// of the records, every folder a file record names must have its item (letter case aside).
struct TreeRecordFit
{
    qsizetype strangers = 0; // disc items that no record has
    qsizetype missing = 0; // disc numbers of the records without a disc item
    qsizetype matched = 0; // disc numbers of the records with a disc item
    qsizetype lostFolders = 0; // folders of file records without an item below their disc
    QString fault; // why they disagree, for the user; empty when they agree

    bool agree() const { return fault.isEmpty(); }
};
TreeRecordFit FitTreeToRecords(const QList<TreeTextNode> &tree, const CCatalog &catalog);

// The tree the records give: one item "<number> <name>" per disc in the order they were
// added ("<number> Untitled" for a disc not renamed since its scan, as the scan labels it), each
// with the folders its file records name, sorted by name. The records keep folder paths in lower
// case and only where files are, so empty folders cannot come back.
QList<TreeTextNode> RebuildTree(const CCatalog &catalog);

// A sound tree made to fit the records with the least loss: its discs that have a record
// keep their items and folders as they are and get the folders of their file records that
// they lack (named as the records name them), those without one are taken out, and discs of
// the records that it lacks are added as RebuildTree makes them.
QList<TreeTextNode> MendTree(const QList<TreeTextNode> &tree, const CCatalog &catalog);
