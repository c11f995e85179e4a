// Typing into the search box through the real widgets of the window on Qt's
// offscreen platform, over the search benchmark's wardrobes: 50,000 items
// (100 collections of 500) and 250,000 items (2,500 collections of 100),
// searching "All Collections". Each query of the search benchmark is typed
// one key at a time into an empty box, each key waiting for its search to
// end; for each key: the time from the key reaching the box to the first
// results painted, and to every result in and painted. The counters give the
// mean, the 95th percentile and the slowest key, and the longest event
// handler of the user-interface thread while typing (the window's stutter).
// "all queries" types every query in turn and gives the same figures over
// all its keys. "results/scroll and click" shows the results of "e"
// (11,738 rows at 250,000 items), scrolls their list from top to bottom a page at a time, each page
// painted, then clicks 100 rows across it, each to the list and the
// details painted. With BENCH_TELL_LONGEST set, each new longest event
// handler is printed with its receiver and event type as it happens.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "SearchBenchWardrobe.h"
#include "ui/common/QtText.h"
#include "ui/frame/MainView.h"
#include "ui/frame/RecentWardrobes.h"
#include "ui/page/WardrobePage.h"
#include "ui/search/SearchBox.h"
#include "ui/search/SearchResultList.h"
#include "ui/search/SearchResultsPane.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"

namespace {

using namespace tavoro;
using namespace tavoro::ui;
using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// Times the outermost event handlers while asked to, and notes the last
// paint of the watched widget.
class TimedApplication : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override {
    const bool outermost = m_depth++ == 0;
    const Clock::time_point start = Clock::now();
    const bool result = QApplication::notify(receiver, event);
    --m_depth;
    const Clock::time_point end = Clock::now();
    if (outermost && m_timing && msBetween(start, end) > m_longest) {
      m_longest = msBetween(start, end);
      if (std::getenv("BENCH_TELL_LONGEST"))
        std::fprintf(stderr, "longest so far %.1f ms: %s %s event %d\n", m_longest, receiver->metaObject()->className(),
                     qPrintable(receiver->objectName()), int(event->type()));
    }
    if (event->type() == QEvent::Paint && receiver == m_watched) m_lastPaint = end;
    return result;
  }

  void watch(QObject* widget) { m_watched = widget; }
  Clock::time_point lastPaint() const { return m_lastPaint; }
  void startTiming() {
    m_timing = true;
    m_longest = 0;
  }
  double stopTiming() {
    m_timing = false;
    return m_longest;
  }

 private:
  int m_depth = 0;
  bool m_timing = false;
  double m_longest = 0;
  QObject* m_watched = nullptr;
  Clock::time_point m_lastPaint;
};

// The application and a window with a wardrobe open on its page, made once;
// the wardrobe is swapped when a benchmark asks for the other size.
struct Window {
  Window() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<TimedApplication>(argc, argv);
    session = std::make_unique<WardrobeSession>();
    window = std::make_unique<QWidget>();
    view = new MainView(window.get(), recent, *session);
    window->resize(1200, 700);
    view->resize(1200, 700);
  }
  void open(bool large) {
    if (session->isOpen() && large == openLarge) return;
    session->close();
    std::unique_ptr<Wardrobe> wardrobe = large ? bench::makeSearchBenchWardrobeLarge() : bench::makeSearchBenchWardrobe();
    session->open(wardrobe);
    openLarge = large;
    view->showWardrobeTab(true);
    window->show();
    QApplication::setActiveWindow(window.get());
    QApplication::processEvents();
    app->watch(results()->viewport());
  }
  SearchResultList* results() const { return view->wardrobeView()->searchResults()->list(); }

  int argc = 1;
  char name[16] = "bench";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<TimedApplication> app;
  RecentWardrobes recent;
  std::unique_ptr<WardrobeSession> session;
  std::unique_ptr<QWidget> window;
  MainView* view = nullptr;  // the window's child
  bool openLarge = false;
};

Window& window(bool large) {
  static Window* shared = new Window;  // kept: the application must outlive every widget
  shared->open(large);
  return *shared;
}

struct KeyTimes {
  std::vector<double> first;  // to the first results painted
  std::vector<double> all;    // to every result in and painted
  double longestEvent = 0;
};

// Types text into the emptied box a key at a time, each key waiting until
// its search has ended and its results are painted.
void typeText(Window& w, const QString& text, KeyTimes& times) {
  SearchBox* box = w.view->searchBox();
  box->clear();
  box->activate();
  QApplication::processEvents();
  w.app->startTiming();
  for (const QChar c : text) {
    const uint64_t runBefore = w.session->searchRun();
    const Clock::time_point start = Clock::now();
    QTest::keyClick(box->edit(), c.toLatin1());
    // The results are painted by the paint that follows their arrival.
    Clock::time_point firstPainted{};
    while (true) {
      QApplication::processEvents();
      const bool replaced = w.session->searchRun() != runBefore;
      if (replaced && firstPainted == Clock::time_point{} && w.app->lastPaint() > start)
        firstPainted = w.app->lastPaint();
      if (!w.session->searching() && replaced) break;
      if (w.session->searching()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
      else if (!replaced) break;  // a key that searched nothing new
    }
    QApplication::processEvents();  // the last results painted
    const Clock::time_point end = std::max(w.app->lastPaint(), start);
    times.all.push_back(msBetween(start, end));
    times.first.push_back(msBetween(start, firstPainted == Clock::time_point{} ? end : firstPainted));
  }
  times.longestEvent = std::max(times.longestEvent, w.app->stopTiming());
}

// The process's peak resident memory so far.
double peakMiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024;
  return 0;
}

