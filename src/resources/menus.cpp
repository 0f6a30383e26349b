#include "resources/menus.h"

#include "resources/resource.h"

#include <map>

namespace {

std::map<int, std::vector<PopupDef>> buildMenus()
{
    std::map<int, std::vector<PopupDef>> menus;
    menus[IDR_MAINFRAME] = {
        {QStringLiteral("&Program"),
         {{QString(), 0}, {QStringLiteral("Save && Exit"), ID_PROGRAM_SAVEEXIT}}},
        {QStringLiteral("&Edit"),
         {{QStringLiteral("Scan CD "), ID_EDIT_CDSCAN},
          {QStringLiteral("Find Gaps"), ID_EDIT_FINDGAPS},
          {QStringLiteral("Delete CD"), ID_EDIT_DELETECD},
          {QStringLiteral("CDDB Query"), ID_EDIT_CDDBQUERY}}},
        {QStringLiteral("&Lend"),
         {{QStringLiteral("Lend / Borrow"), ID_LEND_LENDTO},
          {QStringLiteral("Get Back"), ID_LEND_GETBACK},
          {QString(), 0},
          {QStringLiteral("Show Available CDs"), ID_LEND_SHOWAVAILABLECDS},
          {QStringLiteral("Show Non-Available CDs"), ID_LEND_SHOWNONAVAILABLECDS}}},
        {QStringLiteral("&Search"),
         {{QStringLiteral("Name Search"), ID_SEARCH_NAMESEARCH},
          {QStringLiteral("File Search"), ID_SEARCH_FILESEARCH},
          {QStringLiteral("Search CD"), ID_SEARCH_SEARCHCD}}},
        {QStringLiteral("&CD Info"), {{QString(), 0}, {QStringLiteral("&CD Info"), ID_OPTIONS}}},
        {QStringLiteral("&View"),
         {{QStringLiteral("Large Icons"), ID_VIEW_LARGEICONS},
          {QStringLiteral("Small Icons"), ID_VIEW_SMALLICONS}}},
        {QStringLiteral("Database"),
         {{QStringLiteral("&Back To Home Database"), ID_DATABASE_BACKHOME},
          {QStringLiteral("&Load Friend's Database"), ID_DATABASE_LOADFRIEND}}},
        {QStringLiteral("&Help"),
         {{QStringLiteral("Help Themes"), ID_HELP_FINDER},
          {QString(), 0},
          {QStringLiteral("About Tavikon ..."), ID_APP_ABOUT}}},
    };
    menus[IDR_TREE_MENU] = {{QStringLiteral("Tree"),
                             {{QStringLiteral("Delete"), ID_TREE_DELETE},
                              {QStringLiteral("Rename"), ID_TREE_RENAME},
                              {QStringLiteral("CD Info"), ID_TREE_CDINFO}}}};
    menus[IDR_DATA_MENU]
        = {{QStringLiteral("Data"),
            {{QStringLiteral("&Attach Selected Categories"), ID_DATA_ATTACHCATEGORIES},
             {QStringLiteral("&View and Edit Attached Categories"), ID_DATA_VIEWCATEGORIES},
             {QString(), 0},
             {QStringLiteral("Open File"), ID_DATA_OPENFILE},
             {QStringLiteral("CD Info"), ID_DATA_CDINFO}}}};
    menus[IDR_CAT_MENU] = {{QStringLiteral("Cat"),
                            {{QStringLiteral("&Attach to CD"), ID_CAT_ATTACHTOCD},
                             {QStringLiteral("&Rename\tF2"), ID_RENAME},
                             {QStringLiteral("&Delete"), ID_DELETE},
                             {QString(), 0},
                             {QStringLiteral("View CDs "), ID_CAT_VIEWCDS}}}};
    menus[IDR_CDCAT_MENU]
        = {{QStringLiteral("CD Category"), {{QStringLiteral("&Delete"), ID_CDCAT_DELETE}}}};
    menus[IDR_DATACAT_MENU]
        = {{QStringLiteral("Data Category"), {{QStringLiteral("&Delete"), ID_DATACAT_DELETE}}}};
    menus[IDR_RESULT_MENU] = {{QStringLiteral("File"),
                               {{QStringLiteral("Delete"), ID_RESULT_DELETE},
                                {QStringLiteral("Open"), ID_RESULT_OPEN},
                                {QStringLiteral("Go to CD"), ID_RESULT_GOTOCD}}}};
    menus[IDR_RESULTCAT_MENU]
        = {{QStringLiteral("CAT"), {{QStringLiteral("Delete"), ID_RESULTCAT_DELETE}}}};
    return menus;
}

} // namespace

