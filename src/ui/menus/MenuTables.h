// The program's menu resources as tables: each menu is a numbered list of
// entries (command id, label, key text). Context menus and the command bar are
// built from them. The labels and keys are the English source texts; menuLabel
// and menuKey give them in the user's language. Thread-safe (constant data;
// the two functions read the installed catalogue).
#pragma once

#include <QString>
#include <span>

namespace tavoro::ui {

// One entry of a menu: a command, a submenu (its entries given) or, with
// command id 0 and no submenu, a separator. In the command bar, an entry with
// a submenu is a button (named by its command id) that opens the submenu.
struct MenuEntry {
  int id = 0;
  const char* label = "";
  const char* key = "";  // shown right-aligned, e.g. "Del"; empty for none
  std::span<const MenuEntry> submenu = {};
};

struct MenuTable {
  int resourceId = 0;
  const char* name = "";
  std::span<const MenuEntry> entries;
};

enum MenuResourceId : int {
  kMenuSearchOptions = 231,          // "Search Options"
  kMenuItemListContext = 244,        // "TogList Context"
  kMenuView = 246,                   // "View"
  kMenuCollectionListContext = 247,  // "CatList_Context"
  kMenuTagContext = 248,             // "TagList_Tag_Context"
  kMenuTagValueContext = 249,        // "TagList_Value_Context"
  kMenuWardrobeListContext = 250,    // "WardrobeList_Context"
  kMenuCmdBar = 272,                 // "CmdBar"
  kMenuSearchResultsContext = 273,   // "SRList Context"
  kMenuWardrobe = 274,               // "Wardrobe": the wardrobe page's menu of window commands
  kMenuInsightsCard = 275,           // "Insights Card": a figure of the insights view
  kMenuCombinationBar = 290,         // "Combination Bar": the combinations view's buttons
  kMenuCombinationContext = 291,     // "Combination Context": a combination of the list
  kMenuCombinationItemContext = 292, // "Combination Item Context": an item of the chosen combination
  kMenuItemDetailsContext = 293,     // "Item Details Context": the details of the selected item
};

// The entry's label and key text in the user's language.
QString menuLabel(const MenuEntry& entry);
QString menuKey(const MenuEntry& entry);

// The table of a menu resource, or null when there is no such menu.
const MenuTable* findMenuTable(int resourceId);

}  // namespace tavoro::ui
