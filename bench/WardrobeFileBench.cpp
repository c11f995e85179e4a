// Reading and writing large wardrobe files, each beside its floor in the same
// run: 50,000 items (500 collections of 100), 250,000 items (2,500 of 100)
// and one collection of 250,000, each item with one photo and three tag
// values. Floors: a plain read of the file's bytes, the fastest XML parser
// Debian has (pugixml) reading the same file, and an atomic replace of the
// same bytes (written, flushed, renamed). At 50,000 items also the reader of
// before, through the XML library's tree. The files are made once into the
// bench cache.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <pugixml.hpp>
#include <string>

#include "ReferenceWardrobeFile.h"
#include "WardrobeMaker.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "platform/WholeFile.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

struct Shape {
  const wchar_t* name;
  long items;
  long perCollection;
};
constexpr Shape kShapes[] = {
    {L"items-50000", 50000, 100}, {L"items-250000", 250000, 100}, {L"one-collection-250000", 250000, 250000}};

const std::wstring& cacheFolder() {
  static const std::wstring folder = fromUtf8(TAVORO_BENCH_CACHE_DIR) + L"/wardrobe-file";
  return folder;
}

// The file of a shape, made on first use and kept in the cache.
const std::wstring& wardrobeFile(size_t shape) {
  static std::wstring files[std::size(kShapes)];
  std::wstring& file = files[shape];
  if (!file.empty()) return file;
  const Shape& s = kShapes[shape];
  file = cacheFolder() + L"/" + s.name + L"/" + s.name + L".twd";
  if (!isFile(file) && bench::makeWardrobe(cacheFolder(), s.name, s.items, s.perCollection) != file) abort();
  return file;
}

void label(benchmark::State& state, size_t shape) {
  state.SetLabel(toUtf8(kShapes[shape].name));
  state.counters["MB"] = static_cast<double>(std::filesystem::file_size(toUtf8(wardrobeFile(shape)))) / 1e6;
}

void BM_ReadWardrobe(benchmark::State& state) {
  const auto shape = static_cast<size_t>(state.range(0));
  const std::wstring& file = wardrobeFile(shape);
  for (auto _ : state) {
    auto wardrobe = std::make_unique<Wardrobe>();
    if (!readWardrobe(file, *wardrobe)) state.SkipWithError("readWardrobe failed");
    state.PauseTiming();  // taking the model down is not part of reading it
    wardrobe.reset();
    state.ResumeTiming();
  }
  label(state, shape);
}

void BM_FloorPlainRead(benchmark::State& state) {
  const auto shape = static_cast<size_t>(state.range(0));
  const std::wstring& file = wardrobeFile(shape);
  for (auto _ : state) {
    std::string bytes;
    if (readWholeFile(file, kMaxWardrobeFileBytes, bytes) != FileReadStatus::Ok) state.SkipWithError("no file");
    benchmark::DoNotOptimize(bytes.data());
  }
  label(state, shape);
}

void BM_FloorPugixml(benchmark::State& state) {
  const auto shape = static_cast<size_t>(state.range(0));
  const std::string file = toUtf8(wardrobeFile(shape));
  for (auto _ : state) {
    pugi::xml_document document;
    if (!document.load_file(file.c_str())) state.SkipWithError("pugixml failed");
    state.PauseTiming();
    document.reset();
    state.ResumeTiming();
  }
  label(state, shape);
}

// The reader of before: the XML library's whole tree, then the model from it.
void BM_PreviousReader(benchmark::State& state) {
  const std::wstring& file = wardrobeFile(0);
  for (auto _ : state) {
    auto wardrobe = std::make_unique<Wardrobe>();
    if (!test::referenceReadWardrobe(file, *wardrobe, LocalClock::system())) state.SkipWithError("read failed");
    state.PauseTiming();
    wardrobe.reset();
    state.ResumeTiming();
  }
  label(state, 0);
}

struct Loaded {
  std::unique_ptr<Wardrobe> wardrobe = std::make_unique<Wardrobe>();
  std::wstring target;
};

Loaded loadForWriting(size_t shape) {
  Loaded loaded;
  if (!readWardrobe(wardrobeFile(shape), *loaded.wardrobe)) abort();
  loaded.target = cacheFolder() + L"/written.twd";
  loaded.wardrobe->setFilePath(loaded.target);
  return loaded;
}

void BM_WriteWardrobe(benchmark::State& state) {
  const auto shape = static_cast<size_t>(state.range(0));
  const Loaded loaded = loadForWriting(shape);
  for (auto _ : state)
    if (!writeWardrobe(*loaded.wardrobe)) state.SkipWithError("writeWardrobe failed");
  label(state, shape);
}

// The same bytes replaced as safely: a temporary written, flushed, renamed.
void BM_FloorAtomicWrite(benchmark::State& state) {
  const auto shape = static_cast<size_t>(state.range(0));
  std::string bytes;
  if (readWholeFile(wardrobeFile(shape), kMaxWardrobeFileBytes, bytes) != FileReadStatus::Ok) abort();
  const std::wstring target = cacheFolder() + L"/floor.twd";
  for (auto _ : state) {
    if (!replaceFileAtomically(target, [&](std::FILE* f) {
          return std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        }))
      state.SkipWithError("write failed");
  }
  label(state, shape);
}

// What the recent list pays per wardrobe: the name alone, read from the head.
void BM_ReadWardrobeName(benchmark::State& state) {
  const std::wstring& file = wardrobeFile(1);
  for (auto _ : state)
    if (readWardrobeName(file).empty()) state.SkipWithError("readWardrobeName failed");
}

void allShapes(benchmark::internal::Benchmark* b) {
  b->DenseRange(0, std::size(kShapes) - 1)->Unit(benchmark::kMillisecond)->MinTime(2.0);
}

BENCHMARK(BM_ReadWardrobe)->Apply(allShapes);
BENCHMARK(BM_FloorPlainRead)->Apply(allShapes);
BENCHMARK(BM_FloorPugixml)->Apply(allShapes);
BENCHMARK(BM_PreviousReader)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WriteWardrobe)->Apply(allShapes);
BENCHMARK(BM_FloorAtomicWrite)->Apply(allShapes);
BENCHMARK(BM_ReadWardrobeName)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavoro
