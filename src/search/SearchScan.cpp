#include "SearchScan.h"

#include <algorithm>
#include <memory>
#include <thread>

#include "CollectionTexts.h"
#include "SearchIndex.h"
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

// The items to test, in scan order, each with the collection it belongs to
// and, when the scan reads packed texts, its row in them.
struct Candidate {
  Item* item;
  const Collection* collection;
  const CollectionTexts* texts = nullptr;
  size_t row = CollectionTexts::npos;  // before attachTexts: where the item likely is, when known
};

std::vector<Candidate> candidates(const std::vector<ScanStretch>& stretches) {
  std::vector<Candidate> all;
  size_t count = 0;
  for (const ScanStretch& s : stretches) count += s.end - s.begin;
  all.reserve(count);
  for (const ScanStretch& s : stretches) {
    const auto& items = s.collection->items().items();
    for (size_t i = s.begin; i < s.end && i < items.size(); ++i) all.push_back({items[i].get(), s.collection, nullptr, i});
  }
  return all;
}

std::vector<Candidate> candidates(const Collection& scope, const std::vector<Item*>* within) {
  if (within) {
    std::vector<Candidate> all;
    all.reserve(within->size());
    for (Item* item : *within) all.push_back({item, item->owner()->collection()});
    return all;
  }
  std::vector<ScanStretch> stretches;
  if (scope.id() != 0) {
    stretches.push_back({&scope, 0, scope.items().count()});
  } else if (const CollectionList* list = scope.owner()) {
    for (const auto& collection : list->collections()) stretches.push_back({collection.get(), 0, collection->items().count()});
  }
  return candidates(stretches);
}

// Gives each candidate its row in the packed texts of its collection, made
// first where missing. A candidate not found there (which a caller keeping
// the index up to date never gives) is tested on the model.
void attachTexts(std::vector<Candidate>& all, SearchIndex& index, unsigned threads,
                 const std::atomic<bool>* cancelled) {
  std::vector<const Collection*> collections;
  for (size_t i = 0; i < all.size(); ++i)
    if (i == 0 || all[i].collection != all[i - 1].collection) collections.push_back(all[i].collection);
  std::sort(collections.begin(), collections.end());
  collections.erase(std::unique(collections.begin(), collections.end()), collections.end());
  index.prepare(collections, threads, cancelled);
  // Candidates come in stored order, so each row is looked up from the last.
  const Collection* collection = nullptr;
  const CollectionTexts* texts = nullptr;
  size_t next = 0;
  for (Candidate& c : all) {
    if (c.collection != collection) {
      collection = c.collection;
      texts = index.find(collection);
      next = 0;
    }
    if (!texts) continue;
    const size_t row = texts->rowOf(c.item, c.row != CollectionTexts::npos ? c.row : next);
    c.row = row;
    if (row == CollectionTexts::npos) continue;
    c.texts = texts;
    c.row = row;
    next = row + 1;
  }
}

bool termMatchesTexts(const Candidate& c, const SearchTerm& term, const PreparedTerm& prepared, const Tag* termTag,
                      Date today) {
  return term.kind == TermKind::Worn ? wornMatches(*c.item, term, today)
                                     : c.texts->matches(c.row, term, prepared, termTag);
}

// Tests candidates [begin, end) on one thread; false when cancelled.
bool scanRange(const std::vector<Candidate>& all, size_t begin, size_t end, const std::vector<SearchTerm>& terms,
               const std::vector<PreparedTerm>& prepared, const std::atomic<bool>* cancelled, Date today,
               std::vector<Item*>& found) {
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
    if (c.texts) {
      for (size_t t = 0; t < terms.size() && matches; ++t)
        matches = termMatchesTexts(c, terms[t], prepared[t], view->termTag(t), today);
    } else {
      for (size_t t = 0; t < terms.size() && matches; ++t)
        matches = termMatchesItem(*c.item, terms[t], view->termTag(t), *view, matcher, today);
    }
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

ScanResult scanCandidates(std::vector<Candidate> all, const std::vector<SearchTerm>& terms,
                          const ScanOptions& options) {
  ScanResult result;
  const Date today = options.today.isNull() ? Date::today() : options.today;
  unsigned threads = options.threads != 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());
  if (options.index) attachTexts(all, *options.index, threads, options.cancelled);
  threads = static_cast<unsigned>(std::min<size_t>(threads, std::max<size_t>(1, all.size() / kItemsPerThread)));
  std::vector<PreparedTerm> prepared;
  prepared.reserve(terms.size());
  for (const SearchTerm& term : terms) prepared.emplace_back(term);

  // Each thread takes one stretch of the candidates; the stretches' results
  // are joined in order.
  std::vector<std::vector<Item*>> found(threads);
  std::vector<char> completed(threads, 0);
  const auto stretch = [&](unsigned k) {
    const size_t begin = all.size() * k / threads;
    const size_t end = all.size() * (k + 1) / threads;
    completed[k] = scanRange(all, begin, end, terms, prepared, options.cancelled, today, found[k]) ? 1 : 0;
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

}  // namespace

ScanResult scanItems(const Collection& scope, const std::vector<SearchTerm>& terms, const ScanOptions& options) {
  return scanCandidates(candidates(scope, options.within), terms, options);
}

ScanResult scanStretches(const std::vector<ScanStretch>& stretches, const std::vector<SearchTerm>& terms,
                         const ScanOptions& options) {
  return scanCandidates(candidates(stretches), terms, options);
}

bool narrows(const std::vector<SearchTerm>& terms, const std::vector<SearchTerm>& previous) {
  return !previous.empty() && std::all_of(previous.begin(), previous.end(), [&](const SearchTerm& p) {
    return std::any_of(terms.begin(), terms.end(), [&](const SearchTerm& t) { return implies(t, p); });
  });
}

}  // namespace tavoro
