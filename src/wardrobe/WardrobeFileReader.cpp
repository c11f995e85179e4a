#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_set>
#include <vector>

#include "ItemNames.h"
#include "WardrobeFile.h"
#include "WardrobeSchema.h"
#include "XmlParser.h"
#include "XmlValueText.h"
#include "platform/PathOps.h"
#include "platform/SaveTemporaries.h"
#include "platform/WholeFile.h"

// The model is built straight from the parser's events, element by element,
// by the rules the file format gives each element: the first child of a
// name counts where one is expected (the first Properties, the first Tags of
// a collection...), every child of a list's item name is read, and anything
// else, at any depth, is passed over with everything in it.

namespace tavoro {

namespace {

using namespace schema;

using Attributes = std::vector<XmlAttribute>;

const std::string_view* findAttribute(const Attributes& attributes, const char* name) {
  for (const XmlAttribute& a : attributes)
    if (a.name == name) return &a.value;
  return nullptr;
}

bool getInt(const Attributes& attributes, const char* name, int32_t& out) {
  const std::string_view* value = findAttribute(attributes, name);
  return value && readXmlInt(*value, out);
}

// The value as text; false for a missing or empty one.
bool getText(const Attributes& attributes, const char* name, std::wstring& out) {
  const std::string_view* value = findAttribute(attributes, name);
  out = value ? fromXmlValue(*value) : std::wstring();
  return !out.empty();
}

// Whether bytes are the storage text of a valid date and time (23
// characters, of which the one between date and time is not looked at).
bool parseDateTime(std::string_view bytes, DateTime& date) {
  if (bytes.size() == 23 && std::all_of(bytes.begin(), bytes.end(), [](char c) { return c > 0 && c < 0x7F; })) {
    wchar_t wide[23];
    std::copy(bytes.begin(), bytes.end(), wide);
    return date.parseText(std::wstring_view(wide, 23));
  }
  return date.parseText(fromXmlValue(bytes));
}

// The stored date, or now when it does not read.
DateTime dateAdded(std::string_view bytes, const LocalClock& clock) {
  DateTime date;
  if (parseDateTime(bytes, date)) return date;
  return DateTime::now(clock);
}

// The storable days of a dates value, sorted and each once; a word that is
// not a day is skipped.
std::vector<Date> wearDays(std::string_view text) {
  std::vector<Date> days;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = std::min(text.find(' ', at), text.size());
    Date day;
    if (day.parseText(text.substr(at, end - at))) days.push_back(day);
    at = end + 1;
  }
  return days;
}

void readWorn(const Attributes& attributes, WearDates& worn) {
  const std::string_view* dates = findAttribute(attributes, kDates);
  worn.assign(dates ? wearDays(*dates) : std::vector<Date>());
}

// The ids a list has taken while it is read. A repeated id is read once (the
// first child wins): two collections, items or photos with one id would share
// one folder or file, and deleting one would delete the other's photos.
// Reused from list to list; short lists, like an item's photos, are searched
// without a table.
class IdsRead {
 public:
  void reset() {
    m_few.clear();
    m_many.clear();
    m_largest = 0;
  }
  bool take(int32_t id) {
    if (m_many.empty() && m_few.size() < kFew) {
      if (std::find(m_few.begin(), m_few.end(), id) != m_few.end()) return false;
      m_few.push_back(id);
    } else {
      if (m_many.empty()) m_many.insert(m_few.begin(), m_few.end());
      if (!m_many.insert(id).second) return false;
    }
    m_largest = std::max<int64_t>(m_largest, id);
    return true;
  }
  int64_t largest() const { return m_largest; }

 private:
  static constexpr size_t kFew = 16;
  std::vector<int32_t> m_few;
  std::unordered_set<int32_t> m_many;
  int64_t m_largest = 0;
};

// A list's counter after reading: never below what it was, what the file
// says (when it says anything readable), or past the largest id read. Kept
// within 32 bits even when the file holds the largest id there is.
int32_t raisedNextId(std::optional<int32_t> stored, int32_t current, int64_t largestId) {
  const int64_t next = std::max<int64_t>({current, stored.value_or(current), largestId + 1});
  return static_cast<int32_t>(std::min<int64_t>(next, INT32_MAX));
}

std::optional<int32_t> storedNextId(const Attributes& attributes) {
  int32_t next = 0;
  return getInt(attributes, kNextId, next) ? std::optional<int32_t>(next) : std::nullopt;
}

class WardrobeBuilder final : public XmlHandler {
 public:
  WardrobeBuilder(Wardrobe& wardrobe, const LocalClock& clock) : m_wardrobe(wardrobe), m_clock(clock) {}

