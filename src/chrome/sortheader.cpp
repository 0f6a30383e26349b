#include "chrome/sortheader.h"

CSortHeader::CSortHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setSortIndicatorShown(true);
}

CSortHeader::~CSortHeader() = default;

int CSortHeader::SetSortArrow(int nColumn, bool bAscending)
{
    const int previous = m_nSortColumn;
    m_nSortColumn = nColumn;
    m_bSortAscending = bAscending;
    setSortIndicator(nColumn, bAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
    viewport()->update();
    return previous;
}
