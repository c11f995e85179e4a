// The wardrobe and the queries that the search benchmarks share: 50,000
// items in 100 collections, each item with five tag values, generated in
// memory from a fixed seed (no files), and typical queries.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tavoro {
class Wardrobe;
}

namespace tavoro::bench {

// Made on first use and kept until exit.
Wardrobe& searchBenchWardrobe();
// A new one of the 50,000 items, for a window's session to own.
std::unique_ptr<Wardrobe> makeSearchBenchWardrobe();
// The same kind of wardrobe with 250,000 items: 2,500 collections of 100.
Wardrobe& searchBenchWardrobeLarge();
// A new one of the 250,000 items, for a window's session to own.
std::unique_ptr<Wardrobe> makeSearchBenchWardrobeLarge();
// Label and query text.
const std::vector<std::pair<const char*, std::wstring>>& searchBenchQueries();

}  // namespace tavoro::bench
