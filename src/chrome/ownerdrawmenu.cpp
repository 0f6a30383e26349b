#include "chrome/ownerdrawmenu.h"

#include "chrome/menuitemstyle.h"
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
    // One style for all pop-ups of the bar; the bar owns it, and a menu keeps only a guarded
    // pointer to its style, so the order in which they go does not matter.
    auto *style = new CMenuItemStyle;
    style->setParent(pBar);
    for (const PopupDef &popup : popups) {
        QMenu *menu = pBar->addMenu(popup.title);
        menu->setStyle(style);
        // A separator stands where the menu resource puts one, first item or not.
        menu->setSeparatorsCollapsible(false);
        for (const MenuItemDef &item : popup.items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            auto *action = new QAction(item.text, pActionOwner);
            action->setData(item.id);
            // Pictures only where SetItemBitmap puts one, whatever the desktop's default is.
            action->setIconVisibleInMenu(true);
            menu->addAction(action);
            m_actions.insert(item.id, action);
        }
    }
    // Each item shows the key of the accelerator table that stands for it. The keys
    // themselves are the frame's: the item's shortcut acts only inside its open menu, so the
    // two never compete for a key.
    for (const AccelDef &accel : AcceleratorTable()) {
        QAction *action = m_actions.value(accel.menuId);
        if (action && action->shortcut().isEmpty()) {
            action->setShortcut(QKeySequence(accel.key));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
    }
    return true;
}

void COwnerDrawMenu::SetTransparentColor(const QColor &color)
{
    m_transparent = color;
    m_bTransparent = true;
}

void COwnerDrawMenu::ReleaseTransparentColor()
{
    m_bTransparent = false;
}

bool COwnerDrawMenu::SetItemBitmap(int nCommandId, int nBitmapId)
{
    QAction *action = m_actions.value(nCommandId);
    if (!action || !HasResourceIcon(nBitmapId))
        return false;
    // Our pictures carry an alpha channel, so the key colour has nothing left to remove; it
    // is only remembered for the calling sequence's sake.
    action->setIcon(ResourceIcon(nBitmapId));
    return true;
}
