// One term of a search query, and the span of text that a term matched.
// Plain values; thread-safe to copy and read.
#pragma once

#include <cstddef>
#include <string>

namespace tavoro {

enum class TermKind {
  AnyField = 0,  // the item name and every tag value
  ItemName = 1,  // the item name only
  TagValue = 2,  // the value of the tag whose key is tagKey
  Worn = 3,      // when the item was last worn ("worn:never", "worn:>30d"); matches no text
};

struct SearchTerm {
  TermKind kind = TermKind::AnyField;
  std::wstring value;   // normalised: lowered, single spaces, trimmed
  std::wstring tagKey;  // TagValue only: the tag name without white space, lowered
  bool exact = false;   // written with ":=": the value must equal the whole text
  // Worn only: kNeverWorn for items never worn, else a number of days: items
  // not worn in that many days before today (never worn, or last worn more
  // than that many days ago).
  int32_t wornDays = kNeverWorn;

  static constexpr int32_t kNeverWorn = -1;

  bool operator==(const SearchTerm&) const = default;
};

// [start, end) in the text as given (not normalised).
struct MatchSpan {
  size_t start = 0;
  size_t end = 0;

  bool operator==(const MatchSpan&) const = default;
};

}  // namespace tavoro
