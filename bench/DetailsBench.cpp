// bench_details: selecting items one after another in a collection of 5,000
// items with photos of 12 megapixels (half of them with an EXIF thumbnail),
// from the selection until the preview and the information strip are
// painted; and the viewer showing a photo: the first time, the next one
// (decoded ahead while the user looks, or paged to at once), and one it keeps.
// The four photos are made once into a cache folder under the build folder;
// the items' photo files are hard links to them, so that every item has a
// photo file of its own (as in a wardrobe) without taking room.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "ImageTestFiles.h"
#include "PhotoFactory.h"
#include "imaging/thumbnails/PreviewThumbnailCache.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"
#include "ui/details/ItemDetailsPane.h"
#include "ui/details/InfoStrip.h"
#include "ui/session/WardrobeSession.h"
#include "ui/details/PhotoPreview.h"
#include "ui/viewer/PhotoCanvas.h"
#include "ui/viewer/PhotoViewer.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro {
namespace {

using namespace tavoro::ui;

constexpr int kItemCount = 5000;
constexpr int kWidth = 4000;  // 12 megapixels
constexpr int kHeight = 3000;

const std::wstring& cacheFolder() {
  static const std::wstring folder = fromUtf8(TAVORO_BENCH_CACHE_DIR) + L"/details";
  return folder;
}

// Photos 0 and 1 carry an EXIF thumbnail, 2 and 3 do not.
std::wstring sourcePhoto(int i) {
  return cacheFolder() + L"/photo_" + std::to_wstring(i) + L".jpg";
}
bool hasExifThumbnail(int item) {
  return item % 4 < 2;
}

void makeSourcePhotos() {
  createFolders(cacheFolder());
  for (int i = 0; i < 4; ++i) {
    const std::wstring path = sourcePhoto(i);
    if (isFile(path)) continue;
    // Grain over a gradient, stored 4:2:0 at quality 90, as a camera's photos
    // are: smooth pictures alone decode several times faster.
    const test::Sampler camera = [i](int x, int y) {
      uint32_t h =
          static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u ^ static_cast<uint32_t>(i);
      h ^= h >> 13;
      h *= 0x5bd1e995u;
      const int grain = static_cast<int>(h >> 27) - 16;
      const auto channel = [grain](int base) { return static_cast<uint16_t>(std::clamp(base + grain, 0, 255)); };
      return std::array<uint16_t, 4>{channel(x * 255 / kWidth), channel(y * 255 / kHeight), channel(128 + 40 * i), 0};
    };
    std::string bytes = test::jpegFile(kWidth, kHeight, 3, camera, 90, true);
    if (i < 2) bytes = test::withExif(bytes, test::jpegBytes(160, 120, i, 80));
    const std::string temporary = toUtf8(path) + ".part";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) std::abort();
    std::rename(temporary.c_str(), toUtf8(path).c_str());
  }
}

// The wardrobe in memory; its photo files (links) stay in the cache folder between runs.
struct BenchWardrobe {
  BenchWardrobe() {
    makeSourcePhotos();
    auto made = std::make_unique<Wardrobe>(cacheFolder() + L"/wardrobe", L"Bench");
    Wardrobe& wardrobe = *made;
    collection = wardrobe.collections().add(L"Everything");
    collection->tags().add(L"Colour");
    collection->tags().add(L"Size");
    for (int i = 0; i < kItemCount; ++i) {
      Item* item = collection->items().add(L"Item " + std::to_wstring(i), i + 1);
      item->records().set(1001, L"blue");
      const Photo* photo = item->photos().addExisting(ImageType::Jpg, 1);
      const std::wstring path = photo->filePath();
      if (!isFile(path)) {
        createFolders(pathFolder(path));
        if (::link(toUtf8(sourcePhoto(i % 4)).c_str(), toUtf8(path).c_str()) != 0) std::abort();
      }
      items.push_back(item);
    }
    session.open(made);
    session.setCurrentCollection(collection);
  }
  WardrobeSession session;
  Collection* collection = nullptr;
  std::vector<Item*> items;
};

