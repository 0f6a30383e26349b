#include "discs/discwindows.h"

#include "discs/cavailabledlg.h"
#include "discs/cborroweddlg.h"
#include "discs/cgapsdlg.h"
#include "discs/clentdlg.h"
#include "files/csearchresultdlg.h"
#include "platform/prompter.h"
#include "store/discnumbers.h"

DiscWindows::DiscWindows(QWidget *tree, GoToDisc goToDisc)
    : m_pTree(tree), m_goToDisc(std::move(goToDisc))
{ }

std::function<void(const QString &)> DiscWindows::DiscFinder() const
{
    return [goToDisc = m_goToDisc](const QString &strNumber) { goToDisc(strNumber, QString()); };
}

void DiscWindows::ShowGaps(const CDiscList &discs)
{
    QList<int> gaps = CollectGaps(discs);
    if (gaps.isEmpty()) {
        AfxMessageBox(QStringLiteral("There are  not gaps in the index."), m_pTree);
        return;
    }
    (new CGapsDlg(std::move(gaps), m_pTree->window()))->show();
}

void DiscWindows::ShowAvailable(const CDiscList &discs)
{
    (new CAvailableDlg(discs, DiscFinder(), m_pTree->window()))->show();
}

void DiscWindows::ShowLent(const CDiscList &discs)
{
    (new CLentDlg(discs, DiscFinder(), m_pTree->window()))->show();
}

void DiscWindows::ShowBorrowedFrom(const CDiscList &discs, const QString &strPerson)
{
    (new CBorrowedDlg(discs, strPerson, DiscFinder(), m_pTree->window()))->show();
}

void DiscWindows::ShowSearchResult(CCatalog *pCatalog, const QStringList &request)
{
    // The window keeps its own copies of the request and of the categories asked for.
    auto *dlg = new CSearchResultDlg(m_pTree);
    dlg->SetGoToDisc(m_goToDisc);
    dlg->Start(pCatalog, request, pCatalog->m_lstSelection);
    dlg->show();
}
