// Writing and reading a large wardrobe file (200 collections x 250 items,
// each item with one photo and four tag values), against the XML library's
// own SaveFile and LoadFile of the same document in the same run: the floor
// that our atomic save and guarded, repairing read are measured against.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <tinyxml.h>

#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

constexpr int kCollections = 200;
constexpr int kItemsPerCollection = 250;
constexpr int kTagsPerCollection = 4;

struct Fixture {
  std::string folder;  // UTF-8
  std::unique_ptr<Wardrobe> wardrobe;
  std::wstring file;

  Fixture() {
    const char* base = getenv("TMPDIR");
    folder = std::string(base && *base ? base : "/tmp") + "/tavoro-bench-XXXXXX";
    if (!mkdtemp(folder.data())) abort();
    wardrobe = std::make_unique<Wardrobe>(fromUtf8(folder) + L"/Big", L"Big Wardrobe");
    wardrobe->setWardrobeId(12);
    const wchar_t* tagNames[kTagsPerCollection] = {L"Colour", L"Size", L"Brand", L"Season"};
    const wchar_t* values[kTagsPerCollection] = {L"navy blue", L"M", L"Acme & Sons", L"winter"};
    for (int c = 0; c < kCollections; ++c) {
      Collection* collection = wardrobe->collections().add(L"Collection " + std::to_wstring(c + 1));
      for (const wchar_t* name : tagNames) collection->tags().add(name);
      for (int i = 1; i <= kItemsPerCollection; ++i) {
        Item* item = collection->items().add(L"Item " + std::to_wstring(i) + L" \u00E9t\u00E9 <linen>", i);
        item->setDateAdded(
            DateTime(Date::fromParts(2024, 1 + i % 12, 1 + i % 28), Time::fromParts(i % 24, i % 60, 7, i % 1000)));
        item->photos().addExisting(ImageType::Jpg, 1);
        item->photos().setNextId(2);
        for (int t = 0; t < kTagsPerCollection; ++t) item->records().set(collection->tags().at(t)->id(), values[t]);
      }
      collection->items().setNextId(kItemsPerCollection + 1);
    }
    file = wardrobe->wardrobeFilePath();
    if (!writeWardrobe(*wardrobe)) abort();
  }
  ~Fixture() { removeTree(fromUtf8(folder)); }
};

Fixture& fixture() {
  static Fixture instance;
  return instance;
}

void BM_WriteWardrobe(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state)
    if (!writeWardrobe(*f.wardrobe)) state.SkipWithError("writeWardrobe failed");
}

void BM_LibrarySaveFile(benchmark::State& state) {
  Fixture& f = fixture();
  TiXmlDocument document;
  if (!document.LoadFile(toUtf8(f.file))) state.SkipWithError("LoadFile failed");
  const std::string target = f.folder + "/floor.twd";
  for (auto _ : state)
    if (!document.SaveFile(target)) state.SkipWithError("SaveFile failed");
}

void BM_ReadWardrobe(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) {
    auto wardrobe = std::make_unique<Wardrobe>();
    if (!readWardrobe(f.file, *wardrobe)) state.SkipWithError("readWardrobe failed");
    state.PauseTiming();  // taking the model down is not part of reading it
    wardrobe.reset();
    state.ResumeTiming();
  }
}

// What the recent list pays per wardrobe: the name alone, read from the head.
void BM_ReadWardrobeName(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state)
    if (readWardrobeName(f.file).empty()) state.SkipWithError("readWardrobeName failed");
}

void BM_LibraryLoadFile(benchmark::State& state) {
  Fixture& f = fixture();
  const std::string path = toUtf8(f.file);
  for (auto _ : state) {
    TiXmlDocument document;
    if (!document.LoadFile(path)) state.SkipWithError("LoadFile failed");
  }
}

BENCHMARK(BM_WriteWardrobe)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_LibrarySaveFile)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_ReadWardrobe)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_LibraryLoadFile)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_ReadWardrobeName)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavoro
