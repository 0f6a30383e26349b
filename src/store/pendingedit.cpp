#include "store/pendingedit.h"

#include <utility>

void PendingDiscEdit::Typed(const QString &strNumber)
{
    // The first change after a refill decides the disc; with no disc shown there is nothing
    // to keep the text in.
    if (m_bPending || strNumber.isEmpty())
        return;
    m_strNumber = strNumber;
    m_bPending = true;
}

void PendingDiscEdit::Clear()
{
    m_bPending = false;
    m_strNumber.clear();
}

bool PendingDiscEdit::KeepInto(CCatalog *pCatalog, const std::function<void(CDisc &)> &keep)
{
    const bool bPending = std::exchange(m_bPending, false);
    CDisc *disc = bPending && pCatalog ? pCatalog->FindDisc(m_strNumber) : nullptr;
    if (bPending && pCatalog && !disc) {
        for (CDisc &candidate : *pCatalog->m_pDiscs)
            if (candidate.m_strOldNumber == m_strNumber) {
                disc = &candidate;
                break;
            }
    }
    m_strNumber.clear();
    if (!disc)
        return false;
    keep(*disc);
    return true;
}