const std::vector<PopupDef> &MenuResource(int id)
{
    static const std::map<int, std::vector<PopupDef>> menus = buildMenus();
    static const std::vector<PopupDef> none;
    auto it = menus.find(id);
    return it == menus.end() ? none : it->second;
}

const std::vector<AccelDef> &AcceleratorTable()
{
    static const std::vector<AccelDef> table = {
        {Qt::CTRL | Qt::Key_Y, ID_ACCEL_SCAN, ID_EDIT_CDSCAN},
        {Qt::CTRL | Qt::Key_G, ID_ACCEL_FINDGAPS, ID_EDIT_FINDGAPS},
        {Qt::CTRL | Qt::Key_B, ID_ACCEL_CDDB, ID_EDIT_CDDBQUERY},
        {Qt::CTRL | Qt::Key_S, ID_ACCEL_SAVEDATA},
        {Qt::CTRL | Qt::Key_N, ID_ACCEL_NAMESEARCH, ID_SEARCH_NAMESEARCH},
        {Qt::CTRL | Qt::Key_A, ID_ACCEL_FILESEARCH, ID_SEARCH_FILESEARCH},
        {Qt::CTRL | Qt::Key_D, ID_ACCEL_SEARCHCD, ID_SEARCH_SEARCHCD},
        {Qt::CTRL | Qt::Key_L, ID_ACCEL_LEND, ID_LEND_LENDTO},
        {Qt::CTRL | Qt::Key_H, ID_ACCEL_GETBACK, ID_LEND_GETBACK},
        {Qt::CTRL | Qt::Key_W, ID_ACCEL_AVAILABLE, ID_LEND_SHOWAVAILABLECDS},
        {Qt::CTRL | Qt::Key_Q, ID_ACCEL_NONAVAILABLE, ID_LEND_SHOWNONAVAILABLECDS},
        {Qt::CTRL | Qt::Key_Return, ID_ACCEL_CTRLENTER},
        {Qt::CTRL | Qt::Key_Enter, ID_ACCEL_CTRLENTER},
        {Qt::CTRL | Qt::Key_P, ID_ACCEL_LOADFRIEND, ID_DATABASE_LOADFRIEND},
        {Qt::CTRL | Qt::Key_Z, ID_ACCEL_BACKHOME, ID_DATABASE_BACKHOME},
        {QKeyCombination(Qt::Key_Delete), ID_ACCEL_DELETE, ID_EDIT_DELETECD},
        {QKeyCombination(Qt::Key_F2), ID_ACCEL_RENAME},
    };
    return table;
}

const AccelDef *PopupItemAccel(int commandId)
{
    // Only where the pane really takes the key for that command: Del in the categories' list
    // of a disc deletes categories, not what its "Delete" item does, so it is not shown there.
    static const std::map<int, int> accels = {
        {ID_TREE_DELETE, ID_ACCEL_DELETE},      {ID_TREE_RENAME, ID_ACCEL_RENAME},
        {ID_DATA_OPENFILE, ID_ACCEL_CTRLENTER}, {ID_DELETE, ID_ACCEL_DELETE},
        {ID_RENAME, ID_ACCEL_RENAME},           {ID_RESULT_DELETE, ID_ACCEL_DELETE},
        {ID_RESULTCAT_DELETE, ID_ACCEL_DELETE},
    };
    const auto found = accels.find(commandId);
    if (found == accels.end())
        return nullptr;
    for (const AccelDef &accel : AcceleratorTable()) {
        if (accel.id == found->second)
            return &accel;
    }
    return nullptr;
}
