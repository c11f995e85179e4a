// The wardrobe the insights benchmarks share: the search benchmarks' 50,000
// items with a price each and 100,000 wear dates over the last two years,
// from a fixed seed.
#pragma once

#include <cstdint>
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
// Adds dates wear dates to the wardrobe's items over the two years before
// today, most of them to a few items, as in a real wardrobe; seed is the
// state of the generator, carried on.
void addBenchWear(Wardrobe& wardrobe, long dates, Date today, uint32_t& seed);
// The generator the wardrobes share: the next number from seed.
uint32_t nextBenchNumber(uint32_t& seed);

}  // namespace tavoro::bench
