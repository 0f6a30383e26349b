#include "chrome/ownerdrawmenu.h"

#include "resources/menus.h"
#include "resources/resourceicons.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

COwnerDrawMenu::COwnerDrawMenu() = default;
COwnerDrawMenu::~COwnerDrawMenu() = default;

bool COwnerDrawMenu::LoadMenu(int nMenuId, QMenuBar *pBar, QWidget *pActionOwner)
{
    const std::vector<PopupDef> &popups = MenuResource(nMenuId);
    if (popups.empty() || !pBar)
        return false;
    for (const PopupDef &popup : popups) {
        QMenu *menu = pBar->addMenu(popup.title);
        for (const MenuItemDef &item : popup.items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            auto *action = new QAction(item.text, pActionOwner);
            action->setData(item.id);
            menu->addAction(action);
            m_actions.insert(item.id, action);
        }
    }
    return true;
}

void COwnerDrawMenu::SetTransparentColor(const QColor &color)
{
    m_transparent = color;
    m_bTransparent = true;
}

void COwnerDrawMenu::ReleaseTransparentColor() { m_bTransparent = false; }

bool COwnerDrawMenu::SetItemBitmap(int nCommandId, int nBitmapId)
{
    QAction *action = m_actions.value(nCommandId);
    if (!action)
        return false;
    action->setIcon(ResourceIcon(nBitmapId));
    return true;
}
