#include "SearchEngine.h"

#include "QueryParser.h"
#include "SearchScan.h"
#include "wardrobe/CollectionList.h"

namespace tavoro {

void SearchEngine::reset() {
  m_scope = nullptr;
  m_terms.clear();
}

bool SearchEngine::parse(std::wstring_view query) {
  if (!m_scope || query.empty()) return false;
  m_terms = parseQuery(query);
  return !m_terms.empty();
}

bool SearchEngine::run() {
  return runWithin({}, nullptr);
}

bool SearchEngine::runWithin(const std::vector<SearchTerm>& previousTerms, const std::vector<Item*>* previous) {
  m_results.clear();
  if (!m_scope || m_terms.empty()) return false;
  if (m_scope->id() == 0 && (!m_scope->owner() || m_scope->owner()->count() == 0)) return false;
  ScanOptions options;
  options.threads = 0;  // large scopes are shared among the cores
  options.today = Date::today(*m_clock);
  if (previous && narrows(m_terms, previousTerms)) options.within = previous;
  ScanResult scan = scanItems(*m_scope, m_terms, options);
  m_results.reserve(scan.items.size());
  for (Item* item : scan.items) m_results.push_back(SearchResult{item, {}, {}});
  return true;
}

bool SearchEngine::matchText(std::wstring_view text, const SearchTerm& term, MatchSpan* span) {
  return m_matcher.match(text, term, span);
}

}  // namespace tavoro
