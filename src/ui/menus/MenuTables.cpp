#include "ui/menus/MenuTables.h"

#include <QCoreApplication>

#include "ui/common/CommandIds.h"

namespace tavoro::ui {

namespace {

constexpr MenuEntry kWardrobeListContext[] = {
    {kCmdOpenRecent, QT_TRANSLATE_NOOP("MenuTables", "Open")},
    {kCmdCopyPathToClipboard, QT_TRANSLATE_NOOP("MenuTables", "Copy Path to Clipboard")},
    {},
    {kCmdClearRecentList, QT_TRANSLATE_NOOP("MenuTables", "Clear List")},
};

// The wardrobe page's menu of window-level commands, opened from its
// command-bar button; the window's Undo and Redo come first when it shows.
// A new entry is a line here and an action carrying its command on the main
// window (or on the item list or search results); the entry is greyed while
// that action is disabled.
constexpr MenuEntry kWardrobeMenu[] = {
    {kCmdShowInsights, QT_TRANSLATE_NOOP("MenuTables", "Insights")},
    {},
    {kCmdExportWebCatalogue, QT_TRANSLATE_NOOP("MenuTables", "Export Web Catalogue...")},
    {kCmdExportSpreadsheet, QT_TRANSLATE_NOOP("MenuTables", "Export Spreadsheet...")},
    {kCmdExportPrintableSheet, QT_TRANSLATE_NOOP("MenuTables", "Export Printable Sheet...")},
    {},
    {kCmdBackUpWardrobe, QT_TRANSLATE_NOOP("MenuTables", "Back Up Wardrobe...")},
    {kCmdRestoreWardrobe, QT_TRANSLATE_NOOP("MenuTables", "Restore Wardrobe...")},
};

// A separator starts the command bar's second group; an entry with a
// submenu is a button that opens that menu.
constexpr MenuEntry kCmdBar[] = {
    {kCmdCloseWardrobe, QT_TRANSLATE_NOOP("MenuTables", "Close Wardrobe")},
    {kCmdAddPhotos, QT_TRANSLATE_NOOP("MenuTables", "Add Photos")},
    {kCmdDeleteSelectedPhotos, QT_TRANSLATE_NOOP("MenuTables", "Delete Selected Photos")},
    {kCmdHideSearchResults, QT_TRANSLATE_NOOP("MenuTables", "Hide Search Results")},
    {},
    {kCmdWardrobeMenu, QT_TRANSLATE_NOOP("MenuTables", "Wardrobe"), "", kWardrobeMenu},
    {kCmdShowInsights, QT_TRANSLATE_NOOP("MenuTables", "Insights")},
    {kCmdTellAFriend, QT_TRANSLATE_NOOP("MenuTables", "Tell a Friend")},
    {kCmdVisitWebsite, QT_TRANSLATE_NOOP("MenuTables", "Visit Tavoro Website")},
    {kCmdHelpContents, QT_TRANSLATE_NOOP("MenuTables", "Show Online Help")},
};

constexpr MenuEntry kSearchOptions[] = {
    {kCmdClearHistory, QT_TRANSLATE_NOOP("MenuTables", "Clear History")},
    {kCmdAutoSuggest, QT_TRANSLATE_NOOP("MenuTables", "Auto Suggest")},
};

constexpr MenuEntry kView[] = {
    {kCmdViewThumbnails, QT_TRANSLATE_NOOP("MenuTables", "Thumbnails")},
    {kCmdViewIcons, QT_TRANSLATE_NOOP("MenuTables", "Icons")},
    {kCmdViewList, QT_TRANSLATE_NOOP("MenuTables", "List")},
    {kCmdViewDetails, QT_TRANSLATE_NOOP("MenuTables", "Details")},
};

constexpr MenuEntry kArrangeItemsBy[] = {
    {kCmdArrangeByName, QT_TRANSLATE_NOOP("MenuTables", "Name")},
    {kCmdArrangeByDateAdded, QT_TRANSLATE_NOOP("MenuTables", "Date Added")},
};

constexpr MenuEntry kItemListContext[] = {
    {0, QT_TRANSLATE_NOOP("MenuTables", "View"), "", kView},
    {0, QT_TRANSLATE_NOOP("MenuTables", "Arrange Items By"), "", kArrangeItemsBy},
    {kCmdListRefresh, QT_TRANSLATE_NOOP("MenuTables", "Refresh")},
    {},
    {kCmdAddPhotos, QT_TRANSLATE_NOOP("MenuTables", "Add Photos")},
    {kCmdListPaste, QT_TRANSLATE_NOOP("MenuTables", "Paste")},
    {},
    {kCmdDelete, QT_TRANSLATE_NOOP("MenuTables", "Delete"), QT_TRANSLATE_NOOP("MenuTables", "Del")},
    {kCmdRenameEntry, QT_TRANSLATE_NOOP("MenuTables", "Rename")},
    {kCmdAddToCombination, QT_TRANSLATE_NOOP("MenuTables", "Add to Combination")},
    {},
    {kCmdSelectAllEntries, QT_TRANSLATE_NOOP("MenuTables", "Select All"), QT_TRANSLATE_NOOP("MenuTables", "Ctrl+A")},
    {kCmdSelectInverse, QT_TRANSLATE_NOOP("MenuTables", "Select Inverse")},
};

constexpr MenuEntry kCollectionListContext[] = {
    {kCmdAddItem, QT_TRANSLATE_NOOP("MenuTables", "Add a Collection...")},
    {kCmdDelete, QT_TRANSLATE_NOOP("MenuTables", "Delete"), QT_TRANSLATE_NOOP("MenuTables", "Del")},
    {kCmdRename, QT_TRANSLATE_NOOP("MenuTables", "Rename...")},
    {},
    {kCmdMoveToTop, QT_TRANSLATE_NOOP("MenuTables", "Move to Top")},
    {kCmdMoveUp, QT_TRANSLATE_NOOP("MenuTables", "Move Up")},
    {kCmdMoveDown, QT_TRANSLATE_NOOP("MenuTables", "Move Down")},
    {kCmdMoveToBottom, QT_TRANSLATE_NOOP("MenuTables", "Move to Bottom")},
    {},
    {kCmdSortAscending, QT_TRANSLATE_NOOP("MenuTables", "Sort Ascending")},
    {kCmdSortDescending, QT_TRANSLATE_NOOP("MenuTables", "Sort Descending")},
};

constexpr MenuEntry kTagContext[] = {
    {kCmdAddItem, QT_TRANSLATE_NOOP("MenuTables", "Add a Tag...")},
    {kCmdDelete, QT_TRANSLATE_NOOP("MenuTables", "Delete"), QT_TRANSLATE_NOOP("MenuTables", "Del")},
    {kCmdRename, QT_TRANSLATE_NOOP("MenuTables", "Rename...")},
    {kCmdDeleteAllTags, QT_TRANSLATE_NOOP("MenuTables", "Delete All Tags")},
    {},
    {kCmdMoveToTop, QT_TRANSLATE_NOOP("MenuTables", "Move to Top")},
    {kCmdMoveUp, QT_TRANSLATE_NOOP("MenuTables", "Move Up")},
    {kCmdMoveDown, QT_TRANSLATE_NOOP("MenuTables", "Move Down")},
    {kCmdMoveToBottom, QT_TRANSLATE_NOOP("MenuTables", "Move to Bottom")},
    {},
    {kCmdSortTagsAscending, QT_TRANSLATE_NOOP("MenuTables", "Sort Ascending")},
    {kCmdSortTagsDescending, QT_TRANSLATE_NOOP("MenuTables", "Sort Descending")},
};

constexpr MenuEntry kTagValueContext[] = {
    {kCmdEditValue, QT_TRANSLATE_NOOP("MenuTables", "Edit Value...")},
    {kCmdClearValue, QT_TRANSLATE_NOOP("MenuTables", "Clear")},
    {kCmdClearAllValues, QT_TRANSLATE_NOOP("MenuTables", "Clear All")},
};

constexpr MenuEntry kSearchResultsContext[] = {
    {kCmdAddToCombination, QT_TRANSLATE_NOOP("MenuTables", "Add to Combination")},
    {},
    {kCmdDelete, QT_TRANSLATE_NOOP("MenuTables", "Delete"), QT_TRANSLATE_NOOP("MenuTables", "Del")},
    {kCmdRenameResult, QT_TRANSLATE_NOOP("MenuTables", "Rename")},
    {},
    {kCmdSelectAllResults, QT_TRANSLATE_NOOP("MenuTables", "Select All"), QT_TRANSLATE_NOOP("MenuTables", "Ctrl+A")},
    {kCmdSelectInverseResults, QT_TRANSLATE_NOOP("MenuTables", "Select Inverse")},
};

constexpr MenuEntry kInsightsCard[] = {
    {kCmdCopyAsText, QT_TRANSLATE_NOOP("MenuTables", "Copy as Text")},
};

// The combinations view: its buttons (the chosen combination's commands,
// then those of its selected items), and the menus of its two lists.
constexpr MenuEntry kCombinationBar[] = {
    {kCmdWornToday, QT_TRANSLATE_NOOP("MenuTables", "Worn Today")},
    {kCmdWornOnDate, QT_TRANSLATE_NOOP("MenuTables", "Worn on...")},
    {kCmdRenameCombination, QT_TRANSLATE_NOOP("MenuTables", "Rename...")},
    {kCmdDeleteCombination, QT_TRANSLATE_NOOP("MenuTables", "Delete Combination")},
    {},
    {kCmdRemoveFromCombination, QT_TRANSLATE_NOOP("MenuTables", "Remove from Combination")},
};

constexpr MenuEntry kCombinationContext[] = {
    {kCmdWornToday, QT_TRANSLATE_NOOP("MenuTables", "Worn Today")},
    {kCmdWornOnDate, QT_TRANSLATE_NOOP("MenuTables", "Worn on...")},
    {},
    {kCmdRenameCombination, QT_TRANSLATE_NOOP("MenuTables", "Rename...")},
    {kCmdDeleteCombination, QT_TRANSLATE_NOOP("MenuTables", "Delete Combination")},
};

constexpr MenuEntry kCombinationItemContext[] = {
    {kCmdShowInCollection, QT_TRANSLATE_NOOP("MenuTables", "Show in Collection")},
    {},
    {kCmdRemoveFromCombination, QT_TRANSLATE_NOOP("MenuTables", "Remove from Combination"),
     QT_TRANSLATE_NOOP("MenuTables", "Del")},
    {kCmdMoveUp, QT_TRANSLATE_NOOP("MenuTables", "Move Up")},
    {kCmdMoveDown, QT_TRANSLATE_NOOP("MenuTables", "Move Down")},
};

constexpr MenuEntry kItemDetailsContext[] = {
    {kCmdAddToCombination, QT_TRANSLATE_NOOP("MenuTables", "Add to Combination")},
    {},
    {kCmdWornToday, QT_TRANSLATE_NOOP("MenuTables", "Worn Today")},
    {kCmdWornOnDate, QT_TRANSLATE_NOOP("MenuTables", "Worn on...")},
};

constexpr MenuTable kMenus[] = {
    {kMenuSearchOptions, "Search Options", kSearchOptions},
    {kMenuItemListContext, "TogList Context", kItemListContext},
    {kMenuView, "View", kView},
    {kMenuCollectionListContext, "CatList_Context", kCollectionListContext},
    {kMenuTagContext, "TagList_Tag_Context", kTagContext},
    {kMenuTagValueContext, "TagList_Value_Context", kTagValueContext},
    {kMenuWardrobeListContext, "WardrobeList_Context", kWardrobeListContext},
    {kMenuCmdBar, "CmdBar", kCmdBar},
    {kMenuSearchResultsContext, "SRList Context", kSearchResultsContext},
    {kMenuWardrobe, "Wardrobe", kWardrobeMenu},
    {kMenuInsightsCard, "Insights Card", kInsightsCard},
    {kMenuCombinationBar, "Combination Bar", kCombinationBar},
    {kMenuCombinationContext, "Combination Context", kCombinationContext},
    {kMenuCombinationItemContext, "Combination Item Context", kCombinationItemContext},
    {kMenuItemDetailsContext, "Item Details Context", kItemDetailsContext},
};

}  // namespace

QString menuLabel(const MenuEntry& entry) { return QCoreApplication::translate("MenuTables", entry.label); }

QString menuKey(const MenuEntry& entry) {
  return *entry.key ? QCoreApplication::translate("MenuTables", entry.key) : QString();
}

const MenuTable* findMenuTable(int resourceId) {
  for (const MenuTable& table : kMenus)
    if (table.resourceId == resourceId) return &table;
  return nullptr;
}

}  // namespace tavoro::ui
