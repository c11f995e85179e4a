// Fuzzes the query language, matching, highlight markup and search history
// with arbitrary text. The input is UTF-8 split at bytes 0x01 into a query,
// an item name and tag values. Checks what must hold for any input:
//  - the engine's markup parses back into the text, stretches included;
//  - escaping round-trips, and unescaping equals its chain of replace-alls;
//  - spans lie inside their text, and the history lists keep their order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Utf16.h"
#include "platform/Utf8.h"
#include "search/MarkupParser.h"
#include "search/MarkupText.h"
#include "search/QueryParser.h"
#include "search/SearchEngine.h"
#include "search/SearchHistory.h"
#include "wardrobe/Wardrobe.h"

namespace {

using namespace tavoro;

void check(bool condition) {
  if (!condition) std::abort();
}

std::wstring replaceAll(std::wstring text, std::wstring_view from, std::wstring_view to) {
  size_t at = 0;
  while ((at = text.find(from, at)) != std::wstring::npos) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
  return text;
}

std::wstring unescapeByChain(std::wstring text) {
  text = replaceAll(std::move(text), L"<br>", L"\n");
  text = replaceAll(std::move(text), L"&nbsp;", L" ");
  text = replaceAll(std::move(text), L"&lt;", L"<");
  text = replaceAll(std::move(text), L"&gt;", L">");
  text = replaceAll(std::move(text), L"&quot;", L"\"");
  return replaceAll(std::move(text), L"&amp;", L"&");
}

std::wstring spell(std::wstring_view markup) {
  std::wstring text;
  for (const MarkupRun& run : parseMarkup(markup, MarkupStyle{})) text += unescapeMarkupText(run.text);
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::wstring input = fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  std::vector<std::wstring> parts(1);
  for (wchar_t c : input) {
    if (c == 1)
      parts.emplace_back();
    else
      parts.back().push_back(c);
  }
  while (parts.size() < 3) parts.emplace_back();

  check(unescapeMarkupText(escapeMarkupText(input)) == input);
  check(unescapeMarkupText(input) == unescapeByChain(input));
  for (const MarkupRun& run : parseMarkup(input, MarkupStyle{})) check(!run.text.empty());

  for (const SearchTerm& term : parseQuery(parts[0])) {
    check(term.value.empty() || (term.value.front() != L' ' && term.value.back() != L' '));
    check(term.kind == TermKind::TagValue || term.tagKey.empty());
  }

  Wardrobe wardrobe(L"/nonexistent/fuzz", L"Fuzz");
  Collection* collection = wardrobe.collections().add(L"C");
  Tag* tag = collection->tags().add(L"Tag");
  Item* item = collection->items().add(parts[1], 1);
  for (size_t i = 2; i < parts.size(); ++i) item->records().set(tag->id() + static_cast<int32_t>(i % 2), parts[i]);

  SearchEngine engine;
  engine.setScope(wardrobe.collections().allCollections());
  if (engine.parse(parts[0])) {
    engine.run();
    for (const SearchTerm& term : engine.terms()) {
      MatchSpan span;
      if (engine.matchText(parts[1], term, &span)) check(span.start < span.end && span.end <= parts[1].size());
    }
    SearchResult result{item, {}, {}};
    check(engine.rowMarkup(result));
    check(spell(result.nameMarkup) == parts[1]);
    for (size_t i = 2; i < parts.size(); ++i) check(spell(engine.highlight(parts[i], TermKind::ItemName)) == parts[i]);
  }

  std::vector<std::wstring> recent;
  std::vector<std::wstring> known;
  bool autoSuggest = true;
  SearchHistory history(recent, known, autoSuggest);
  for (const std::wstring& part : parts) history.recordSearch(part);
  check(recent.size() <= SearchHistory::kMaxRecent);
  for (size_t i = 1; i < known.size(); ++i) check(compareUtf16(known[i - 1], known[i]) < 0);
  for (const std::wstring& suggestion : history.suggestionsFor(parts[0]))
    check(suggestion.size() > parts[0].size() && suggestion.starts_with(parts[0]));
  return 0;
}
