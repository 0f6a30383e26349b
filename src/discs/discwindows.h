#pragma once

#include "store/ccatalog.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The modeless windows the disc tree opens: the gaps in the disc numbering, the three lending
// lists and the search results. Any number may be open at once; each reads its rows when it
// opens, frees itself when closed, and goes back to a disc in the tree through the one way it
// is given. The disc tree view owns one.
class DiscWindows
{
public:
    // Selects the disc with this number and, for a file's row, opens its folder (empty for a
    // disc); it must find nothing once the tree is gone.
    using GoToDisc = std::function<void(const QString &strNumber, const QString &strFolder)>;

    // The search windows are children of `tree`, so they never outlive the catalogue they
    // read; the others belong to the main window.
    DiscWindows(QWidget *tree, GoToDisc goToDisc);

    // The gaps, or the message that there are none.
    void ShowGaps(const CDiscList &discs);
    void ShowAvailable(const CDiscList &discs);
    void ShowLent(const CDiscList &discs);
    void ShowBorrowedFrom(const CDiscList &discs, const QString &strPerson);
    // Runs one search request in a window of its own, with the categories collected for it.
    void ShowSearchResult(CCatalog *pCatalog, const QStringList &request);

private:
    std::function<void(const QString &)> DiscFinder() const;

    QWidget *m_pTree;
    GoToDisc m_goToDisc;
};