BenchWardrobe& bench() {
  static BenchWardrobe* made = new BenchWardrobe;
  return *made;
}

// Runs the event loop until done (the work happens on threads); aborts after a minute.
void waitUntil(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
    if (clock.elapsed() > 60000) std::abort();
  }
}

void BM_SelectItem(benchmark::State& state) {
  const bool exif = state.range(0) != 0;
  BenchWardrobe& b = bench();
  QWidget page;
  page.resize(900, 600);
  auto* details = new ItemDetailsPane(b.session, &page);
  details->setGeometry(560, 0, 340, 550);
  auto* strip = new InfoStrip(b.session, &page);
  strip->setGeometry(0, 550, 900, 50);
  page.show();
  QApplication::processEvents();
  static int next[2] = {0, 0};  // items not selected before, run after run
  for (auto _ : state) {
    int& i = next[exif ? 1 : 0];
    while (i < kItemCount && hasExifThumbnail(i) != exif) ++i;
    if (i >= kItemCount) {
      state.SkipWithError("out of items");
      break;
    }
    Item* item = b.items[static_cast<size_t>(i++)];
    b.session.setListSelection({item});
    details->preview()->repaint();
    waitUntil([&] { return details->preview()->picture().state() == PreviewPicture::State::kShown; });
    details->repaint();
    strip->repaint();
  }
  state.SetLabel(exif ? "12 MP with EXIF thumbnail" : "12 MP without EXIF thumbnail");
}
BENCHMARK(BM_SelectItem)->Arg(1)->Iterations(200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SelectItem)->Arg(0)->Iterations(30)->Unit(benchmark::kMillisecond)->UseRealTime();

struct ViewerWindow {
  ViewerWindow() {
    window.resize(1200, 700);
    viewer = new PhotoViewer(&window);
    window.show();
    QApplication::processEvents();
  }
  PhotoCanvas* view() const { return viewer->imageView(); }
  void waitShown() {
    waitUntil([&] { return view()->state() == PhotoCanvas::State::kShown; });
    view()->repaint();
  }
  QWidget window;
  PhotoViewer* viewer;
};

std::vector<std::wstring> viewerPhotos(int count) {
  std::vector<std::wstring> paths;
  for (int i = 0; i < count; ++i) paths.push_back(bench().items[static_cast<size_t>(i)]->mainPhotoPath());
  return paths;
}

void BM_ViewerFirstPhoto(benchmark::State& state) {
  ViewerWindow w;
  const std::vector<std::wstring> photos = viewerPhotos(64);
  size_t i = 0;
  for (auto _ : state) {
    w.viewer->open({photos[i++ % photos.size()]}, 0);
    w.waitShown();
    state.PauseTiming();
    w.viewer->close();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ViewerFirstPhoto)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ViewerNextPhoto(benchmark::State& state) {
  const bool prepared = state.range(0) != 0;
  ViewerWindow w;
  w.viewer->open(viewerPhotos(64), 0);
  w.waitShown();
  for (auto _ : state) {
    if (prepared) {
      // The user looked at the photo long enough for the next to be decoded.
      state.PauseTiming();
      const std::wstring ahead = viewerPhotos(64)[static_cast<size_t>((w.viewer->index() + 1) % 64)];
      waitUntil([&] { return w.view()->isKept(ahead); });
      state.ResumeTiming();
    }
    w.viewer->next(true);
    w.waitShown();
  }
  state.SetLabel(prepared ? "decoded ahead" : "paged at once");
}
BENCHMARK(BM_ViewerNextPhoto)->Arg(1)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ViewerNextPhoto)->Arg(0)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ViewerKeptPhoto(benchmark::State& state) {
  ViewerWindow w;
  w.viewer->open(viewerPhotos(2), 0);
  w.waitShown();
  w.viewer->next(false);
  w.waitShown();
  for (auto _ : state) {
    // Back and forth between two photos it keeps.
    if (w.viewer->index() == 0)
      w.viewer->next(false);
    else
      w.viewer->previous(false);
    w.waitShown();
  }
}
BENCHMARK(BM_ViewerKeptPhoto)->Iterations(200)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace tavoro

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
