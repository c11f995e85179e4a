// A wardrobe as text, for comparing two of them in tests: everything the
// wardrobe file stores, one line per object (storable records only, or every
// record the model holds with allRecords).
#pragma once

#include <string>

namespace tavoro {
class Wardrobe;
}

namespace tavoro::test {

std::wstring describe(const Wardrobe& wardrobe, bool allRecords = false);

}  // namespace tavoro::test