  enum class Verdict { Ours, NoRoot, WrongRoot, WrongVersion, DamagedProperties };
  Verdict verdict() const { return m_verdict; }

  bool startElement(std::string_view name, const Attributes& attributes, int depth) override {
    const Kind parent = depth == 1 ? Kind::Document : m_open[static_cast<size_t>(depth) - 2];
    m_open.push_back(kindOf(parent, name, attributes));
    return true;
  }

  void endElement(int) override {
    const Kind kind = m_open.back();
    m_open.pop_back();
    switch (kind) {
      case Kind::Root:
        resolveItemRefs();
        break;
      case Kind::Combinations: {
        CombinationList& list = m_wardrobe.combinations();
        list.setNextId(raisedNextId(m_combinationsNext, list.nextId(), m_combinationIds.largest()));
        break;
      }
      case Kind::Collections: {
        CollectionList& list = m_wardrobe.collections();
        list.setNextId(raisedNextId(m_collectionsNext, list.nextId(), m_collectionIds.largest()));
        break;
      }
      case Kind::Tags:
        m_tags->setNextId(raisedNextId(m_tagsNext, m_tags->nextId(), m_largestTagId));
        break;
      case Kind::Items:
        m_items->setNextId(raisedNextId(m_itemsNext, m_items->nextId(), m_itemIds.largest()));
        break;
      case Kind::Photos:
        m_photos->setNextId(raisedNextId(m_photosNext, m_photos->nextId(), m_photoIds.largest()));
        break;
      default:
        break;
    }
  }

 private:
  enum class Kind {
    Document,
    Skipped,  // with everything in it
    Root,
    Properties,
    Collections,
    Collection,
    Tags,
    Tag,
    Items,
    Item,
    Photos,
    Photo,
    Records,
    Record,
    Combinations,
    Combination
  };

  // What an element is, given its parent, reading it on the way.
  Kind kindOf(Kind parent, std::string_view name, const Attributes& attributes) {
    switch (parent) {
      case Kind::Document:
        if (m_verdict != Verdict::NoRoot) return Kind::Skipped;  // only the first element is the root
        return startRoot(name, attributes);
      case Kind::Root:
        if (name == kProperties && !m_seenProperties) {
          m_seenProperties = true;
          readProperties(attributes);
          return Kind::Properties;
        }
        if (name == kCollections && !m_seenCollections) {
          m_seenCollections = true;
          startCollections(attributes);
          return Kind::Collections;
        }
        if (name == kCombinations && !m_seenCombinations) {
          m_seenCombinations = true;
          m_wardrobe.combinations().clear();
          m_combinationsNext = storedNextId(attributes);
          return Kind::Combinations;
        }
        return Kind::Skipped;
      case Kind::Combinations:
        return name == kCombination && startCombination(attributes) ? Kind::Combination : Kind::Skipped;
      case Kind::Combination:
        if (name == kItemRef) {
          int32_t collectionId = 0;
          int32_t itemId = 0;
          if (getInt(attributes, kCollectionId, collectionId) && getInt(attributes, kItemId, itemId))
            m_itemRefs.push_back({m_combination, collectionId, itemId});
        } else if (name == kWorn && !m_seenCombinationWorn) {
          m_seenCombinationWorn = true;
          readWorn(attributes, m_combination->worn());
        }
        return Kind::Skipped;
      case Kind::Collections:
        return name == kCollection && startCollection(attributes) ? Kind::Collection : Kind::Skipped;
      case Kind::Collection:
        if (name == kTags && !m_seenTags) {
          m_seenTags = true;
          m_tags = &m_collection->tags();
          m_tags->clear();
          m_tagsNext = storedNextId(attributes);
          m_largestTagId = 0;
          return Kind::Tags;
        }
        if (name == kItems && !m_seenItems) {
          m_seenItems = true;
          m_items = &m_collection->items();
          m_items->clear(false);
          m_itemsNext = storedNextId(attributes);
          m_itemIds.reset();
          return Kind::Items;
        }
        return Kind::Skipped;
      case Kind::Tags:
        if (name == kTag) readTag(attributes);
        return Kind::Skipped;
      case Kind::Items:
        return name == kItem && startItem(attributes) ? Kind::Item : Kind::Skipped;
      case Kind::Item:
        if (name == kPhotos && !m_seenPhotos) {
          m_seenPhotos = true;
          m_photos = &m_item->photos();
          m_photos->clear(false);
          m_photosNext = storedNextId(attributes);
          m_photoIds.reset();
          return Kind::Photos;
        }
        if (name == kRecords && !m_seenRecords) {
          m_seenRecords = true;
          m_item->records().clear();
          return Kind::Records;
        }
        if (name == kWorn && !m_seenWorn) {
          m_seenWorn = true;
          readWorn(attributes, m_item->worn());
        }
        return Kind::Skipped;
      case Kind::Photos:
        if (name == kPhoto) readPhoto(attributes);
        return Kind::Skipped;
      case Kind::Records:
        if (name == kRecord) readRecord(attributes);
        return Kind::Skipped;
      default:
        return Kind::Skipped;
    }
  }

