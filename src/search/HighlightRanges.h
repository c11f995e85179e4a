// The stretches of one text that a search highlights, collected term by
// term, and the markup that puts them on the highlight background.
// Not thread-safe; one object per text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "SearchTerm.h"

namespace tavoro {

class HighlightRanges {
 public:
  explicit HighlightRanges(std::wstring_view text) : m_text(text) {}

  // Adds span, ignored unless it is a non-empty part of the text. A span
  // that starts inside or right at the end of the last range extends it; so
  // does one that afterMatch (the previous term matched too) and only white
  // space separate from it. Ranges stay in term order and may overlap.
  void add(MatchSpan span, bool afterMatch);
  const std::vector<MatchSpan>& ranges() const { return m_ranges; }

  // The escaped text with each highlighted stretch in a highlight element.
  // A line feed inside a stretch is written between two elements, since its
  // escape "<br>" cannot stand inside one.
  std::wstring markup() const;

 private:
  std::wstring_view m_text;
  std::vector<MatchSpan> m_ranges;
};

}  // namespace tavoro
