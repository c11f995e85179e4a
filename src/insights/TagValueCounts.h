// How many items carry each value of one tag, the tag picked by its name
// across every collection. Model thread only.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavoro {

class Wardrobe;

struct ValueCount {
  std::wstring value;  // the spelling most items use
  size_t items = 0;
};

struct TagValueCounts {
  std::wstring name;  // the tag's name as the first collection that has it spells it
  std::vector<ValueCount> values;
};

// In each collection the first tag whose name matches tagName the way search
// matches tag names (without regard to case or white space) counts. Values
// are grouped without regard to case and surrounding white space, each shown
// in its most frequent spelling (the first met on a tie), most items first
// (then by that spelling). Empty values are not counted. With no such tag
// anywhere, name is tagName and values is empty.
TagValueCounts countTagValues(const Wardrobe& wardrobe, std::wstring_view tagName);

}  // namespace tavoro
