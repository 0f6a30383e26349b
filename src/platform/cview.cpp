#include "platform/cview.h"

#include "platform/ctavikondoc.h"
#include "platform/hints.h"
#include "platform/tokens.h"
#include "resources/resource.h"

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

void CView::OnInitialUpdate() { }

bool CView::OnCommand(int)
{
    return false;
}

std::optional<bool> CView::OnUpdateCommand(int) const
{
    return std::nullopt;
}

void CView::UpdateAllViews(int lHint, const HintArg &hint)
{
    if (m_pDocument)
        m_pDocument->UpdateAllViews(this, lHint, hint);
}

const Token *CView::PanelCommandToken(int id)
{
    switch (id) {
    case ID_EDIT_CDSCAN:
        return &Tokens::OnEditCdscan;
    case ID_EDIT_FINDGAPS:
        return &Tokens::OnEditFindGaps;
    case ID_EDIT_DELETECD:
        return &Tokens::OnEditDeleteCd;
    case ID_EDIT_CDDBQUERY:
        return &Tokens::OnEditCddbQuery;
    case ID_LEND_LENDTO:
        return &Tokens::OnLendLendto;
    case ID_LEND_GETBACK:
        return &Tokens::OnLendGetback;
    case ID_LEND_SHOWAVAILABLECDS:
        return &Tokens::OnLendShowavailablecds;
    case ID_LEND_SHOWNONAVAILABLECDS:
        return &Tokens::OnLendShownonavailablecds;
    case ID_SEARCH_NAMESEARCH:
        return &Tokens::OnSearchNamesearch;
    case ID_SEARCH_FILESEARCH:
        return &Tokens::OnSearchFilesearch;
    case ID_SEARCH_SEARCHCD:
        return &Tokens::OnSearchSearchcd;
    case ID_OPTIONS:
        return &Tokens::OnOptions;
    default:
        return nullptr;
    }
}

bool CView::ForwardMenuCommand(int id, CCatalog *pCatalog)
{
    if (const Token *token = PanelCommandToken(id)) {
        UpdateAllViews(HINT_PANEL_COMMAND, *token);
        return true;
    }
    switch (id) {
    case ID_VIEW_LARGEICONS:
        UpdateAllViews(HINT_VIEW_MODE, Tokens::OnViewLargeicons);
        return true;
    case ID_VIEW_SMALLICONS:
        UpdateAllViews(HINT_VIEW_MODE, Tokens::OnViewSmallicons);
        return true;
    case ID_DATABASE_LOADFRIEND:
    case ID_ACCEL_LOADFRIEND:
        UpdateAllViews(HINT_FRIEND_REQUEST, pCatalog);
        return true;
    case ID_DATABASE_BACKHOME:
    case ID_ACCEL_BACKHOME:
        UpdateAllViews(HINT_HOME_REQUEST, pCatalog);
        return true;
    default:
        return false;
    }
}
