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
