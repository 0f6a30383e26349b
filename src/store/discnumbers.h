#pragma once

#include "store/ccatalog.h"

#include <QList>
#include <QStringView>

#include <optional>

// Rules for disc numbers. A number is a positive decimal number of at most six digits: the
// highest a scan hands out and the highest the user may type. That keeps "highest + 1" far
// from overflowing and the list of gaps below a million rows, whatever a catalogue holds.
// Numbers above it, read from a catalogue written elsewhere, stay as they are; they are only
// left out of the gaps and never raise the next number of a scan.
inline constexpr int kMaxDiscNumber = 999999;

// A number as the user typed it: blanks around it are ignored, the rest must be decimal
// digits giving 1 to kMaxDiscNumber. "007" gives 7.
std::optional<int> ParseDiscNumber(QStringView text);

// The value a record's number counts with for the gaps and the next scan: its leading digits
// as atoi reads them, or 0 (not counted) outside 1 to kMaxDiscNumber.
int CountedDiscNumber(QStringView number);

// The numbers from 1 up to the highest counted one that no disc has, ascending.
QList<int> CollectGaps(const CDiscList &discs);

// The number for a newly scanned disc: the highest counted number plus one, or, once that
// would pass kMaxDiscNumber, the lowest number no disc has. 0 when every number is taken.
int NextDiscNumber(const CDiscList &discs);
