#include "SearchScan.h"

#include <algorithm>
#include <memory>
#include <thread>

#include "TextMatcher.h"
#include "wardrobe/CollectionList.h"

namespace tavoro {

namespace {

// Below this many items one thread is quicker than starting another.
constexpr size_t kItemsPerThread = 8192;
// How often a scan looks at the cancel flag.
constexpr size_t kCancelCheckEvery = 1024;

// What testing the items of one collection needs of the collection itself,
// worked out once per scan instead of once per item and term: which tag ids
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

bool wornMatches(const Item& item, const SearchTerm& term, Date today) {
  const WearDates& worn = item.worn();
  if (worn.empty()) return true;
  if (term.wornDays == SearchTerm::kNeverWorn) return false;
  return int64_t{today.dayNumber()} - worn.last().dayNumber() > term.wornDays;
}

bool termMatchesItem(const Item& item, const SearchTerm& term, const Tag* termTag, const CollectionView& view,
                     TextMatcher& matcher, Date today) {
  switch (term.kind) {
    case TermKind::Worn:
      return wornMatches(item, term, today);
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

// The items to test, in scan order, each with the collection it belongs to.
struct Candidate {
  Item* item;
  const Collection* collection;
};

std::vector<Candidate> candidates(const Collection& scope, const std::vector<Item*>* within) {
  std::vector<Candidate> all;
  if (within) {
    all.reserve(within->size());
    for (Item* item : *within) all.push_back({item, item->owner()->collection()});
    return all;
  }
  const auto add = [&all](const Collection& collection) {
    for (const auto& item : collection.items().items()) all.push_back({item.get(), &collection});
  };
  if (scope.id() != 0) {
    all.reserve(scope.items().count());
    add(scope);
  } else if (const CollectionList* list = scope.owner()) {
    all.reserve(static_cast<size_t>(list->itemCount(&scope)));
    for (const auto& collection : list->collections()) add(*collection);
  }
  return all;
}

// Tests candidates [begin, end) on one thread; false when cancelled.
bool scanRange(const std::vector<Candidate>& all, size_t begin, size_t end, const std::vector<SearchTerm>& terms,
               const std::atomic<bool>* cancelled, Date today, std::vector<Item*>& found) {
  TextMatcher matcher;
  const Collection* viewed = nullptr;
  std::unique_ptr<CollectionView> view;
  for (size_t i = begin; i < end; ++i) {
    if ((i - begin) % kCancelCheckEvery == 0 && cancelled && cancelled->load(std::memory_order_relaxed)) return false;
    const Candidate& c = all[i];
    if (c.collection != viewed) {
      view = std::make_unique<CollectionView>(*c.collection, terms);
      viewed = c.collection;
    }
    bool matches = true;
    for (size_t t = 0; t < terms.size() && matches; ++t)
      matches = termMatchesItem(*c.item, terms[t], view->termTag(t), *view, matcher, today);
    if (matches) found.push_back(c.item);
  }
  return true;
}

bool implies(const SearchTerm& term, const SearchTerm& previous) {
  if (term == previous) return true;
  // Not worn in more days is narrower; never worn narrowest of all.
  if (term.kind == TermKind::Worn && previous.kind == TermKind::Worn)
    return term.wornDays == SearchTerm::kNeverWorn ||
           (previous.wornDays != SearchTerm::kNeverWorn && term.wornDays >= previous.wornDays);
  if (term.kind != previous.kind || term.tagKey != previous.tagKey || term.exact || previous.exact) return false;
  // Each match of the longer value holds a match of its beginning at the
  // same place, in the same mode: the mode follows the first character.
  return !previous.value.empty() && term.value.starts_with(previous.value);
}

}  // namespace

ScanResult scanItems(const Collection& scope, const std::vector<SearchTerm>& terms, const ScanOptions& options) {
  ScanResult result;
  const std::vector<Candidate> all = candidates(scope, options.within);
  const Date today = options.today.isNull() ? Date::today() : options.today;
  unsigned threads = options.threads != 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());
  threads = static_cast<unsigned>(std::min<size_t>(threads, std::max<size_t>(1, all.size() / kItemsPerThread)));

  // Each thread takes one stretch of the candidates; the stretches' results
  // are joined in order.
  std::vector<std::vector<Item*>> found(threads);
  std::vector<char> completed(threads, 0);
  const auto stretch = [&](unsigned k) {
    const size_t begin = all.size() * k / threads;
    const size_t end = all.size() * (k + 1) / threads;
    completed[k] = scanRange(all, begin, end, terms, options.cancelled, today, found[k]) ? 1 : 0;
  };
  {
    std::vector<std::jthread> helpers;
    for (unsigned k = 1; k < threads; ++k) helpers.emplace_back(stretch, k);
    stretch(0);
  }
  result.complete = std::all_of(completed.begin(), completed.end(), [](char c) { return c != 0; });
  size_t total = 0;
  for (const auto& part : found) total += part.size();
  result.items.reserve(total);
  for (const auto& part : found) result.items.insert(result.items.end(), part.begin(), part.end());
  return result;
}

bool narrows(const std::vector<SearchTerm>& terms, const std::vector<SearchTerm>& previous) {
  return !previous.empty() && std::all_of(previous.begin(), previous.end(), [&](const SearchTerm& p) {
    return std::any_of(terms.begin(), terms.end(), [&](const SearchTerm& t) { return implies(t, p); });
  });
}

}  // namespace tavoro
