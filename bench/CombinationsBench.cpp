// Combinations over 50,000 items (500 collections of 100, every photo on
// disk): 5,000 combinations of 3 to 8 items, and 100,000 wear dates (80,000
// on items, 20,000 on combinations). Reading and saving the wardrobe file
// beside the same wardrobe without combinations or wear dates (the goal:
// within 1.2 times); the combinations view made and painted over them (the
// goal: under 100 ms); one collage made from thumbnails kept in the
// thumbnail store (the goal: under 5 ms). The files are made once into the
// bench cache. Qt offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>

#include "InsightsBenchWardrobe.h"
#include "PhotoFactory.h"
#include "WardrobeMaker.h"
#include "imaging/thumbnails/PreviewThumbnailCache.h"
#include "imaging/thumbnails/ThumbnailStore.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "ui/combinations/CombinationCollage.h"
#include "ui/combinations/CombinationListView.h"
#include "ui/combinations/CombinationRow.h"
#include "ui/combinations/CombinationsView.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

constexpr long kItems = 50000;
constexpr long kPerCollection = 100;
constexpr size_t kCombinations = 5000;
constexpr long kItemWear = 80000;
constexpr long kWearPerCombination = 4;  // 20,000 in all

const std::wstring& cacheFolder() {
  static const std::wstring folder = fromUtf8(TAVORO_BENCH_CACHE_DIR) + L"/combinations";
  return folder;
}

// 5,000 combinations of 3 to 8 items picked across the wardrobe, each worn
// on four days of the last two years.
void addCombinations(Wardrobe& wardrobe, uint32_t& seed) {
  std::vector<Item*> items;
  for (const auto& collection : wardrobe.collections().collections())
    for (const auto& item : collection->items().items()) items.push_back(item.get());
  const int32_t today = bench::insightsBenchToday().dayNumber();
  for (size_t n = 0; n < kCombinations; ++n) {
    Combination* combination = wardrobe.combinations().add(L"Outfit " + std::to_wstring(n + 1));
    combination->setCreated(DateTime::now());
    combination->setChanged(combination->created());
    const size_t size = 3 + bench::nextBenchNumber(seed) % 6;
    while (combination->count() < size) combination->insertItem(items[bench::nextBenchNumber(seed) % items.size()]);
    while (combination->worn().count() < kWearPerCombination)
      combination->worn().add(Date(today - static_cast<int32_t>(bench::nextBenchNumber(seed) % 730)));
  }
}

struct Files {
  std::wstring plain;  // no combinations, no wear
  std::wstring worn;   // the same wardrobe with both, beside it (its photos shared)
};

// Made on first use and kept in the cache.
const Files& files() {
  static const Files made = [] {
    Files f;
    const std::wstring folder = cacheFolder() + L"/Outfits";
    f.plain = folder + L"/Outfits.twd";
    f.worn = folder + L"/Worn.twd";
    if (!isFile(f.plain)) {
      const std::wstring photo = cacheFolder() + L"/photo.jpg";
      createFolders(cacheFolder());
      std::ofstream(toUtf8(photo), std::ios::binary) << test::jpegBytes(640, 480, 7);
      if (bench::makeWardrobe(cacheFolder(), L"Outfits", kItems, kPerCollection, photo) != f.plain) abort();
    }
    if (!isFile(f.worn)) {
      Wardrobe wardrobe;
      if (!readWardrobe(f.plain, wardrobe)) abort();
      uint32_t seed = 2026;
      bench::addBenchWear(wardrobe, kItemWear, bench::insightsBenchToday(), seed);
      addCombinations(wardrobe, seed);
      wardrobe.setFilePath(f.worn);
      if (!writeWardrobe(wardrobe)) abort();
    }
    return f;
  }();
  return made;
}

const std::wstring& fileOf(const benchmark::State& state) {
  return state.range(0) == 0 ? files().plain : files().worn;
}

void label(benchmark::State& state) {
  state.SetLabel(state.range(0) == 0 ? "without combinations or wear" : "5,000 combinations, 100,000 wear dates");
  state.counters["MB"] = static_cast<double>(std::filesystem::file_size(toUtf8(fileOf(state)))) / 1e6;
}

void BM_ReadWardrobe(benchmark::State& state) {
  const std::wstring& file = fileOf(state);
  for (auto _ : state) {
    auto wardrobe = std::make_unique<Wardrobe>();
    if (!readWardrobe(file, *wardrobe)) state.SkipWithError("readWardrobe failed");
    state.PauseTiming();  // taking the model down is not part of reading it
    wardrobe.reset();
    state.ResumeTiming();
  }
  label(state);
}

void BM_WriteWardrobe(benchmark::State& state) {
  Wardrobe wardrobe;
  if (!readWardrobe(fileOf(state), wardrobe)) abort();
  wardrobe.setFilePath(cacheFolder() + L"/Outfits/written.twd");
  for (auto _ : state)
    if (!writeWardrobe(wardrobe)) state.SkipWithError("writeWardrobe failed");
  label(state);
}

BENCHMARK(BM_ReadWardrobe)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WriteWardrobe)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The window's part: a session over the wardrobe with its combinations.
struct Window {
  Window() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QApplication>(argc, argv);
    session = std::make_unique<ui::WardrobeSession>();
    auto wardrobe = std::make_unique<Wardrobe>();
    if (!readWardrobe(files().worn, *wardrobe)) abort();
    session->open(wardrobe);
  }
  int argc = 1;
  char name[16] = "bench";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<QApplication> app;
  std::unique_ptr<ui::WardrobeSession> session;
};

