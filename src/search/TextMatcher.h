// Matching one search term against one text, with the span that matched.
// Not thread-safe: each object keeps scratch buffers so that a search run
// over many texts allocates nothing per text. Use one object per thread.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "SearchTerm.h"

namespace tavoro {

class TextMatcher {
 public:
  // Whether term matches text; with span given it also receives where, as
  // positions in text. Text and term value must both be non-empty to match.
  //  - exact terms: the normalised text equals the value; the span is the
  //    text without its leading and trailing white space;
  //  - a value that begins with a letter up to U+00FF: the leftmost
  //    occurrence in the normalised text that begins a word (at the start or
  //    after a character that is not a letter);
  //  - any other value: the leftmost occurrence anywhere.
  // span is left alone when there is no match.
  bool match(std::wstring_view text, const SearchTerm& term, MatchSpan* span = nullptr);

 private:
  std::wstring m_normal;
  std::vector<size_t> m_map;
};

}  // namespace tavoro
