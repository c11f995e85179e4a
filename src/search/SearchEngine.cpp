#include "SearchEngine.h"

#include <algorithm>

#include "QueryParser.h"
#include "wardrobe/CollectionList.h"

namespace tavoro {

namespace {

// What testing the items of one collection needs of the collection itself,
// worked out once per run instead of once per item and term: which tag ids
// still exist, and which tag each tag term names (the first with its key).
class CollectionView {
 public:
  CollectionView(const Collection& collection, const std::vector<SearchTerm>& terms) {
    const TagList& tags = collection.tags();
    m_tagIds.reserve(tags.count());
    for (const auto& tag : tags.tags()) m_tagIds.push_back(tag->id());
    std::sort(m_tagIds.begin(), m_tagIds.end());
    m_termTags.reserve(terms.size());
    for (const SearchTerm& term : terms)
      m_termTags.push_back(term.kind == TermKind::TagValue ? tags.findByName(term.tagKey, true) : nullptr);
  }

  bool hasTag(int32_t id) const { return std::binary_search(m_tagIds.begin(), m_tagIds.end(), id); }
  const Tag* termTag(size_t termIndex) const { return m_termTags[termIndex]; }

 private:
  std::vector<int32_t> m_tagIds;
  std::vector<const Tag*> m_termTags;
};

bool termMatchesItem(const Item& item, const SearchTerm& term, const Tag* termTag, const CollectionView& view,
                     TextMatcher& matcher) {
  switch (term.kind) {
    case TermKind::ItemName:
      return matcher.match(item.name(), term);
    case TermKind::TagValue: {
      if (!termTag) return false;
      const Record* record = item.records().find(termTag->id());
      return record && matcher.match(record->value(), term);
    }
    case TermKind::AnyField:
      if (matcher.match(item.name(), term)) return true;
      for (const Record& record : item.records()) {
        if (record.tagId() == -1 || record.value().empty() || !view.hasTag(record.tagId())) continue;
        if (matcher.match(record.value(), term)) return true;
      }
      return false;
  }
  return false;
}

bool itemMatches(const Item& item, const std::vector<SearchTerm>& terms, const CollectionView& view,
                 TextMatcher& matcher) {
  for (size_t i = 0; i < terms.size(); ++i)
    if (!termMatchesItem(item, terms[i], view.termTag(i), view, matcher)) return false;
  return true;
}

}  // namespace

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
  m_results.clear();
  if (!m_scope || m_terms.empty()) return false;
  const auto searchCollection = [this](Collection& collection) {
    const CollectionView view(collection, m_terms);
    for (const auto& item : collection.items().items())
      if (itemMatches(*item, m_terms, view, m_matcher)) m_results.push_back(SearchResult{item.get(), {}, {}});
  };
  if (m_scope->id() != 0) {
    searchCollection(*m_scope);
    return true;
  }
  const CollectionList* list = m_scope->owner();
  if (!list || list->count() == 0) return false;
  for (const auto& collection : list->collections()) searchCollection(*collection);
  return true;
}

bool SearchEngine::matchText(std::wstring_view text, const SearchTerm& term, MatchSpan* span) {
  return m_matcher.match(text, term, span);
}

}  // namespace tavoro
