#include "CollectionTexts.h"

#include <algorithm>
#include <limits>
#include <type_traits>

#include "SearchChars.h"
#include "TextNormalizer.h"
#include "wardrobe/Collection.h"

namespace tavoro {

namespace {

constexpr size_t kBufferLimit = std::numeric_limits<uint32_t>::max();

template <typename Char>
wchar_t widen(Char c) {
  return static_cast<wchar_t>(static_cast<std::make_unsigned_t<Char>>(c));
}

// The leftmost occurrence of value in text, at a word start when asked, as
// TextMatcher finds it in a normalised text.
template <typename Char>
bool occurs(std::basic_string_view<Char> text, std::basic_string_view<Char> value, bool wordStart,
            const search::Latin1Table& table) {
  size_t from = 0;
  for (;;) {
    const size_t at = text.find(value, from);
    if (at == std::basic_string_view<Char>::npos) return false;
    if (!wordStart || at == 0) return true;
    const wchar_t before = widen(text[at - 1]);
    if (!(static_cast<unsigned long>(before) < 256 ? table.letter[before] : isLetter(before))) return true;
    from = at + 1;
  }
}

}  // namespace

PreparedTerm::PreparedTerm(const SearchTerm& term) : wide(term.value) {
  // A line feed separates the texts in the buffer; no normalised text holds one.
  usable = !wide.empty() && wide.find(L'\n') == std::wstring_view::npos;
  narrowable = std::all_of(wide.begin(), wide.end(), [](wchar_t c) { return static_cast<unsigned long>(c) < 256; });
  if (narrowable) {
    narrow.reserve(wide.size());
    for (const wchar_t c : wide) narrow.push_back(static_cast<char>(static_cast<unsigned char>(c)));
  }
  wordStart = usable && static_cast<unsigned long>(wide.front()) <= 0xFF && search::isSearchLetter(wide.front());
}

bool CollectionTexts::append(std::wstring_view text) {
  if (size() + text.size() + 1 > kBufferLimit) return false;
  if (!m_isWide && std::any_of(text.begin(), text.end(), [](wchar_t c) { return static_cast<unsigned long>(c) >= 256; })) {
    m_wide.reserve(m_narrow.capacity());
    for (const char c : m_narrow) m_wide.push_back(widen(c));
    m_narrow = std::string();
    m_isWide = true;
  }
  if (m_isWide) {
    m_wide.append(text);
    m_wide.push_back(L'\n');
  } else {
    for (const wchar_t c : text) m_narrow.push_back(static_cast<char>(static_cast<unsigned char>(c)));
    m_narrow.push_back('\n');
  }
  return true;
}

std::unique_ptr<CollectionTexts> CollectionTexts::make(const Collection& collection) {
  std::unique_ptr<CollectionTexts> texts(new CollectionTexts);
  for (const auto& tag : collection.tags().tags()) texts->m_tagIds.push_back(tag->id());
  std::sort(texts->m_tagIds.begin(), texts->m_tagIds.end());
  const auto& items = collection.items().items();
  texts->m_items.reserve(items.size());
  texts->m_rows.reserve(items.size() + 1);
  std::wstring normal;
  for (const auto& item : items) {
    Row row{static_cast<uint32_t>(texts->size()), 0, static_cast<uint32_t>(texts->m_fields.size()), 1};
    normalizeTextInto(item->name(), normal, nullptr);
    if (!texts->append(normal)) return nullptr;
    row.nameEnd = static_cast<uint32_t>(texts->size() - 1);
    for (const Record& record : item->records()) {
      normalizeTextInto(record.value(), normal, nullptr);
      // An empty text matches no term.
      if (normal.empty()) continue;
      if (!texts->append(normal)) return nullptr;
      texts->m_fields.push_back({record.tagId(), static_cast<uint32_t>(texts->size() - 1)});
      if (!texts->searchesTag(record.tagId())) row.plain = 0;
    }
    texts->m_items.push_back(item.get());
    texts->m_rows.push_back(row);
  }
  texts->m_rows.push_back({static_cast<uint32_t>(texts->size()), 0, static_cast<uint32_t>(texts->m_fields.size()), 1});
  texts->m_narrow.shrink_to_fit();
  texts->m_wide.shrink_to_fit();
  texts->m_fields.shrink_to_fit();
  return texts;
}

bool CollectionTexts::searchesTag(int32_t tagId) const {
  // A value of no tag, or of a tag deleted since, is kept but not searched.
  return tagId != -1 && std::binary_search(m_tagIds.begin(), m_tagIds.end(), tagId);
}

size_t CollectionTexts::rowOf(const Item* item, size_t from) const {
  const size_t n = m_items.size();
  if (from > n) from = 0;
  for (size_t i = from; i < n; ++i)
    if (m_items[i] == item) return i;
  for (size_t i = 0; i < from; ++i)
    if (m_items[i] == item) return i;
  return npos;
}

template <typename Char>
bool CollectionTexts::matchesIn(std::basic_string_view<Char> buffer, std::basic_string_view<Char> value, size_t row,
                                const SearchTerm& term, bool wordStart, const Tag* termTag) const {
  const search::Latin1Table& table = search::latin1Table();
  const Row& r = m_rows[row];
  const Row& next = m_rows[row + 1];
  const auto test = [&](size_t begin, size_t end) {
    const std::basic_string_view<Char> text = buffer.substr(begin, end - begin);
    return term.exact ? text == value : occurs(text, value, wordStart, table);
  };
  switch (term.kind) {
    case TermKind::ItemName:
      return test(r.begin, r.nameEnd);
    case TermKind::TagValue: {
      if (!termTag) return false;
      size_t begin = r.nameEnd + 1;
      for (size_t f = r.firstField; f < next.firstField; ++f) {
        if (m_fields[f].tagId == termTag->id()) return test(begin, m_fields[f].end);
        begin = m_fields[f].end + 1;
      }
      return false;
    }
    case TermKind::AnyField: {
      // The row's texts at once: the separators keep a match within one text.
      if (r.plain && !term.exact) return test(r.begin, next.begin - 1);
      if (test(r.begin, r.nameEnd)) return true;
      size_t begin = r.nameEnd + 1;
      for (size_t f = r.firstField; f < next.firstField; ++f) {
        if (searchesTag(m_fields[f].tagId) && test(begin, m_fields[f].end)) return true;
        begin = m_fields[f].end + 1;
      }
      return false;
    }
    case TermKind::Worn:
      break;
  }
  return false;
}

bool CollectionTexts::matches(size_t row, const SearchTerm& term, const PreparedTerm& prepared,
                              const Tag* termTag) const {
  if (!prepared.usable) return false;
  if (m_isWide) return matchesIn<wchar_t>(m_wide, prepared.wide, row, term, prepared.wordStart, termTag);
  if (!prepared.narrowable) return false;
  return matchesIn<char>(m_narrow, prepared.narrow, row, term, prepared.wordStart, termTag);
}

}  // namespace tavoro