  // The root: the wardrobe element with our version and namespace.
  Kind startRoot(std::string_view name, const Attributes& attributes) {
    std::wstring version;
    std::wstring xmlns;
    if (name != kRoot) {
      m_verdict = Verdict::WrongRoot;
      return Kind::Skipped;
    }
    if (!getText(attributes, kVersion, version) || version != kVersionValue || !getText(attributes, kXmlns, xmlns) ||
        xmlns != kWardrobeNamespace) {
      m_verdict = Verdict::WrongVersion;
      return Kind::Skipped;
    }
    m_verdict = Verdict::Ours;
    return Kind::Root;
  }

  void readProperties(const Attributes& attributes) {
    int32_t id = 0;
    if (!getInt(attributes, kWardrobeId, id)) {
      m_verdict = Verdict::DamagedProperties;
      return;
    }
    m_wardrobe.setWardrobeId(id);
    std::wstring name;
    getText(attributes, kWardrobeName, name);
    m_wardrobe.setName(std::move(name));
  }

  void startCollections(const Attributes& attributes) {
    CollectionList& list = m_wardrobe.collections();
    list.clear(false);
    int32_t hotId = 0;
    if (getInt(attributes, kHotId, hotId)) list.setHotId(hotId);
    m_collectionsNext = storedNextId(attributes);
    m_collectionIds.reset();
  }

  bool startCollection(const Attributes& attributes) {
    int32_t id = 0;
    std::wstring name;
    if (!getInt(attributes, kId, id) || !getText(attributes, kName, name) || id <= 0 || !m_collectionIds.take(id))
      return false;
    m_collection = m_wardrobe.collections().add(std::move(name), id);
    m_seenTags = m_seenItems = false;
    return true;
  }

  void readTag(const Attributes& attributes) {
    int32_t id = 0;
    std::wstring name;
    if (!getInt(attributes, kId, id) || !getText(attributes, kName, name) || id <= 0) return;
    m_tags->add(std::move(name), id);
    m_largestTagId = std::max<int64_t>(m_largestTagId, id);
  }

  bool startItem(const Attributes& attributes) {
    int32_t id = 0;
    std::wstring name;
    const std::string_view* date = findAttribute(attributes, kDateAdded);
    if (!getInt(attributes, kId, id) || !date || date->empty()) return false;
    // Older versions wrote no name for a photo file named only ".jpg": the
    // item and its photos are kept.
    if (!getText(attributes, kName, name)) name = kUnnamedItemName;
    if (id <= 0 || !m_itemIds.take(id)) return false;
    m_item = m_items->add(std::move(name), id);
    m_itemKeys.emplace_back(refKey(m_collection->id(), id), m_item);
    m_item->setDateAdded(dateAdded(*date, m_clock));
    m_seenPhotos = m_seenRecords = m_seenWorn = false;
    return true;
  }

