#pragma once

#include "store/ccatalog.h"

#include <QString>

#include <functional>

// Text typed into the fields of one disc that its save button has not stored yet. It
// remembers the disc the fields were showing, so the text still reaches that disc's record
// when the selection has moved on or the program ends. A pane owns one per save button.
class PendingDiscEdit
{
public:
    // A field changed while the fields show the disc of this number. The first change after
    // a refill decides the disc.
    void Typed(const QString &strNumber);
    // Nothing is pending any more: the save button stored the fields, or they were refilled.
    void Clear();
    bool IsPending() const { return m_bPending; }

    // Hands the record of the disc the text was typed for to `keep`, when that disc is still
    // in the catalogue, and clears. A disc renumbered meanwhile in the command panel is found
    // by its old number. True when a record was handed over.
    bool KeepInto(CCatalog *pCatalog, const std::function<void(CDisc &)> &keep);

private:
    QString m_strNumber;
    bool m_bPending = false;
};
