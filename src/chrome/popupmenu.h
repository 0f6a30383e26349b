#pragma once

class QMenu;

// Fills a context menu from the first pop-up of a menu resource (the pane menus have one
// each): its title, one action per item carrying the item's command id as its data, and a
// separator where the resource has one. False, with the menu left empty, for an unknown
// resource. The panes and dialogs that show these menus each own the menu they fill.
bool FillPopupMenu(QMenu &menu, int nMenuId);
