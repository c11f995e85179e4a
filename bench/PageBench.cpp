// The wardrobe page with a large wardrobe (500 collections of 100 items):
// from the open command to the page painted, and one paint of the collection
// pane. Runs on Qt's offscreen platform in a scratch program folder; the
// process's peak memory is reported with each result.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QTemporaryDir>

#include "WardrobeMaker.h"
#include "app/AppSettings.h"
#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "ui/collections/CollectionPane.h"
#include "ui/frame/KoViewBase.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/page/KoWardrobeViewBase.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace {

using namespace tavoro;
using namespace tavoro::ui;

double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The wardrobe file, made once into the build's benchmark cache (so that a
// run's peak memory is the program's, not the maker's), one scratch program
// folder and one shown main window for the run.
struct Setup {
  QTemporaryDir scratch;
  std::wstring wardrobe;
  std::unique_ptr<MainFrame> frame;

  Setup() {
    AppPaths::setProgramFolderForTesting(fromUtf8(scratch.path().toStdString()));
    const std::wstring cache = fromUtf8(TAVORO_BENCH_CACHE_DIR);
    wardrobe = cache + L"/Large500/Large500.twd";
    if (!isFile(wardrobe)) wardrobe = bench::makeWardrobe(cache, L"Large500", 50000, 100);
    AppSettings::settings().frameRect = {0, 0, 1200, 800};
    frame = std::make_unique<MainFrame>();
    frame->resize(1200, 800);
    frame->show();
    QApplication::processEvents();
  }
  KoWardrobeViewBase* page() const { return frame->clientView()->wardrobeView(); }
};

Setup& setup() {
  static Setup* instance = new Setup;
  return *instance;
}

// The floor: reading the same file into a wardrobe, without any window.
void BM_ReadWardrobeFile(benchmark::State& state) {
  Setup& s = setup();
  for (auto _ : state) {
    Wardrobe wardrobe;
    if (!readWardrobe(s.wardrobe, wardrobe)) state.SkipWithError("the wardrobe did not read");
  }
}
BENCHMARK(BM_ReadWardrobeFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OpenToPagePainted(benchmark::State& state) {
  Setup& s = setup();
  for (auto _ : state) {
    if (!s.frame->lifecycle().openWardrobe(s.wardrobe, true, true)) {
      state.SkipWithError("the wardrobe did not open");
      return;
    }
    s.frame->clientView()->repaint();
    state.PauseTiming();
    s.frame->lifecycle().closeWardrobe();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_OpenToPagePainted)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_CollectionPanePaint(benchmark::State& state) {
  Setup& s = setup();
  if (!s.frame->wardrobe() && !s.frame->lifecycle().openWardrobe(s.wardrobe, true, true)) {
    state.SkipWithError("the wardrobe did not open");
    return;
  }
  QApplication::processEvents();
  CollectionPane* pane = s.page()->collectionPane();
  for (auto _ : state) pane->viewport()->repaint();
  state.counters["rows"] = pane->rowCount();
  state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_CollectionPanePaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
