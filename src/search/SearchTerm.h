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
};

struct SearchTerm {
  TermKind kind = TermKind::AnyField;
  std::wstring value;   // normalised: lowered, single spaces, trimmed
  std::wstring tagKey;  // TagValue only: the tag name without white space, lowered
  bool exact = false;   // written with ":=": the value must equal the whole text

  bool operator==(const SearchTerm&) const = default;
};

// [start, end) in the text as given (not normalised).
struct MatchSpan {
  size_t start = 0;
  size_t end = 0;

  bool operator==(const MatchSpan&) const = default;
};

}  // namespace tavoro
