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

constexpr MenuEntry kSearchOptions[] = {
    {kCmdClearHistory, L"Clear History"},
    {kCmdAutoSuggest, L"Auto Suggest"},
};

constexpr MenuEntry kView[] = {
    {kCmdViewThumbnails, L"Thumbnails"},
    {kCmdViewIcons, L"Icons"},
    {kCmdViewList, L"List"},
    {kCmdViewDetails, L"Details"},
};

constexpr MenuEntry kArrangeItemsBy[] = {
    {kCmdArrangeByName, L"Name"},
    {kCmdArrangeByDateAdded, L"Date Added"},
};

constexpr MenuEntry kItemListContext[] = {
    {0, L"View", L"", kView},
    {0, L"Arrange Items By", L"", kArrangeItemsBy},
    {kCmdListRefresh, L"Refresh"},
    {},
    {kCmdAddPhotos, L"Add Photos"},
    {kCmdListPaste, L"Paste"},
    {},
    {kCmdDelete, L"Delete", L"Del"},
    {kCmdRenameEntry, L"Rename"},
    {},
    {kCmdSelectAllEntries, L"Select All", L"Ctrl+A"},
    {kCmdSelectInverse, L"Select Inverse"},
};

constexpr MenuEntry kCollectionListContext[] = {
    {kCmdAddItem, L"Add a Collection..."},
    {kCmdDelete, L"Delete", L"Del"},
    {kCmdRename, L"Rename..."},
    {},
    {kCmdMoveToTop, L"Move to Top"},
    {kCmdMoveUp, L"Move Up"},
    {kCmdMoveDown, L"Move Down"},
    {kCmdMoveToBottom, L"Move to Bottom"},
    {},
    {kCmdSortAscending, L"Sort Ascending"},
    {kCmdSortDescending, L"Sort Descending"},
};

constexpr MenuEntry kTagContext[] = {
    {kCmdAddItem, L"Add a Tag..."},
    {kCmdDelete, L"Delete", L"Del"},
    {kCmdRename, L"Rename..."},
    {kCmdDeleteAllTags, L"Delete All Tags"},
    {},
    {kCmdMoveToTop, L"Move to Top"},
    {kCmdMoveUp, L"Move Up"},
    {kCmdMoveDown, L"Move Down"},
    {kCmdMoveToBottom, L"Move to Bottom"},
    {},
    {kCmdSortTagsAscending, L"Sort Ascending"},
    {kCmdSortTagsDescending, L"Sort Descending"},
};

constexpr MenuEntry kTagValueContext[] = {
    {kCmdEditValue, L"Edit Value..."},
    {kCmdClearValue, L"Clear"},
    {kCmdClearAllValues, L"Clear All"},
};

constexpr MenuEntry kSearchResultsContext[] = {
    {kCmdAddToCombination, L"Add to Combination"},
    {},
    {kCmdDelete, L"Delete", L"Del"},
    {kCmdRenameResult, L"Rename"},
    {},
    {kCmdSelectAllResults, L"Select All", L"Ctrl+A"},
    {kCmdSelectInverseResults, L"Select Inverse"},
};

constexpr MenuTable kMenus[] = {
    {kMenuSearchOptions, L"Search Options", kSearchOptions},
    {kMenuItemListContext, L"TogList Context", kItemListContext},
    {kMenuView, L"View", kView},
    {kMenuCollectionListContext, L"CatList_Context", kCollectionListContext},
    {kMenuTagContext, L"TagList_Tag_Context", kTagContext},
    {kMenuTagValueContext, L"TagList_Value_Context", kTagValueContext},
    {kMenuWardrobeListContext, L"WardrobeList_Context", kWardrobeListContext},
    {kMenuCmdBar, L"CmdBar", kCmdBar},
    {kMenuSearchResultsContext, L"SRList Context", kSearchResultsContext},
};

}  // namespace

const MenuTable* findMenuTable(int resourceId) {
  for (const MenuTable& table : kMenus)
    if (table.resourceId == resourceId) return &table;
  return nullptr;
}

}  // namespace tavoro::ui
