#include "TextMatcher.h"

#include "SearchChars.h"
#include "TextNormalizer.h"

namespace tavoro {

namespace {

// Word-start mode applies when the value begins with a letter no higher
// than U+00FF; scripts beyond (Cyrillic, CJK, ...) match anywhere.
bool wantsWordStart(std::wstring_view value) {
  const wchar_t first = value.front();
  return static_cast<unsigned long>(first) <= 0xFF && search::isSearchLetter(first);
}

size_t findOccurrence(std::wstring_view normal, std::wstring_view value, bool wordStart) {
  size_t from = 0;
  for (;;) {
    const size_t at = normal.find(value, from);
    if (at == std::wstring_view::npos) return at;
    if (!wordStart || at == 0 || !search::isSearchLetter(normal[at - 1])) return at;
    from = at + 1;
  }
}

}  // namespace

bool TextMatcher::match(std::wstring_view text, const SearchTerm& term, MatchSpan* span) {
  const std::wstring_view value = term.value;
  // Normalising never lengthens a text, so a shorter one cannot hold value.
  if (text.empty() || value.empty() || text.size() < value.size()) return false;

  if (term.exact) {
    normalizeTextInto(text, m_normal, nullptr);
    if (m_normal != value) return false;
    if (span) {
      // The whole text matched; its surrounding white space is not part of it.
      size_t start = 0;
      size_t end = text.size();
      while (start < end && search::isSearchSpace(text[start])) ++start;
      while (end > start && search::isSearchSpace(text[end - 1])) --end;
      *span = {start, end};
    }
    return true;
  }

  normalizeTextInto(text, m_normal, span ? &m_map : nullptr);
  if (m_normal.size() < value.size()) return false;
  const size_t at = findOccurrence(m_normal, value, wantsWordStart(value));
  if (at == std::wstring_view::npos) return false;
  if (span) {
    // The value never ends in a space, so the character after its last one
    // is where the match ends in the given text; trailing white space of the
    // text is not part of the match.
    const size_t last = at + value.size() - 1;
    span->start = at < m_map.size() ? m_map[at] : 0;
    span->end = last < m_map.size() ? m_map[last] + 1 : 0;
  }
  return true;
}

}  // namespace tavoro