Window& window() {
  static Window* shared = new Window;  // kept: the application must outlive every widget
  return *shared;
}

// Waits (on the thumbnails' own news, never a sleep) until the collage of
// every row wholly in sight is whole; false after 30 seconds.
bool collagesMade(ui::CombinationListView& list) {
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 30000) {
    list.grab();
    const int visible = list.viewport()->height() / ui::CombinationRow::kHeight;
    bool all = visible > 0;
    for (int i = 0; i < list.rowCount() && i < visible; ++i) all &= list.combinationRow(i)->hasPicture();
    if (all) return true;
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
  }
  return false;
}

std::unique_ptr<ui::CombinationsView> makeView(ui::WardrobeSession& session) {
  auto view = std::make_unique<ui::CombinationsView>(session);
  view->resize(700, 760);
  view->show();
  return view;
}

// The view made over the open wardrobe and painted, the thumbnails of its
// visible collages already made (as when it is shown again).
void BM_ViewMadeAndPainted(benchmark::State& state) {
  Window& w = window();
  {
    auto warm = makeView(*w.session);
    if (!collagesMade(*warm->list())) state.SkipWithError("the collages were not made");
  }
  for (auto _ : state) {
    auto view = makeView(*w.session);
    benchmark::DoNotOptimize(view->grab());
    state.PauseTiming();
    view.reset();
    state.ResumeTiming();
  }
  state.counters["rows"] = static_cast<double>(w.session->wardrobe()->combinations().count());
}
BENCHMARK(BM_ViewMadeAndPainted)->Unit(benchmark::kMillisecond);

// The same on first showing: a session just opened, no thumbnail made yet;
// from the view made to every collage in sight whole (the photos decoded on
// the preview thread as the rows ask for them).
void BM_ViewToEveryCollageCold(benchmark::State& state) {
  window();  // the application
  for (auto _ : state) {
    state.PauseTiming();
    auto session = std::make_unique<ui::WardrobeSession>();
    auto wardrobe = std::make_unique<Wardrobe>();
    if (!readWardrobe(files().worn, *wardrobe) || !session->open(wardrobe)) abort();
    state.ResumeTiming();
    auto view = makeView(*session);
    if (!collagesMade(*view->list())) state.SkipWithError("the collages were not made");
    state.PauseTiming();
    view.reset();
    session.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ViewToEveryCollageCold)->Unit(benchmark::kMillisecond)->Iterations(3);

// A combination added through the session to the view painted again (the
// list follows the session's news); undone between runs, untimed.
void BM_CombinationAddedAndPainted(benchmark::State& state) {
  Window& w = window();
  auto view = makeView(*w.session);
  collagesMade(*view->list());
  Collection* first = w.session->wardrobe()->collections().at(0);
  const std::vector<Item*> items{first->items().at(0), first->items().at(1), first->items().at(2)};
  for (auto _ : state) {
    if (!w.session->addCombination(L"Added", items)) state.SkipWithError("addCombination failed");
    benchmark::DoNotOptimize(view->grab());
    state.PauseTiming();
    w.session->history().undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CombinationAddedAndPainted)->Unit(benchmark::kMillisecond);

// One collage of four items' thumbnails, each read back from the thumbnail
// store (the cache keeps a single one in memory), then drawn.
void BM_CollageFromStore(benchmark::State& state) {
  window();  // the wardrobe and its files
  Wardrobe wardrobe;
  if (!readWardrobe(files().worn, wardrobe)) abort();
  const Combination* combination = nullptr;
  for (const auto& c : wardrobe.combinations().combinations())
    if (c->count() >= 4) {
      combination = c.get();
      break;
    }
  ThumbnailStore store;
  if (!combination || !store.open(L"bench-collage.tcf", cacheFolder())) abort();
  PreviewThumbnailCache previews(store, 1);
  std::mutex mutex;
  std::condition_variable arrived;
  int news = 0;
  auto sink = std::make_shared<const PreviewSink>([&](int32_t) {
    {
      std::lock_guard lock(mutex);
      ++news;
    }
    arrived.notify_all();
  });
  // Every thumbnail made by the cache's thread and stored.
  bool complete = false;
  for (int tries = 0; tries < 100 && !complete; ++tries) {
    int seen = 0;
    {
      std::lock_guard lock(mutex);
      seen = news;
    }
    ui::collagePictures(previews, *combination, sink, &complete);
    std::unique_lock lock(mutex);
    if (!complete) arrived.wait_for(lock, std::chrono::milliseconds(300), [&] { return news != seen; });
  }
  if (!complete) state.SkipWithError("the thumbnails were not made");
  for (auto _ : state) {
    const std::vector<QImage> pictures = ui::collagePictures(previews, *combination, sink, &complete);
    benchmark::DoNotOptimize(ui::makeCollage(pictures, ui::CombinationRow::kCollageSize));
    if (!complete) state.SkipWithError("a thumbnail left the store");
  }
  state.counters["pictures"] = static_cast<double>(std::min<size_t>(combination->count(), ui::kCollageCells));
}
BENCHMARK(BM_CollageFromStore)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavoro
