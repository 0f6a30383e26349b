#include "chrome/popupmenu.h"

#include "resources/menus.h"

#include <QKeySequence>
#include <QMenu>

bool FillPopupMenu(QMenu &menu, int nMenuId)
{
    const std::vector<PopupDef> &popups = MenuResource(nMenuId);
    if (popups.empty())
        return false;
    menu.setTitle(popups.front().title);
    for (const MenuItemDef &item : popups.front().items) {
        if (item.id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction *action = menu.addAction(item.text);
        action->setData(item.id);
        // The key beside the item, as the menu bar shows it; a text with its own ("\tF2")
        // keeps that. Like the menu bar's, the shortcut acts only inside the open menu.
        const AccelDef *accel = PopupItemAccel(item.id);
        if (accel && !item.text.contains(u'\t')) {
            action->setShortcut(QKeySequence(accel->key));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
    }
    return true;
}
