#include "HighlightRanges.h"

#include <algorithm>

#include "MarkupText.h"
#include "SearchChars.h"

namespace tavoro {

void HighlightRanges::add(MatchSpan span, bool afterMatch) {
  const size_t length = m_text.size();
  if (length == 0 || span.start > length - 1 || span.end < 1 || span.end > length || span.start >= span.end) return;
  if (!m_ranges.empty()) {
    MatchSpan& last = m_ranges.back();
    if (last.start <= span.start && span.start <= last.end) {
      last.end = std::max(last.end, span.end);
      return;
    }
    if (afterMatch && last.end < span.start) {
      bool onlySpace = true;
      for (size_t i = last.end; i < span.start && onlySpace; ++i) onlySpace = search::isSearchSpace(m_text[i]);
      if (onlySpace) {
        last.end = span.end;
        return;
      }
    }
  }
  m_ranges.push_back(span);
}

std::wstring HighlightRanges::markup() const {
  if (m_ranges.empty()) return escapeMarkupText(m_text);
  std::vector<bool> marked(m_text.size(), false);
  for (const MatchSpan& range : m_ranges)
    for (size_t i = range.start; i < range.end; ++i) marked[i] = true;
  std::wstring out;
  out.reserve(m_text.size() * 2);
  bool open = false;
  for (size_t i = 0; i < m_text.size(); ++i) {
    const wchar_t c = m_text[i];
    const bool inside = marked[i] && c != L'\n';
    if (inside && !open) out += kHighlightOpen;
    if (!inside && open) out += kColorClose;
    open = inside;
    appendEscaped(out, c);
  }
  if (open) out += kColorClose;
  return out;
}

}  // namespace tavoro
