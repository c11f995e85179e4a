// Search over a generated wardrobe of 50,000 items in 100 collections, each
// item with five tag values: parse + run over "All Collections" for typical
// queries, rowMarkup for the first 100 results, and a floor for each query
// (lowering every searched text and std::wstring::find of each term value).
// At 250,000 items (2,500 collections of 100): the scan on one thread and
// shared among the cores, and each query typed a key at a time, every key a
// full scan or, where the new query narrows the last, a scan of the last
// key's results (the mean per key).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "SearchBenchWardrobe.h"
#include "search/QueryParser.h"
#include "search/SearchChars.h"
#include "search/SearchEngine.h"
#include "search/SearchScan.h"
#include "wardrobe/Wardrobe.h"

namespace {

using namespace tavoro;

void searchQuery(benchmark::State& state, const std::wstring& query) {
  Wardrobe& wardrobe = bench::searchBenchWardrobe();
  SearchEngine engine;
  for (auto _ : state) {
    engine.setScope(wardrobe.collections().allCollections());
    if (!engine.parse(query) || !engine.run()) state.SkipWithError("the query did not run");
    benchmark::DoNotOptimize(engine.results().data());
  }
  state.counters["results"] = static_cast<double>(engine.results().size());
}

// The least any search must do: lower every text a term is looked for in
// (with the same fast lowering the engine has) and find the value in it.
void floorQuery(benchmark::State& state, const std::wstring& query) {
  Wardrobe& wardrobe = bench::searchBenchWardrobe();
  const std::vector<SearchTerm> terms = parseQuery(query);
  std::wstring lowered;
  size_t hits = 0;
  const auto look = [&](const std::wstring& text, const std::wstring& value) {
    lowered.assign(text);
    for (wchar_t& c : lowered) c = search::searchLower(c);
    hits += lowered.find(value) != std::wstring::npos;
  };
  for (auto _ : state) {
    hits = 0;
    for (const SearchTerm& term : terms) {
      for (const auto& collection : wardrobe.collections().collections()) {
        for (const auto& item : collection->items().items()) {
          look(item->name(), term.value);
          for (const Record& record : item->records()) look(record.value(), term.value);
        }
      }
    }
    benchmark::DoNotOptimize(hits);
  }
  state.counters["texts with value"] = static_cast<double>(hits);
}

void rowMarkupFirst100(benchmark::State& state, const std::wstring& query) {
  Wardrobe& wardrobe = bench::searchBenchWardrobe();
  SearchEngine engine;
  engine.setScope(wardrobe.collections().allCollections());
  if (!engine.parse(query) || !engine.run()) state.SkipWithError("the query did not run");
  const size_t rows = std::min<size_t>(100, engine.results().size());
  for (auto _ : state) {
    for (size_t i = 0; i < rows; ++i) {
      SearchResult& result = engine.results()[i];
      engine.rowMarkup(result);
      benchmark::DoNotOptimize(result.detailMarkup.data());
    }
  }
  state.counters["rows"] = static_cast<double>(rows);
}

void scanLarge(benchmark::State& state, const std::wstring& query, unsigned threads) {
  Wardrobe& wardrobe = bench::searchBenchWardrobeLarge();
  const std::vector<SearchTerm> terms = parseQuery(query);
  ScanOptions options;
  options.threads = threads;
  size_t found = 0;
  for (auto _ : state) found = scanItems(*wardrobe.collections().allCollections(), terms, options).items.size();
  state.counters["results"] = static_cast<double>(found);
}

void typeLarge(benchmark::State& state, const std::wstring& query, bool narrowing) {
  Wardrobe& wardrobe = bench::searchBenchWardrobeLarge();
  SearchEngine engine;
  engine.setScope(wardrobe.collections().allCollections());
  size_t keys = 0;
  for (auto _ : state) {
    std::vector<SearchTerm> previousTerms;
    std::vector<Item*> previous;
    for (size_t length = 1; length <= query.size(); ++length, ++keys) {
      if (!engine.parse(query.substr(0, length))) continue;
      engine.runWithin(previousTerms, narrowing ? &previous : nullptr);
      previousTerms = engine.terms();
      previous.clear();
      for (const SearchResult& r : engine.results()) previous.push_back(r.item);
    }
  }
  state.counters["per key"] = benchmark::Counter(static_cast<double>(keys), benchmark::Counter::kIsRate |
                                                                              benchmark::Counter::kInvert);
}

const bool kRegisteredLarge = [] {
  for (const auto& [label, query] : bench::searchBenchQueries()) {
    benchmark::RegisterBenchmark((std::string("250000/scan 1 thread/") + label).c_str(), scanLarge, query, 1u)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("250000/scan shared/") + label).c_str(), scanLarge, query, 0u)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("250000/typed, full scans/") + label).c_str(), typeLarge, query, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("250000/typed, narrowing/") + label).c_str(), typeLarge, query, true)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

const bool kRegistered = [] {
  for (const auto& [label, query] : bench::searchBenchQueries()) {
    benchmark::RegisterBenchmark((std::string("search/") + label).c_str(), searchQuery, query)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("floor/") + label).c_str(), floorQuery, query)
        ->Unit(benchmark::kMillisecond);
  }
  for (const auto& [label, query] : bench::searchBenchQueries())
    benchmark::RegisterBenchmark((std::string("rowMarkup x100/") + label).c_str(), rowMarkupFirst100, query)
        ->Unit(benchmark::kMicrosecond);
  return true;
}();

}  // namespace