  // A combination needs an id above 0 that no other one took and a name; a
  // date that does not read is repaired (made now, changed when made).
  bool startCombination(const Attributes& attributes) {
    int32_t id = 0;
    std::wstring name;
    if (!getInt(attributes, kId, id) || !getText(attributes, kName, name) || id <= 0 || !m_combinationIds.take(id))
      return false;
    m_combination = m_wardrobe.combinations().add(std::move(name), id);
    const std::string_view* created = findAttribute(attributes, kCreated);
    m_combination->setCreated(dateAdded(created ? *created : std::string_view(), m_clock));
    DateTime changed;
    const std::string_view* changedText = findAttribute(attributes, kChanged);
    if (!changedText || !parseDateTime(*changedText, changed)) changed = m_combination->created();
    m_combination->setChanged(changed);
    m_seenCombinationWorn = false;
    return true;
  }

  // The combinations' items, once every collection is read (a file may put
  // the combinations first): a reference to an item that is not there, or to
  // one the combination holds already, is dropped.
  void resolveItemRefs() {
    if (m_itemRefs.empty()) return;
    // Every item by its key, noted as it was read, in one sorted table (the
    // file's order mostly is sorted already). Going over the model again, or
    // a hash map, cost a fifth of the time of reading a large wardrobe with
    // combinations. Keys are unique: the ids of a list are read once each.
    const auto byKey = [](const ItemKey& a, const ItemKey& b) { return a.first < b.first; };
    if (!std::is_sorted(m_itemKeys.begin(), m_itemKeys.end(), byKey))
      std::sort(m_itemKeys.begin(), m_itemKeys.end(), byKey);
    for (const ItemRef& ref : m_itemRefs) {
      const ItemKey wanted{refKey(ref.collectionId, ref.itemId), nullptr};
      const auto found = std::lower_bound(m_itemKeys.begin(), m_itemKeys.end(), wanted, byKey);
      if (found != m_itemKeys.end() && found->first == wanted.first) ref.combination->insertItem(found->second);
    }
    m_itemRefs.clear();
  }

  static uint64_t refKey(int32_t collectionId, int32_t itemId) {
    return (uint64_t{static_cast<uint32_t>(collectionId)} << 32) | static_cast<uint32_t>(itemId);
  }

  void readPhoto(const Attributes& attributes) {
    int32_t id = 0;
    int32_t format = 0;
    if (!getInt(attributes, kId, id) || !getInt(attributes, kFormat, format)) return;
    const ImageType type = imageTypeFromCode(format);
    if (!isPhotoType(type) || id <= 0 || !m_photoIds.take(id)) return;
    m_photos->addExisting(type, id);
  }

  void readRecord(const Attributes& attributes) {
    int32_t tagId = 0;
    std::wstring value;
    if (getInt(attributes, kTagId, tagId) && getText(attributes, kValue, value))
      m_item->records().set(tagId, std::move(value));
  }

  Wardrobe& m_wardrobe;
  const LocalClock& m_clock;
  Verdict m_verdict = Verdict::NoRoot;
  std::vector<Kind> m_open;  // the kind of each open element, outermost first
  bool m_seenProperties = false;
  bool m_seenCollections = false;
  bool m_seenTags = false;
  bool m_seenItems = false;
  bool m_seenPhotos = false;
  bool m_seenRecords = false;
  Collection* m_collection = nullptr;
  TagList* m_tags = nullptr;
  ItemList* m_items = nullptr;
  Item* m_item = nullptr;
  PhotoList* m_photos = nullptr;
  std::optional<int32_t> m_collectionsNext;
  std::optional<int32_t> m_tagsNext;
  std::optional<int32_t> m_itemsNext;
  std::optional<int32_t> m_photosNext;
  IdsRead m_collectionIds;
  IdsRead m_itemIds;
  IdsRead m_photoIds;
  int64_t m_largestTagId = 0;
  bool m_seenWorn = false;
  bool m_seenCombinations = false;
  bool m_seenCombinationWorn = false;
  Combination* m_combination = nullptr;
  std::optional<int32_t> m_combinationsNext;
  IdsRead m_combinationIds;
  struct ItemRef {
    Combination* combination;
    int32_t collectionId;
    int32_t itemId;
  };
  std::vector<ItemRef> m_itemRefs;
  // Every item read, by refKey of its collection's id and its own.
  using ItemKey = std::pair<uint64_t, Item*>;
  std::vector<ItemKey> m_itemKeys;
};

// Why a parse failed, in words for people.
std::string parseFailure(const XmlParse& parse) {
  switch (parse.check) {
    case XmlCheck::TooDeep:
      return "elements nested too deep";
    case XmlCheck::TooManyAttributes:
      return "too many attributes on one element";
    case XmlCheck::TooManyNodes:
      return "file too large";
    case XmlCheck::WithinLimits:
      break;
  }
  return "XML error at line " + std::to_string(parse.errorLine);
}

// Finds the wardrobe name: stops at the root's first Properties, or at once
// when the root is not ours.
class NameFinder final : public XmlHandler {
 public:
  bool startElement(std::string_view name, const Attributes& attributes, int depth) override {
    if (depth == 1) {
      std::wstring version;
      std::wstring xmlns;
      m_ours = name == kRoot && getText(attributes, kVersion, version) && version == kVersionValue &&
               getText(attributes, kXmlns, xmlns) && xmlns == kWardrobeNamespace;
      return m_ours;
    }
    if (depth != 2 || name != kProperties) return true;
    m_found = true;
    getText(attributes, kWardrobeName, m_name);
    return false;
  }
  void endElement(int depth) override {
    if (depth == 1) m_rootEnded = true;
  }