double percentile(std::vector<double> values, double share) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t rank = static_cast<size_t>(std::ceil(share * static_cast<double>(values.size())));
  return values[std::min(values.size() - 1, rank == 0 ? 0 : rank - 1)];
}

void report(benchmark::State& state, const KeyTimes& times) {
  const auto mean = [](const std::vector<double>& v) {
    return v.empty() ? 0 : std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
  };
  state.counters["keys"] = static_cast<double>(times.all.size());
  state.counters["first ms mean"] = mean(times.first);
  state.counters["first ms p95"] = percentile(times.first, 0.95);
  state.counters["all ms mean"] = mean(times.all);
  state.counters["all ms p95"] = percentile(times.all, 0.95);
  state.counters["all ms max"] = times.all.empty() ? 0 : *std::max_element(times.all.begin(), times.all.end());
  state.counters["longest event ms"] = times.longestEvent;
  state.counters["peak MiB"] = peakMiB();
}

void typeQueries(benchmark::State& state, bool large, std::vector<std::wstring> queries) {
  Window& w = window(large);
  KeyTimes times;
  for (auto _ : state) {
    const size_t before = times.all.size();
    for (const std::wstring& query : queries) typeText(w, ui::toQString(query), times);
    state.SetIterationTime(std::accumulate(times.all.begin() + static_cast<long>(before), times.all.end(), 0.0) / 1000.0);
  }
  if (w.view->searchBox()->text() != ui::toQString(queries.back())) state.SkipWithError("the box did not get the query");
  state.counters["rows"] = w.results()->rowCount();
  report(state, times);
  w.view->searchBox()->clear();
  QApplication::processEvents();
}

// Shows the results of text, typed into the emptied box, all of them in.
void showResultsOf(Window& w, const QString& text) {
  SearchBox* box = w.view->searchBox();
  box->clear();
  box->activate();
  QTest::keyClicks(box->edit(), text);
  while (w.session->searching()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QApplication::processEvents();
}

// The result list of "e": scrolled from top to bottom a page at
// a time, each page painted; and rows clicked down the list, each click to
// the list and the details painted.
void browseResults(benchmark::State& state, bool large) {
  Window& w = window(large);
  showResultsOf(w, QStringLiteral("e"));
  SearchResultList* list = w.results();
  QScrollBar* bar = list->verticalScrollBar();
  std::vector<double> pages;
  std::vector<double> clicks;
  w.app->startTiming();
  for (auto _ : state) {
    bar->setValue(0);
    QApplication::processEvents();
    double total = 0;
    while (bar->value() < bar->maximum()) {
      const Clock::time_point start = Clock::now();
      bar->setValue(std::min(bar->maximum(), bar->value() + bar->pageStep()));
      QApplication::processEvents();  // the page painted
      pages.push_back(msBetween(start, Clock::now()));
      total += pages.back();
    }
    // 100 rows across the list, each scrolled into view, then clicked.
    for (int k = 0; k < 100 && list->rowCount() > 0; ++k) {
      const int row = static_cast<int>(static_cast<int64_t>(list->rowCount() - 1) * k / 99);
      bar->setValue(std::min(bar->maximum(), row * list->rowHeight()));
      QApplication::processEvents();
      const QRect rect = list->rowRect(row);
      const Clock::time_point start = Clock::now();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
      QApplication::processEvents();  // the selection and the details painted
      clicks.push_back(msBetween(start, Clock::now()));
      total += clicks.back();
    }
    state.SetIterationTime(total / 1000.0);
  }
  const double longest = w.app->stopTiming();
  if (w.session->selection().size() != 1) state.SkipWithError("the last click selected no single result");
  const auto mean = [](const std::vector<double>& v) {
    return v.empty() ? 0 : std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
  };
  state.counters["rows"] = list->rowCount();
  state.counters["pages"] = static_cast<double>(pages.size());
  state.counters["page ms mean"] = mean(pages);
  state.counters["page ms p95"] = percentile(pages, 0.95);
  state.counters["page ms max"] = pages.empty() ? 0 : *std::max_element(pages.begin(), pages.end());
  state.counters["click ms mean"] = mean(clicks);
  state.counters["click ms p95"] = percentile(clicks, 0.95);
  state.counters["click ms max"] = clicks.empty() ? 0 : *std::max_element(clicks.begin(), clicks.end());
  state.counters["longest event ms"] = longest;
  w.view->searchBox()->clear();
  QApplication::processEvents();
}

const bool kRegistered = [] {
  for (const bool large : {false, true}) {
    const std::string size = large ? "250000/" : "50000/";
    std::vector<std::wstring> all;
    for (const auto& [label, query] : bench::searchBenchQueries()) {
      all.push_back(query);
      benchmark::RegisterBenchmark((size + "type/" + label).c_str(), typeQueries, large, std::vector<std::wstring>{query})
          ->UseManualTime()
          ->Iterations(5)
          ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark((size + "type/all queries").c_str(), typeQueries, large, all)
        ->UseManualTime()
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((size + "results/scroll and click").c_str(), browseResults, large)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
