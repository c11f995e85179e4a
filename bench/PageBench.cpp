// The wardrobe page with a large wardrobe: 500 collections of 100 items
// (50,000), every item's photo on disk (hard links to one 640 x 480 JPEG), in
// the real main window on Qt's offscreen platform. Each operation is timed
// beside the same operation on a wardrobe of two empty collections, and the
// file operations beside their floors:
//   reading the wardrobe file: its bytes alone, and into a model without a window;
//   the open command to the page painted;
//   selecting a collection to the item list's first paint, and to every
//     entry in view drawn with its thumbnail (a collection not shown before
//     each time, so its thumbnails are decoded);
//   one paint of the collection pane;
//   saving (the floor: the same bytes written and replaced as safely, with
//     no XML work);
//   closing (which saves) to the home page painted.
// The process's peak memory is reported with each result. The wardrobes are
// made once into the build's benchmark cache.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "PhotoFactory.h"
#include "WardrobeMaker.h"
#include "settings/AppSettings.h"
#include "imaging/thumbnails/ListThumbnailLoader.h"
#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "platform/WholeFile.h"
#include "ui/collections/CollectionPane.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/items/ItemGridView.h"
#include "ui/items/ItemListModel.h"
#include "ui/items/ItemListPane.h"
#include "ui/items/ListThumbnails.h"
#include "ui/page/WardrobePage.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace {

using namespace tavoro;
using namespace tavoro::ui;

constexpr long kItems = 50000;
constexpr long kItemsPerCollection = 100;

double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Runs the event loop until the condition holds; false after ten seconds.
bool processUntil(const std::function<bool()>& condition) {
  QDeadlineTimer deadline(10000);
  while (!condition() && !deadline.hasExpired()) QTest::qWait(1);
  return condition();
}

// The wardrobes, made once into the build's benchmark cache (so that a run's
// peak memory is the program's, not the maker's), one scratch program folder
// and one shown main window for the run.
struct Setup {
  QTemporaryDir scratch;
  std::wstring large;
  std::wstring empty;
  std::unique_ptr<MainWindow> frame;
  std::set<int32_t> thumbnailsReady;  // entry numbers announced by the item list

  Setup() {
    AppPaths::setProgramFolderForTesting(fromUtf8(scratch.path().toStdString()));
    const std::wstring cache = fromUtf8(TAVORO_BENCH_CACHE_DIR) + L"/page";
    large = cache + L"/Large500/Large500.twd";
    if (!isFile(large)) {
      const std::wstring photo = cache + L"/photo.jpg";
      createFolders(cache);
      std::ofstream(toUtf8(photo), std::ios::binary) << test::jpegBytes(640, 480, 7);
      large = bench::makeWardrobe(cache, L"Large500", kItems, kItemsPerCollection, photo);
    }
    Wardrobe twoEmpty(cache + L"/Empty", L"Empty");
    twoEmpty.collections().add(L"First");
    twoEmpty.collections().add(L"Second");
    empty = writeWardrobe(twoEmpty) ? twoEmpty.wardrobeFilePath() : std::wstring();
    AppSettings::settings().frameRect = {0, 0, 1200, 800};
    frame = std::make_unique<MainWindow>();
    frame->resize(1200, 800);
    frame->show();
    QApplication::processEvents();
    QObject::connect(itemList()->thumbnails(), &ListThumbnails::thumbnailsReady,
                     [this](const QList<int32_t>& numbers) { thumbnailsReady.insert(numbers.begin(), numbers.end()); });
  }
  WardrobePage* page() const { return frame->clientView()->wardrobeView(); }
  ItemListPane* itemList() const { return page()->itemList(); }

  // The wardrobe at path open on its page (whatever else was open closed).
  bool show(const std::wstring& path) {
    if (frame->wardrobe() && frame->wardrobe()->wardrobeFilePath() == path) return true;
    frame->lifecycle().closeWardrobe();
    const bool opened = frame->lifecycle().openWardrobe(path, true, true);
    QApplication::processEvents();
    waitForThumbnails();
    return opened;
  }
  // Lets the item list's thumbnail thread finish, so that it does not take
  // the processor from what is timed next.
  void waitForThumbnails() {
    processUntil([this] { return itemList()->thumbnails()->loader().pendingIds().empty(); });
  }
  void clickCollection(int row) {
    CollectionPane* pane = page()->collectionPane();
    pane->ensureVisible(row);
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->rowRect(row).center());
  }
};

Setup& setup() {
  static Setup* instance = new Setup;
  return *instance;
}

const std::wstring& wardrobeFor(Setup& s, bool large) {
  return large ? s.large : s.empty;
}

// The floor of reading: the file's bytes into memory.
void BM_PlainFileRead(benchmark::State& state) {
  Setup& s = setup();
  std::string bytes;
  for (auto _ : state)
    if (readWholeFile(s.large, size_t(1) << 31, bytes) != FileReadStatus::Ok) state.SkipWithError("no file");
  state.counters["MB"] = static_cast<double>(bytes.size()) / 1048576.0;
}
BENCHMARK(BM_PlainFileRead)->Unit(benchmark::kMillisecond)->Iterations(5);