  // Whether reading more of the file can change the answer.
  bool settled() const { return m_found || !m_ours || m_rootEnded; }
  std::wstring name() const { return m_found ? m_name : std::wstring(); }

 private:
  bool m_ours = true;  // until the root says otherwise
  bool m_found = false;
  bool m_rootEnded = false;
  std::wstring m_name;
};

}  // namespace

Status readWardrobe(std::wstring_view path, Wardrobe& wardrobe) {
  return readWardrobe(path, wardrobe, LocalClock::system());
}

Status readWardrobe(std::wstring_view path, Wardrobe& wardrobe, const LocalClock& clock) {
  std::string text;
  if (Status read = readWholeFileStatus(path, kMaxWardrobeFileBytes, text); !read) return read;
  prepareXmlText(text);
  WardrobeBuilder builder(wardrobe, clock);
  const XmlParse parse = parseXml(text, kWardrobeXmlLimits, &builder);
  if (!parse.wellFormed) return Status::failure(path, parseFailure(parse));
  switch (builder.verdict()) {
    case WardrobeBuilder::Verdict::NoRoot:
    case WardrobeBuilder::Verdict::WrongRoot:
      return Status::failure(path, "not a Tavoro wardrobe (no TavoroWardrobe element)");
    case WardrobeBuilder::Verdict::WrongVersion:
      return Status::failure(path, "not a Tavoro wardrobe of version 1.0");
    case WardrobeBuilder::Verdict::DamagedProperties:
      return Status::failure(path, "damaged wardrobe (Properties without a wardrobe_id)");
    case WardrobeBuilder::Verdict::Ours:
      break;
  }
  wardrobe.setFilePath(std::wstring(path));
  wardrobe.setFolder(pathFolder(path));
  if (wardrobe.name().empty()) wardrobe.setName(pathStem(path));
  removeStaleSaveTemporaries(path);  // left beside the file by a save that was killed
  return {};
}

std::wstring readWardrobeName(std::wstring_view path) {
  // The recent list asks this of every file it shows: only the head of the
  // file is read, twice as much each time, as far as Properties.
  for (size_t count = size_t{64} << 10;; count = count >= kMaxWardrobeFileBytes / 2 ? kMaxWardrobeFileBytes : count * 2) {
    std::string text;
    bool whole = false;
    if (readFileStart(path, count, kMaxWardrobeFileBytes, text, whole) != FileReadStatus::Ok) return {};
    whole = whole || text.find('\0') != std::string::npos;  // the text ends at a NUL
    prepareXmlText(text);
    NameFinder finder;
    const XmlParse parse = parseXml(text, kWardrobeXmlLimits, &finder);
    // What comes before Properties must be well-formed (the parse stops at
    // a fault); what follows it is not looked at.
    if (finder.settled()) return finder.name();
    if (whole || parse.check != XmlCheck::WithinLimits) return {};
  }
}

}  // namespace tavoro
