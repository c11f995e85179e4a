// Typing into the search box over the 50,000 items of the search benchmark,
// through the real widgets of the window on Qt's offscreen platform: for
// each key press, the time from the key reaching the box to the results
// painted (the search, the rows made, the visible rows' markup worked out
// and drawn). Each query of the search benchmark is typed one key at a time
// into an empty box searching "All Collections"; the counters give the mean
// and the slowest key.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "SearchBenchWardrobe.h"
#include "ui/common/QtText.h"
#include "ui/frame/MainView.h"
#include "ui/page/WardrobePage.h"
#include "ui/search/SearchBox.h"
#include "ui/frame/RecentWardrobes.h"
#include "ui/search/SearchResultsPane.h"
#include "ui/session/WardrobeSession.h"
#include "ui/search/SearchResultList.h"
#include "wardrobe/Wardrobe.h"

namespace {

using namespace tavoro;
using namespace tavoro::ui;
using Clock = std::chrono::steady_clock;

// The application and a window with the wardrobe open on its page, made once.
struct Window {
  Window() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QApplication>(argc, argv);
    session = std::make_unique<WardrobeSession>();
    window = std::make_unique<QWidget>();
    view = new MainView(window.get(), recent, *session);
    window->resize(1200, 700);
    view->resize(1200, 700);
    std::unique_ptr<Wardrobe> wardrobe = bench::makeSearchBenchWardrobe();
    session->open(wardrobe);
    view->showWardrobeTab(true);
    window->show();
    QApplication::setActiveWindow(window.get());
    QApplication::processEvents();
  }
  int argc = 1;
  char name[16] = "bench";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<QApplication> app;
  RecentWardrobes recent;
  std::unique_ptr<WardrobeSession> session;
  std::unique_ptr<QWidget> window;
  MainView* view = nullptr;  // the window's child
};

Window& window() {
  static Window* shared = new Window;  // kept: the application must outlive every widget
  return *shared;
}

void typeQuery(benchmark::State& state, const std::wstring& query) {
  Window& w = window();
  SearchBox* box = w.view->searchBox();
  SearchResultList* results = w.view->wardrobeView()->searchResults()->list();
  const QString text = ui::toQString(query);
  std::vector<double> keys;
  for (auto _ : state) {
    box->clear();
    box->activate();
    QApplication::processEvents();
    double total = 0;
    for (const QChar c : text) {
      const Clock::time_point start = Clock::now();
      QTest::keyClick(box->edit(), c.toLatin1());
      QApplication::processEvents();  // the results painted
      const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      keys.push_back(ms);
      total += ms;
    }
    state.SetIterationTime(total / 1000.0);
  }
  if (box->text() != text) state.SkipWithError("the box did not get the query");
  int drawn = 0;
  for (int i = 0; i < std::min(results->rowCount(), 10); ++i) drawn += results->resultRow(i)->hasMarkup() ? 1 : 0;
  state.counters["rows"] = results->rowCount();
  state.counters["rows drawn"] = drawn;
  state.counters["keys"] = static_cast<double>(text.size());
  state.counters["ms/key mean"] =
      keys.empty() ? 0 : std::accumulate(keys.begin(), keys.end(), 0.0) / static_cast<double>(keys.size());
  state.counters["ms/key max"] = keys.empty() ? 0 : *std::max_element(keys.begin(), keys.end());
  box->clear();
}

const bool kRegistered = [] {
  for (const auto& [label, query] : bench::searchBenchQueries())
    benchmark::RegisterBenchmark((std::string("type/") + label).c_str(), typeQuery, query)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
