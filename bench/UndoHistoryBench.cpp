// What the undo history of an open wardrobe costs in memory: 1,000 steps of
// the kinds a user makes, on the 50,000-item search wardrobe, measured as the
// heap in use (mallinfo2) before and after; and the time a step takes.
// Prints its figures; run it directly (build/bin/bench_undo_history).
#include <malloc.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <memory>

#include "SearchBenchWardrobe.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Collection.h"
#include "wardrobe/Wardrobe.h"

namespace {

using namespace tavoro;
using Clock = std::chrono::steady_clock;

size_t heapInUse() { return mallinfo2().uordblks; }

// Runs steps changes through the session, each made by change(i); the heap
// they leave behind and the mean time of a step.
template <typename Change>
void measure(const char* what, ui::WardrobeSession& session, int steps, Change change) {
  session.history().clear();
  malloc_trim(0);
  const size_t before = heapInUse();
  const auto start = Clock::now();
  int made = 0;
  for (int i = 0; i < steps; ++i) made += change(i) ? 1 : 0;
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  const size_t after = heapInUse();
  const double mib = (static_cast<double>(after) - static_cast<double>(before)) / (1024.0 * 1024.0);
  std::printf("%-46s %5d steps  %8.2f MiB  %7.1f KiB a step  %.3f ms a step\n", what, made, mib,
              made ? mib * 1024.0 / made : 0.0, made ? ms / made : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ui::WardrobeSession session;
  std::unique_ptr<Wardrobe> wardrobe = bench::makeSearchBenchWardrobe();
  session.open(wardrobe);
  CollectionList& collections = session.wardrobe()->collections();
  const auto item = [&](int i) {
    Collection* c = collections.at(static_cast<size_t>(i) % collections.count());
    return c->items().at(static_cast<size_t>(i / 100) % c->items().count());
  };
  std::printf("50,000 items in %zu collections; heap in use with the wardrobe open: %.1f MiB\n", collections.count(),
              heapInUse() / (1024.0 * 1024.0));

  measure("renames of items", session, 1000, [&](int i) {
    return session.renameItem(item(i), L"Renamed item number " + std::to_wstring(i));
  });
  measure("values set", session, 1000, [&](int i) {
    Item* target = item(i);
    return session.setValue(target, target->owner()->collection()->tags().at(0), L"value " + std::to_wstring(i));
  });
  measure("a mix: rename, set, clear, delete 3 items, move", session, 1000, [&](int i) {
    Item* target = item(i + 7);
    switch (i % 5) {
      case 0:
        return session.renameItem(target, L"Mixed " + std::to_wstring(i));
      case 1:
        return session.setValue(target, target->owner()->collection()->tags().at(1), L"mixed");
      case 2:
        return session.clearAllValues(target);
      case 3: {
        ItemList& list = target->owner()->collection()->items();
        return list.count() >= 3 && session.removeItems({list.at(0), list.at(1), list.at(2)});
      }
      default: {
        std::vector<Collection*> order;
        for (const auto& c : collections.collections()) order.push_back(c.get());
        std::swap(order[static_cast<size_t>(i) % order.size()], order[(static_cast<size_t>(i) + 1) % order.size()]);
        return session.reorderCollections(order);
      }
    }
  });
  // The largest kind: every tag of a collection of 500 items deleted keeps
  // every value of its items for undo.
  measure("Delete All Tags of a 500-item collection", session, 100,
          [&](int i) { return session.removeAllTags(collections.at(static_cast<size_t>(i))); });
  return 0;
}
