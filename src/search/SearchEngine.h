// The search over the open wardrobe: the scope (one collection, or "All
// Collections" for every one), the terms of the last query, the results of
// the last run, and the highlight markup of what matched.
// User-interface thread only, like the model it reads; it never changes it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "SearchResult.h"
#include "SearchTerm.h"
#include "TextMatcher.h"
#include "wardrobe/DateTime.h"

namespace tavoro {

class Collection;
class Item;

class SearchEngine {
 public:
  // Each open wardrobe's window has an engine of its own.
  SearchEngine() = default;
  SearchEngine(const SearchEngine&) = delete;
  SearchEngine& operator=(const SearchEngine&) = delete;

  // Forgets scope and terms; results stay until the next run.
  void reset();
  // The collection to search; "All Collections" (id 0) means every
  // collection of its wardrobe. The engine keeps the pointer: call reset()
  // before the collection or its wardrobe goes away.
  void setScope(Collection* collection) { m_scope = collection; }
  Collection* scope() const { return m_scope; }

  // Replaces the terms by those of query. False, with the previous terms
  // untouched, without a scope or for an empty query; otherwise false when
  // the query yields no term (the terms are then empty).
  bool parse(std::wstring_view query);
  const std::vector<SearchTerm>& terms() const { return m_terms; }
  // The clock whose today the terms of wear count back from (the system's
  // unless a test gives another); it must outlive the engine's runs.
  void setClock(const LocalClock& clock) { m_clock = &clock; }

  // Replaces the results by every item of the scope that matches every term,
  // collection by collection in list order, items in stored order. False
  // without scope or terms, or for "All Collections" of a wardrobe without
  // collections; true otherwise, also when nothing was found.
  bool run();
  // The same, testing only the items of previous when they are the results
  // of a run over the same scope for previousTerms, the wardrobe unchanged
  // since, and the terms narrow those (see narrows): typing on at the end of
  // a query tests only what the last key found. Otherwise as run().
  bool runWithin(const std::vector<SearchTerm>& previousTerms, const std::vector<Item*>* previous);
  const std::vector<SearchResult>& results() const { return m_results; }
  std::vector<SearchResult>& results() { return m_results; }

  // One term against one text (see TextMatcher::match).
  bool matchText(std::wstring_view text, const SearchTerm& term, MatchSpan* span = nullptr);

  // Markup of text in which every match of every term whose kind is not
  // skipKind stands on the highlight background; matched words that follow
  // each other in the query and in the text form one stretch.
  std::wstring highlight(std::wstring_view text, TermKind skipKind);
  // Fills nameMarkup (name matches) and detailMarkup (grey tag name and the
  // highlighted value of the last tag value that matched, else of the last
  // valid one). False, changing nothing, without scope, terms or item.
  bool rowMarkup(SearchResult& result);
  // The highlighted value for the tag pane; empty unless both are non-empty.
  std::wstring tagValueMarkup(std::wstring_view value, std::wstring_view tagName);

 private:
  Collection* m_scope = nullptr;
  std::vector<SearchTerm> m_terms;
  std::vector<SearchResult> m_results;
  TextMatcher m_matcher;
  const LocalClock* m_clock = &LocalClock::system();
};

}  // namespace tavoro
