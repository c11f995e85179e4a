// The insights view over 50,000 items with 100,000 wear dates: from a change
// to the view painted again (every figure computed, the charts and lists
// made and drawn; the goal: under 200 ms). Qt offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <memory>

#include "InsightsBenchWardrobe.h"
#include "ui/insights/InsightsView.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Collection.h"
#include "wardrobe/Item.h"
#include "wardrobe/Wardrobe.h"

namespace {

using namespace tavoro;
using namespace tavoro::ui;

struct Window {
  Window() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QApplication>(argc, argv);
    session = std::make_unique<WardrobeSession>();
    std::unique_ptr<Wardrobe> wardrobe = bench::makeInsightsBenchWardrobe();
    session->open(wardrobe);
    view = std::make_unique<InsightsView>(*session);
    view->resize(900, 1400);
    view->show();
    QApplication::processEvents();
  }
  int argc = 1;
  char name[16] = "bench";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<QApplication> app;
  std::unique_ptr<WardrobeSession> session;
  std::unique_ptr<InsightsView> view;
};

Window& window() {
  static Window* shared = new Window;  // kept: the application must outlive every widget
  return *shared;
}

void BM_RefreshAndPaint(benchmark::State& state) {
  Window& w = window();
  for (auto _ : state) {
    w.view->refresh();
    benchmark::DoNotOptimize(w.view->grab());
  }
  state.counters["rows"] = static_cast<double>(w.view->leastWornRows().size());
}
BENCHMARK(BM_RefreshAndPaint)->Unit(benchmark::kMillisecond);

// The way a user's change reaches the view: one value set through the session
// (one undo step), the view's queued refresh run by the event loop, then
// painted. Alternates two values so that every iteration changes something.
void BM_ChangeThroughSessionToPainted(benchmark::State& state) {
  Window& w = window();
  Collection* collection = w.session->wardrobe()->collections().collections().front().get();
  Item* item = collection->items().items().front().get();
  const Tag* tag = collection->tags().tags().front().get();
  bool flip = false;
  // The event loop's turn after the change: the view's refresh (one event)
  // and the window's repaint; how long the window does not answer.
  double eventsMs = 0;
  for (auto _ : state) {
    flip = !flip;
    w.session->setValue(item, tag, flip ? L"Insights bench A" : L"Insights bench B");
    const auto start = std::chrono::steady_clock::now();
    QApplication::processEvents();
    eventsMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    benchmark::DoNotOptimize(w.view->grab());
  }
  state.counters["refresh_event_ms"] = eventsMs / static_cast<double>(state.iterations());
  state.counters["stale"] = w.view->isStale() ? 1 : 0;
}
BENCHMARK(BM_ChangeThroughSessionToPainted)->Unit(benchmark::kMillisecond);

}  // namespace
