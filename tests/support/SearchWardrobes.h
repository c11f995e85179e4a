// Generated wardrobes for comparing searches: names and values made of words
// of several kinds (letters, digits, CJK, punctuation, cases), and queries
// of every kind of term over them, each with its beginnings as typed.
#pragma once

#include <string>
#include <vector>

namespace tavoro {
class Wardrobe;
}

namespace tavoro::test {

// Adds collections of itemsPerCollection items each ("C0", "C1", ...; tags
// "Colour" and "Size", the fourth "Shade" and "Size"), the same for a seed.
void addSearchCollections(Wardrobe& wardrobe, int collections, int itemsPerCollection, unsigned seed = 7);

// Queries over those wardrobes.
const std::vector<std::wstring>& searchTestQueries();

}  // namespace tavoro::test
