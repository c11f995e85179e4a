// "Add to Combination", as the search results, the item list and the item
// details offer it: a small menu of the wardrobe's combinations (the most
// recently changed first) and "New Combination...", which asks for a name;
// the chosen items then join the combination through one session call (one
// step of the history). User-interface thread only.
#pragma once

#include <QPoint>
#include <memory>
#include <vector>

class QWidget;

namespace tavoro {
class Combination;
class CombinationList;
class Item;
}  // namespace tavoro

namespace tavoro::ui {

class PopupMenu;
class WardrobeSession;

// The menu's entries carry kListedCombination + their index in listed; the
// last entry is kCmdNewCombination.
inline constexpr int kListedCombination = 1000000;

struct CombinationMenu {
  std::unique_ptr<PopupMenu> menu;
  std::vector<Combination*> listed;
};

CombinationMenu makeCombinationMenu(const CombinationList& list);

// Shows the menu at globalPos on behalf of owner and adds items to the
// combination chosen, or to a new one named by the user. False when nothing
// was chosen or nothing changed.
bool addToCombination(WardrobeSession& session, QWidget* owner, const std::vector<Item*>& items, QPoint globalPos);

}  // namespace tavoro::ui
