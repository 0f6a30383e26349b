#pragma once

#include <QKeyCombination>
#include <QString>

#include <vector>

// The menus and the accelerator table as data, the way a resource script holds them.
struct MenuItemDef
{
    QString text; // "&" marks the mnemonic, "&&" is a literal ampersand
    int id = 0; // 0 is a separator
};

struct PopupDef
{
    QString title;
    std::vector<MenuItemDef> items;
};

struct AccelDef
{
    QKeyCombination key;
    int id;
    int menuId = 0; // the item of menu 128 that shows this key beside its text, if any
};

// The pop-ups of a menu resource (128 has eight, the pane menus one each); empty if unknown.
const std::vector<PopupDef> &MenuResource(int id);

// Accelerator table 128. Ctrl+Enter is listed for both Enter keys.
const std::vector<AccelDef> &AcceleratorTable();

// The accelerator whose key runs the same command as an item of a pane's context menu in
// that pane, so the menu can show the key as the menu bar does; nullptr when no key does.
const AccelDef *PopupItemAccel(int commandId);
