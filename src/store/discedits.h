#pragma once

#include "store/ccatalog.h"

#include <QString>

// What renaming, renumbering and deleting a disc do to the records, apart from the tree.

// The label a disc gets when its label is edited to `typed`: the disc keeps its number, so a
// typed number that is not its own becomes part of the name ("13 Summer" typed on disc 12
// gives "12 13 Summer").
QString EditedDiscLabel(const QString &strNumber, const QString &strTyped);

// Takes the disc record of a tree item out of the list: the first of this number, or, when
// two discs share the number (older catalogues have them), the one with this name. False
// when no record has the number.
bool RemoveDiscRecord(CDiscList &discs, const QString &strNumber, const QString &strName);

// Whether a disc of the list has this number.
bool IsDiscNumberUsed(const CDiscList &discs, const QString &strNumber);

// "Save CD Data": every disc numbered `strShown` takes the name, and the first of them the
// number too. Each remembers `strShown` as its old number, by which the tree finds the disc's
// item. Returns that first disc, or nullptr when no disc has the number.
CDisc *RelabelDiscRecords(CDiscList &discs, const QString &strShown, const QString &strNumber,
                          const QString &strName);

// Deleting a disc: its record (as RemoveDiscRecord finds it) and its file records. The files
// go even when no record matched, so that no record is left that no tree item reaches; only
// another disc of the tree with the same number (`bNumberShared`) keeps them.
void RemoveDisc(CCatalog &catalog, const QString &strNumber, const QString &strName,
                bool bNumberShared);

// After Save CD Data changed the record of a disc that had the number `strOld`, whose tree
// item is labelled `pItemLabel` (nullptr when the tree has no item of that number): returns
// the item's new label, and the file records follow a new number. When the record cannot go
// with its item, it gets its old number and the item's name back, nothing else changes, and
// an empty label comes back with the reason in `strRefusal`.
QString RelabelDiscRecord(CCatalog &catalog, CDisc &disc, const QString &strOld,
                          const QString *pItemLabel, QString &strRefusal);

// A disc's label edited in place to `strTyped`: returns its new label (EditedDiscLabel), and
// the record of the disc takes the new name. When that name cannot be a disc's, nothing
// changes and an empty label comes back with the reason in `strRefusal`.
QString RenameDiscByLabel(CCatalog &catalog, const QString &strNumber, const QString &strTyped,
                          QString &strRefusal);
