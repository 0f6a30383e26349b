#include "chrome/ownerdrawmenu.h"
#include "chrome/popupmenu.h"

#include "resources/menus.h"
#include "resources/resource.h"
#include "support/records.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

TEST(OwnerDrawMenu, BuildsMenu128WithTheHelpPictureOnly)
{
    QMainWindow frame;
    COwnerDrawMenu menu;
    EXPECT_FALSE(menu.LoadMenu(9999, frame.menuBar(), &frame));
    ASSERT_TRUE(menu.LoadMenu(IDR_MAINFRAME, frame.menuBar(), &frame));
    EXPECT_TRUE(menu.SetItemBitmap(ID_HELP_FINDER, 249));
    EXPECT_FALSE(menu.SetItemBitmap(ID_HELP_FINDER + 12345, 249)) << "no such command";

    // Items, captions and command numbers as the menu resource has them, each reachable by
    // its number, and only Help Themes with a picture.
    const std::vector<PopupDef> &popups = MenuResource(IDR_MAINFRAME);
    QStringList built, table;
    for (QAction *bar : frame.menuBar()->actions()) {
        built << bar->menu()->title();
        for (QAction *a : bar->menu()->actions())
            built << (a->isSeparator() ? QStringLiteral("-")
                                       : a->text() + u'=' + QString::number(a->data().toInt())
                              + (a->icon().isNull() ? "" : "*")
                              + (menu.Action(a->data().toInt()) == a ? "" : "?"));
    }
    for (const PopupDef &popup : popups) {
        table << popup.title;
        for (const MenuItemDef &def : popup.items)
            table << (def.id == 0 ? QStringLiteral("-")
                                  : def.text + u'=' + QString::number(def.id)
                              + (def.id == ID_HELP_FINDER ? "*" : ""));
    }
    EXPECT_EQ(built, table);
    EXPECT_EQ(menu.Actions().size(), table.size() - table.count("-") - qsizetype(popups.size()));

    // Beside each item the key of the accelerator table that stands for it, shown but left
    // to the frame's own key handling outside the open menu.
    QStringList keys;
    for (const PopupDef &popup : popups)
        for (const MenuItemDef &def : popup.items)
            if (QAction *a = menu.Action(def.id); a && !a->shortcut().isEmpty()) {
                keys << def.text + u'=' + a->shortcut().toString();
                EXPECT_EQ(a->shortcutContext(), Qt::WidgetShortcut);
            }
    EXPECT_EQ(keys,
              (QStringList {"Scan CD =Ctrl+Y", "Find Gaps=Ctrl+G", "Delete CD=Del",
                            "CDDB Query=Ctrl+B", "Lend / Borrow=Ctrl+L", "Get Back=Ctrl+H",
                            "Show Available CDs=Ctrl+W", "Show Non-Available CDs=Ctrl+Q",
                            "Name Search=Ctrl+N", "File Search=Ctrl+A", "Search CD=Ctrl+D",
                            "&Back To Home Database=Ctrl+Z", "&Load Friend's Database=Ctrl+P"}));

    // Our item drawing: the Help pop-up paints without trouble and gives its items room.
    auto *help = qobject_cast<QMenu *>(menu.Action(ID_HELP_FINDER)->associatedObjects().value(0));
    ASSERT_NE(help, nullptr);
    help->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    const QRect item = help->actionGeometry(menu.Action(ID_HELP_FINDER));
    EXPECT_GE(item.height(), 16 + 4);
    EXPECT_GE(item.width(),
              help->fontMetrics().horizontalAdvance(QStringLiteral("Help Themes")) + 16);
    EXPECT_FALSE(help->grab().isNull());
    help->hide();

    // The key has room beside the text.
    auto *database
        = qobject_cast<QMenu *>(menu.Action(ID_DATABASE_LOADFRIEND)->associatedObjects().value(0));
    ASSERT_NE(database, nullptr);
    database->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(database));
    const QFontMetrics fm = database->fontMetrics();
    EXPECT_GE(database->actionGeometry(menu.Action(ID_DATABASE_LOADFRIEND)).width(),
              fm.horizontalAdvance("Load Friend's Database") + fm.horizontalAdvance("Ctrl+P") + 20);
    database->hide();
}

// The panes' context menus show the keys the panes take for the same commands, as the menu
// bar shows its keys; an item whose text carries its key keeps that one.
TEST(PopupMenu, PaneMenusShowTheKeysOfTheirCommands)
{
    const std::pair<int, QStringList> menus[] = {
        {IDR_TREE_MENU, {"Delete=Del", "Rename=F2"}},
        {IDR_DATA_MENU, {"Open File=Ctrl+Return"}},
        {IDR_CAT_MENU, {"&Delete=Del"}},
        {IDR_CDCAT_MENU, {}},
        {IDR_RESULT_MENU, {"Delete=Del"}},
        {IDR_RESULTCAT_MENU, {"Delete=Del"}},
    };
    for (const auto &[id, expected] : menus) {
        QMenu menu;
        ASSERT_TRUE(FillPopupMenu(menu, id));
        QStringList keys;
        for (QAction *a : menu.actions()) {
            if (!a->shortcut().isEmpty())
                keys << a->text() + u'=' + a->shortcut().toString();
            EXPECT_EQ(a->shortcutContext(),
                      a->shortcut().isEmpty() ? Qt::WindowShortcut : Qt::WidgetShortcut);
        }
        EXPECT_EQ(keys, expected) << id;
    }
}
