// The wardrobe the insights benchmarks share: the search benchmarks' 50,000
// items with a price each and 100,000 wear dates over the last two years,
// from a fixed seed.
#pragma once

#include <memory>

#include "wardrobe/DateTime.h"

namespace tavoro {
class Wardrobe;
}

namespace tavoro::bench {

inline constexpr long kInsightsWearDates = 100000;

// The day the wear dates count back from.
Date insightsBenchToday();
std::unique_ptr<Wardrobe> makeInsightsBenchWardrobe();

}  // namespace tavoro::bench
