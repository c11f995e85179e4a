// Every figure of the insights on 50,000 items with 100,000 wear dates (the
// goal: under 50 ms), each figure alone, and the floor: one pass over every
// item reading its values and its wear dates.
#include <benchmark/benchmark.h>

#include "InsightsBenchWardrobe.h"
#include "insights/WardrobeInsights.h"
#include "wardrobe/Wardrobe.h"

namespace {

using namespace tavoro;

Wardrobe& wardrobe() {
  static std::unique_ptr<Wardrobe> shared = bench::makeInsightsBenchWardrobe();
  return *shared;
}

void BM_AllFigures(benchmark::State& state) {
  InsightsRequest request;
  request.today = bench::insightsBenchToday();
  request.tagName = L"color";
  for (auto _ : state) benchmark::DoNotOptimize(computeInsights(wardrobe(), request));
  const WardrobeInsights insights = computeInsights(wardrobe(), request);
  state.counters["items"] = static_cast<double>(insights.items);
  state.counters["values"] = static_cast<double>(insights.tag->values.size());
  state.counters["priced"] = static_cast<double>(insights.cost.items.size());
  size_t wears = 0;
  for (const MonthWears& month : insights.wearsByMonth) wears += month.wears;
  state.counters["wears in the year"] = static_cast<double>(wears);
}
BENCHMARK(BM_AllFigures)->Unit(benchmark::kMillisecond);

void BM_TagValues(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(countTagValues(wardrobe(), L"Color"));
}
BENCHMARK(BM_TagValues)->Unit(benchmark::kMillisecond);

void BM_WearsByMonth(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(wearsByMonth(wardrobe(), bench::insightsBenchToday()));
}
BENCHMARK(BM_WearsByMonth)->Unit(benchmark::kMillisecond);

void BM_LeastWorn(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(leastWorn(wardrobe(), bench::insightsBenchToday(), 20));
}
BENCHMARK(BM_LeastWorn)->Unit(benchmark::kMillisecond);

void BM_CostPerWear(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(costPerWear(wardrobe()));
}
BENCHMARK(BM_CostPerWear)->Unit(benchmark::kMillisecond);

// The floor: touching what the figures read, once, and nothing more.
void BM_FloorOnePass(benchmark::State& state) {
  for (auto _ : state) {
    size_t sum = 0;
    for (const auto& collection : wardrobe().collections().collections())
      for (const auto& item : collection->items().items()) {
        for (const Record& record : item->records()) sum += record.value().size();
        sum += item->worn().count();
      }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_FloorOnePass)->Unit(benchmark::kMillisecond);

}  // namespace
