// The highlight markup of SearchEngine: result rows and tag values.
#include "HighlightRanges.h"
#include "MarkupText.h"
#include "SearchEngine.h"
#include "wardrobe/Collection.h"

namespace tavoro {

namespace {

// "<color fg=#828A99>" + escaped name + ": " + "</color>". A line feed in the
// name is written between two elements, since its escape "<br>" cannot stand
// inside one.
std::wstring tagNamePrefix(std::wstring_view name) {
  std::wstring out;
  bool inside = false;
  for (wchar_t c : name) {
    if (c == L'\n' && inside) out += kColorClose;
    if (c != L'\n' && !inside) out += kTagNameOpen;
    inside = c != L'\n';
    appendEscaped(out, c);
  }
  if (!inside) out += kTagNameOpen;
  out += L": ";
  out += kColorClose;
  return out;
}

}  // namespace

std::wstring SearchEngine::highlight(std::wstring_view text, TermKind skipKind) {
  if (text.empty()) return {};
  HighlightRanges ranges(text);
  bool previousMatched = false;
  for (const SearchTerm& term : m_terms) {
    if (term.kind == skipKind || term.kind == TermKind::Worn) continue;
    MatchSpan span;
    if (!term.value.empty() && m_matcher.match(text, term, &span)) {
      ranges.add(span, previousMatched);
      previousMatched = true;
    } else {
      previousMatched = false;
    }
  }
  return ranges.markup();
}

bool SearchEngine::rowMarkup(SearchResult& result) {
  if (!m_scope || m_terms.empty() || !result.item) return false;
  const Item& item = *result.item;
  result.nameMarkup = highlight(item.name(), TermKind::TagValue);

  const ItemList* list = item.owner();
  const Collection* collection = list ? list->collection() : nullptr;
  const Tag* chosenTag = nullptr;
  std::wstring chosenMarkup;
  const Tag* fallbackTag = nullptr;
  std::wstring fallbackMarkup;
  const RecordList& records = item.records();
  for (size_t i = records.count(); collection && i-- > 0;) {
    const Record& record = records.at(i);
    if (record.tagId() == -1 || record.value().empty()) continue;
    const Tag* tag = collection->tags().findById(record.tagId());
    if (!tag) continue;
    std::wstring markup = highlight(record.value(), TermKind::ItemName);
    if (markup.find(kColorClose) != std::wstring::npos) {
      chosenTag = tag;
      chosenMarkup = std::move(markup);
      break;
    }
    if (!markup.empty() && !fallbackTag) {
      fallbackTag = tag;
      fallbackMarkup = std::move(markup);
    }
  }
  if (!chosenTag) {
    chosenTag = fallbackTag;
    chosenMarkup = std::move(fallbackMarkup);
  }
  result.detailMarkup.clear();
  if (chosenTag) {
    result.detailMarkup = tagNamePrefix(chosenTag->name());
    result.detailMarkup += chosenMarkup;
  }
  return true;
}

std::wstring SearchEngine::tagValueMarkup(std::wstring_view value, std::wstring_view tagName) {
  if (value.empty() || tagName.empty()) return {};
  return highlight(value, TermKind::ItemName);
}

}  // namespace tavoro
