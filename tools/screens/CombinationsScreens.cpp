#include "CombinationsScreens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>

#include "SampleFrame.h"
#include "ScreenFolder.h"
#include "ui/combinations/CombinationListView.h"
#include "ui/combinations/CombinationsView.h"
#include "ui/frame/MainWindow.h"
#include "ui/page/WardrobePage.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::tools {

namespace {

Item* sampleItem(Wardrobe& wardrobe, size_t collection, size_t item) {
  if (collection >= wardrobe.collections().count()) return nullptr;
  Collection* c = wardrobe.collections().at(collection);
  return item < c->items().count() ? c->items().at(item) : nullptr;
}

// Three outfits of the sample wardrobe's shirts, shoes, hat and coat, made
// and worn through the session as the window does: one worn often, one once,
// one never.
Combination* makeCombinations(ui::WardrobeSession& session) {
  Wardrobe* wardrobe = session.wardrobe();
  if (!wardrobe) return nullptr;
  struct Outfit {
    const wchar_t* name;
    std::vector<std::pair<size_t, size_t>> items;  // collection, item
    std::vector<int> daysAgo;
  };
  const Outfit outfits[] = {
      {L"Weekend in town", {{0, 1}, {1, 0}, {3, 0}}, {40, 26, 12, 5, 1}},
      {L"Beach day", {{2, 1}, {2, 0}, {1, 2}, {0, 3}}, {64}},
      {L"Winter walk", {{0, 2}, {1, 1}, {3, 0}, {0, 4}, {0, 0}}, {}},
  };
  const int32_t today = session.today().dayNumber();
  Combination* first = nullptr;
  for (const Outfit& outfit : outfits) {
    std::vector<Item*> items;
    for (auto [collection, item] : outfit.items)
      if (Item* found = sampleItem(*wardrobe, collection, item)) items.push_back(found);
    Combination* combination = session.addCombination(outfit.name, items);
    if (!combination || combination->count() != outfit.items.size()) return nullptr;
    for (int ago : outfit.daysAgo)
      if (!session.wearCombination(combination, Date(today - ago))) return nullptr;
    if (!first) first = combination;
  }
  return first;
}

}  // namespace

bool renderCombinationsScreens(const ScreenFolder& screens) {
  SampleFrame sample(1200, 760);
  if (!sample.isOpen()) return false;
  Combination* chosen = makeCombinations(sample.frame().session());
  if (!chosen) return false;
  ui::WardrobePage& page = sample.page();
  page.showCombinations(true);
  page.combinations()->list()->choose(chosen);
  // The collages and the item rows' thumbnails are made on a thread: let them
  // arrive.
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 1500) QApplication::processEvents(QEventLoop::AllEvents, 50);
  return screens.save(sample.frame().grab(), QStringLiteral("combinations"));
}

}  // namespace tavoro::tools
