#include "ui/menus/MenuTables.h"

#include "ui/common/CommandIds.h"

namespace tavoro::ui {

namespace {

constexpr MenuEntry kWardrobeListContext[] = {
    {kCmdOpenRecent, L"Open"},
    {kCmdCopyPathToClipboard, L"Copy Path to Clipboard"},
    {},
    {kCmdClearRecentList, L"Clear List"},
};

// A separator starts the command bar's second group.
constexpr MenuEntry kCmdBar[] = {
    {kCmdCloseWardrobe, L"Close Wardrobe"},
    {kCmdAddPhotos, L"Add Photos"},
    {kCmdDeleteSelectedPhotos, L"Delete Selected Photos"},
    {kCmdHideSearchResults, L"Hide Search Results"},
    {},
    {kCmdTellAFriend, L"Tell a Friend"},
    {kCmdVisitWebsite, L"Visit Tavoro Website"},
    {kCmdHelpContents, L"Show Online Help"},
};

constexpr MenuTable kMenus[] = {
    {kMenuWardrobeListContext, L"WardrobeList_Context", kWardrobeListContext},
    {kMenuCmdBar, L"CmdBar", kCmdBar},
};

}  // namespace

const MenuTable* findMenuTable(int resourceId) {
  for (const MenuTable& table : kMenus)
    if (table.resourceId == resourceId) return &table;
  return nullptr;
}

}  // namespace tavoro::ui
