#include "chrome/sortlistctrl.h"

#include "chrome/sortheader.h"

CSortListCtrl::CSortListCtrl(QWidget *parent)
    : QTreeWidget(parent), m_pHeader(new CSortHeader(this))
{
    setHeader(m_pHeader);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
}

CSortListCtrl::~CSortListCtrl() = default;