// Reading the same file into a wardrobe, without any window.
void BM_ReadWardrobeFile(benchmark::State& state) {
  Setup& s = setup();
  for (auto _ : state) {
    Wardrobe wardrobe;
    if (!readWardrobe(s.large, wardrobe)) state.SkipWithError("the wardrobe did not read");
  }
}
BENCHMARK(BM_ReadWardrobeFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OpenToPagePainted(benchmark::State& state, bool large) {
  Setup& s = setup();
  const std::wstring& path = wardrobeFor(s, large);
  for (auto _ : state) {
    state.PauseTiming();
    s.frame->lifecycle().closeWardrobe();
    QApplication::processEvents();
    state.ResumeTiming();
    if (!s.frame->lifecycle().openWardrobe(path, true, true)) {
      state.SkipWithError("the wardrobe did not open");
      return;
    }
    s.frame->clientView()->repaint();
    state.PauseTiming();
    s.waitForThumbnails();
    state.ResumeTiming();
  }
  state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK_CAPTURE(BM_OpenToPagePainted, large, true)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_OpenToPagePainted, empty, false)->Unit(benchmark::kMillisecond)->Iterations(5);

// A click on a collection not shown before, until the item list has painted.
void BM_SelectCollectionToFirstPaint(benchmark::State& state, bool large) {
  Setup& s = setup();
  if (!s.show(wardrobeFor(s, large))) {
    state.SkipWithError("the wardrobe did not open");
    return;
  }
  const int collections = s.page()->collectionPane()->rowCount() - 2;
  int row = 1;
  for (auto _ : state) {
    s.clickCollection(row);
    s.itemList()->gridView()->viewport()->repaint();
    state.PauseTiming();
    s.waitForThumbnails();
    row = row % collections + 1;
    state.ResumeTiming();
  }
  state.counters["entries"] = s.itemList()->entryCount();
  state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK_CAPTURE(BM_SelectCollectionToFirstPaint, large, true)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(BM_SelectCollectionToFirstPaint, empty, false)->Unit(benchmark::kMillisecond)->Iterations(20);

// A click on a collection not shown before, until every entry in view is
// drawn with its thumbnail (each one decoded from its photo).
void BM_SelectCollectionToVisibleThumbnails(benchmark::State& state) {
  Setup& s = setup();
  if (!s.show(s.large)) {
    state.SkipWithError("the wardrobe did not open");
    return;
  }
  // From the end, and on through repetitions: none of them shown yet.
  static int row = s.page()->collectionPane()->rowCount() - 2;
  int visible = 0;
  for (auto _ : state) {
    s.clickCollection(row);
    row = std::max(1, row - 1);
    const auto [first, last] = s.itemList()->gridView()->visibleRows();
    visible = last - first + 1;
    const bool all = processUntil([&, first = first, last = last] {
      for (int r = first; r <= last; ++r)
        if (!s.thumbnailsReady.count(s.itemList()->model()->entry(r).number)) return false;
      return true;
    });
    if (!all) state.SkipWithError("the thumbnails did not come");
    s.itemList()->gridView()->viewport()->repaint();
    state.PauseTiming();
    s.waitForThumbnails();
    state.ResumeTiming();
  }
  state.counters["visible"] = visible;
  state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_SelectCollectionToVisibleThumbnails)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_CollectionPanePaint(benchmark::State& state) {
  Setup& s = setup();
  if (!s.show(s.large)) {
    state.SkipWithError("the wardrobe did not open");
    return;
  }
  CollectionPane* pane = s.page()->collectionPane();
  for (auto _ : state) pane->viewport()->repaint();
  state.counters["rows"] = pane->rowCount();
  state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_CollectionPanePaint)->Unit(benchmark::kMicrosecond);

// The Save command's work.
void BM_Save(benchmark::State& state, bool large) {
  Setup& s = setup();
  if (!s.show(wardrobeFor(s, large))) {
    state.SkipWithError("the wardrobe did not open");
    return;
  }
  for (auto _ : state)
    if (!s.frame->lifecycle().saveWardrobe()) state.SkipWithError("the wardrobe did not save");
  state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK_CAPTURE(BM_Save, large, true)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_Save, empty, false)->Unit(benchmark::kMillisecond)->Iterations(5);

// The floor of saving: the saved file's bytes written beside it and put in
// its place as safely (flushed to disk, then renamed).
void BM_ReplaceFileFloor(benchmark::State& state) {
  Setup& s = setup();
  std::string bytes;
  if (readWholeFile(s.large, size_t(1) << 31, bytes) != FileReadStatus::Ok) {
    state.SkipWithError("no file");
    return;
  }
  const std::wstring copy = s.large + L".floor";
  for (auto _ : state)
    if (!replaceFileAtomically(
            copy, [&](std::FILE* file) { return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(); }))
      state.SkipWithError("the file was not written");
  removeFile(copy);
  state.counters["MB"] = static_cast<double>(bytes.size()) / 1048576.0;
}
BENCHMARK(BM_ReplaceFileFloor)->Unit(benchmark::kMillisecond)->Iterations(5);

// Closing (which saves) until the home page has painted.
void BM_CloseToHomePainted(benchmark::State& state, bool large) {
  Setup& s = setup();
  const std::wstring& path = wardrobeFor(s, large);
  for (auto _ : state) {
    state.PauseTiming();
    if (!s.show(path)) {
      state.SkipWithError("the wardrobe did not open");
      return;
    }
    state.ResumeTiming();
    // The Close command once answered Yes: save, then close.
    if (!s.frame->lifecycle().confirmAndCloseWardrobe(false)) state.SkipWithError("the wardrobe did not save");
    s.frame->lifecycle().closeWardrobe();
    s.frame->clientView()->repaint();
  }
  state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK_CAPTURE(BM_CloseToHomePainted, large, true)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_CloseToHomePainted, empty, false)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
