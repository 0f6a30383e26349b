#include "chrome/popupmenu.h"

#include "resources/menus.h"

#include <QMenu>

bool FillPopupMenu(QMenu &menu, int nMenuId)
{
    const std::vector<PopupDef> &popups = MenuResource(nMenuId);
    if (popups.empty())
        return false;
    menu.setTitle(popups.front().title);
    for (const MenuItemDef &item : popups.front().items) {
        if (item.id == 0)
            menu.addSeparator();
        else
            menu.addAction(item.text)->setData(item.id);
    }
    return true;
}
