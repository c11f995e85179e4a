// bench_thumbnails: list-view cells through one loader on a cold and on a
// warm store, the store's get, and importing photos into a wardrobe. The
// photos (500 JPEG files of 2000 x 1500, every other one with an EXIF
// thumbnail) are made once into a cache folder under the build folder.
#include <benchmark/benchmark.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "PhotoFactory.h"
#include "imaging/DibBitmap.h"
#include "imaging/import/AddFiles.h"
#include "imaging/import/FilterThread.h"
#include "imaging/thumbnails/ListThumbnailLoader.h"
#include "imaging/thumbnails/ThumbnailStore.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

constexpr int kPhotoCount = 500;

const std::wstring& cacheFolder() {
  static const std::wstring folder = fromUtf8(TAVORO_BENCH_CACHE_DIR) + L"/thumbnails";
  return folder;
}

std::wstring photoPath(int i) {
  wchar_t name[32];
  std::swprintf(name, 32, L"/photo_%03d.jpg", i);
  return cacheFolder() + name;
}

// The photos, made on the first run and reused after that.
const std::vector<std::wstring>& photos() {
  static const std::vector<std::wstring> paths = [] {
    createFolders(cacheFolder());
    std::vector<std::wstring> made;
    for (int i = 0; i < kPhotoCount; ++i) {
      const std::wstring path = photoPath(i);
      if (!isFile(path)) {
        std::string bytes = test::jpegBytes(2000, 1500, i, 90);
        if (i % 2 == 0) bytes = test::withExif(bytes, test::jpegBytes(160, 120, i, 80));
        const std::string temporary = toUtf8(path) + ".part";
        std::FILE* f = std::fopen(temporary.c_str(), "wb");
        if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) std::abort();
        std::rename(temporary.c_str(), toUtf8(path).c_str());
      }
      made.push_back(path);
    }
    return made;
  }();
  return paths;
}

std::wstring scratchFolder() {
  const std::wstring folder = fromUtf8(TAVORO_BENCH_CACHE_DIR) + L"/scratch";
  createFolders(folder);
  return folder;
}

// Runs every photo through a new loader and waits until each was announced.
void loadAll(ThumbnailStore& store) {
  std::mutex mutex;
  std::condition_variable done;
  int ready = 0;
  ListThumbnailSink sink;
  sink.thumbnailReady = [&](int32_t) {
    std::lock_guard lock(mutex);
    if (++ready == kPhotoCount) done.notify_one();
  };
  ListThumbnailLoader loader(store, ListCellStyle{}, nullptr, nullptr, sink);
  std::vector<ThumbnailRequest> batch;
  for (int i = 0; i < kPhotoCount; ++i) batch.push_back({i + 1, photos()[static_cast<size_t>(i)]});
  loader.requestThumbnails(batch);
  std::unique_lock lock(mutex);
  done.wait(lock, [&] { return ready == kPhotoCount; });
}

void BM_CellsColdStore(benchmark::State& state) {
  photos();
  for (auto _ : state) {
    ThumbnailStore store;
    if (!store.open(L"bench_cold.tcf", scratchFolder())) state.SkipWithError("store cannot be opened");
    loadAll(store);
  }
  state.counters["cells/s"] = benchmark::Counter(kPhotoCount, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_CellsWarmStore(benchmark::State& state) {
  photos();
  ThumbnailStore store;
  if (!store.open(L"bench_warm.tcf", scratchFolder())) state.SkipWithError("store cannot be opened");
  loadAll(store);  // every thumbnail is in the store from here on
  for (auto _ : state) loadAll(store);
  state.counters["cells/s"] = benchmark::Counter(kPhotoCount, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["store MiB"] = static_cast<double>(store.used()) / (1 << 20);
}

void BM_StoreGet(benchmark::State& state) {
  photos();
  ThumbnailStore store;
  if (!store.open(L"bench_get.tcf", scratchFolder())) state.SkipWithError("store cannot be opened");
  DibBitmap thumbnail;
  if (!thumbnail.create(94, 70, 24)) state.SkipWithError("no bitmap");
  for (const std::wstring& path : photos()) store.put(thumbnail, path);
  size_t i = 0;
  for (auto _ : state) {
    DibBitmap back;
    if (!store.get(back, photos()[i])) state.SkipWithError("miss");
    benchmark::DoNotOptimize(back.bits());
    i = (i + 1) % photos().size();
  }
}

void BM_Import(benchmark::State& state) {
  photos();
  const std::wstring folder = scratchFolder() + L"/import";
  for (auto _ : state) {
    state.PauseTiming();
    removeTree(folder);
    createFolders(folder);
    Wardrobe wardrobe(folder, L"Bench");
    Collection* collection = wardrobe.collections().add(L"Photos");
    state.ResumeTiming();

    FilterThread filter({cacheFolder()}, nullptr);
    filter.start();
    filter.wait();
    const AddedFiles added = addFiles(collection, filter.accepted(), [](size_t) { return true; });
    if (added.items.size() != static_cast<size_t>(kPhotoCount)) state.SkipWithError("not every photo was added");
    if (!writeWardrobe(wardrobe)) state.SkipWithError("the wardrobe cannot be saved");
  }
  removeTree(folder);
  state.counters["files/s"] = benchmark::Counter(kPhotoCount, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_CellsColdStore)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_CellsWarmStore)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_StoreGet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace
}  // namespace tavoro
