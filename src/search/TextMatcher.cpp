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

// The search reads the normalised form of a text without writing it: a scan
// tests hundreds of thousands of texts, nearly all of which do not match,
// and normalising each one first cost most of the scan. These read exactly
// what normalizeText would have written (spaces never lead or trail, every
// run of white space is one space, characters lowered one at a time).
class NormalReader {
 public:
  explicit NormalReader(std::wstring_view text) : m_text(text), m_table(search::latin1Table()) {}

  bool space(wchar_t c) const { return static_cast<unsigned long>(c) < 256 ? m_table.space[c] : isSpace(c); }
  wchar_t lower(wchar_t c) const { return static_cast<unsigned long>(c) < 256 ? m_table.lower[c] : toLower(c); }
  bool letter(wchar_t c) const { return static_cast<unsigned long>(c) < 256 ? m_table.letter[c] : isLetter(c); }

  // Where the normalised text read from m_text[at] (not white space) stops
  // holding value as its beginning; npos when it does not hold all of it,
  // else the index in m_text just past the match.
  size_t matchAt(size_t at, std::wstring_view value) const {
    const size_t n = m_text.size();
    size_t i = at;
    for (size_t k = 0; k < value.size(); ++k) {
      if (i >= n) return std::wstring_view::npos;
      const wchar_t c = m_text[i];
      if (space(c)) {
        if (value[k] != L' ') return std::wstring_view::npos;
        while (i < n && space(m_text[i])) ++i;
        // White space at the end is not part of the normalised text.
        if (i == n) return std::wstring_view::npos;
        continue;
      }
      // No character lowers to white space, so a space in value fails here.
      if (lower(c) != value[k]) return std::wstring_view::npos;
      ++i;
    }
    return i;
  }

  // Whether value (not beginning with a space) occurs in the normalised
  // text, at a word start when asked.
  bool occurs(std::wstring_view value, bool wordStart) const {
    const wchar_t first = value.front();
    const size_t n = m_text.size();
    for (size_t i = 0; i < n; ++i) {
      const wchar_t c = m_text[i];
      if (space(c) || lower(c) != first) continue;
      // The normalised character before is a space (or none) after white space.
      if (wordStart && i > 0 && !space(m_text[i - 1]) && letter(lower(m_text[i - 1]))) continue;
      if (matchAt(i, value) != std::wstring_view::npos) return true;
    }
    return false;
  }

  // Whether the whole normalised text equals value (not beginning with a space).
  bool equals(std::wstring_view value) const {
    const size_t n = m_text.size();
    size_t i = 0;
    while (i < n && space(m_text[i])) ++i;
    if (i == n) return false;  // value is never empty
    size_t end = matchAt(i, value);
    if (end == std::wstring_view::npos) return false;
    while (end < n && space(m_text[end])) ++end;
    return end == n;
  }

 private:
  std::wstring_view m_text;
  const search::Latin1Table& m_table;
};

}  // namespace

bool TextMatcher::match(std::wstring_view text, const SearchTerm& term, MatchSpan* span) {
  const std::wstring_view value = term.value;
  // Normalising never lengthens a text, so a shorter one cannot hold value.
  if (text.empty() || value.empty() || text.size() < value.size()) return false;

  // Without a span to report, the text is read as it is.
  if (!span && value.front() != L' ') {
    const NormalReader reader(text);
    return term.exact ? reader.equals(value) : reader.occurs(value, wantsWordStart(value));
  }

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
