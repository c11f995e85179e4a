#include "ReferenceWardrobeFile.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "wardrobe/ItemNames.h"
#include "wardrobe/WardrobeFile.h"
#include "wardrobe/WardrobeSchema.h"
#include "wardrobe/XmlDocument.h"

namespace tavoro::test {

namespace {

using namespace schema;

template <typename Read>
void forEachChild(XmlElement list, const char* name, Read read) {
  for (XmlElement child = list.firstChild(name); child; child = child.nextSibling())
    if (child.nameIs(name)) read(child);
}

int32_t raisedNextId(XmlElement list, int32_t current, int64_t largestId) {
  int32_t stored = current;
  list.getInt(kNextId, stored);
  const int64_t next = std::max<int64_t>({current, stored, largestId + 1});
  return static_cast<int32_t>(std::min<int64_t>(next, INT32_MAX));
}

class IdsRead {
 public:
  bool take(int32_t id) {
    if (!m_ids.insert(id).second) return false;
    m_largest = std::max<int64_t>(m_largest, id);
    return true;
  }
  int64_t largest() const { return m_largest; }

 private:
  std::unordered_set<int32_t> m_ids;
  int64_t m_largest = 0;
};

void readRecords(XmlElement element, RecordList& records) {
  records.clear();
  forEachChild(element, kRecord, [&](XmlElement child) {
    int32_t tagId = 0;
    std::wstring value;
    if (child.getInt(kTagId, tagId) && child.getText(kValue, value)) records.set(tagId, std::move(value));
  });
}

void readPhotos(XmlElement element, PhotoList& photos) {
  photos.clear(false);
  IdsRead ids;
  forEachChild(element, kPhoto, [&](XmlElement child) {
    int32_t id = 0;
    int32_t format = 0;
    if (!child.getInt(kId, id) || !child.getInt(kFormat, format)) return;
    const ImageType type = imageTypeFromCode(format);
    if (!isPhotoType(type) || id <= 0 || !ids.take(id)) return;
    photos.addExisting(type, id);
  });
  photos.setNextId(raisedNextId(element, photos.nextId(), ids.largest()));
}

std::vector<Date> wearDays(const std::wstring& text) {
  std::vector<Date> days;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = std::min(text.find(L' ', at), text.size());
    Date day;
    if (day.parseText(std::wstring_view(text).substr(at, end - at))) days.push_back(day);
    at = end + 1;
  }
  return days;
}

void readWorn(XmlElement parent, WearDates& worn) {
  worn.clear();
  std::wstring dates;
  if (const XmlElement element = parent.firstChild(kWorn)) element.getText(kDates, dates);
  worn.assign(wearDays(dates));
}

std::wstring wornText(const WearDates& worn) {
  std::wstring text;
  for (const Date day : worn.days()) text += (text.empty() ? L"" : L" ") + day.toText();
  return text;
}

void readItems(XmlElement element, ItemList& items, const LocalClock& clock) {
  items.clear(false);
  IdsRead ids;
  forEachChild(element, kItem, [&](XmlElement child) {
    int32_t id = 0;
    std::wstring name;
    std::wstring dateText;
    if (!child.getInt(kId, id) || !child.getText(kDateAdded, dateText)) return;
    if (!child.getText(kName, name)) name = kUnnamedItemName;
    if (id <= 0 || !ids.take(id)) return;
    Item* item = items.add(std::move(name), id);
    DateTime dateAdded;
    if (!dateAdded.parseText(dateText)) dateAdded = DateTime::now(clock);
    item->setDateAdded(dateAdded);
    if (const XmlElement photos = child.firstChild(kPhotos)) readPhotos(photos, item->photos());
    if (const XmlElement records = child.firstChild(kRecords)) readRecords(records, item->records());
    readWorn(child, item->worn());
  });
  items.setNextId(raisedNextId(element, items.nextId(), ids.largest()));
}

void readTags(XmlElement element, TagList& tags) {
  tags.clear();
  int64_t largest = 0;
  forEachChild(element, kTag, [&](XmlElement child) {
    int32_t id = 0;
    std::wstring name;
    if (!child.getInt(kId, id) || !child.getText(kName, name) || id <= 0) return;
    tags.add(std::move(name), id);
    largest = std::max<int64_t>(largest, id);
  });
  tags.setNextId(raisedNextId(element, tags.nextId(), largest));
}

void readCollections(XmlElement element, CollectionList& collections, const LocalClock& clock) {
  collections.clear(false);
  int32_t hotId = 0;
  if (element.getInt(kHotId, hotId)) collections.setHotId(hotId);
  IdsRead ids;
  forEachChild(element, kCollection, [&](XmlElement child) {
    int32_t id = 0;
    std::wstring name;
    if (!child.getInt(kId, id) || !child.getText(kName, name) || id <= 0 || !ids.take(id)) return;
    Collection* collection = collections.add(std::move(name), id);
    if (const XmlElement tags = child.firstChild(kTags)) readTags(tags, collection->tags());
    if (const XmlElement items = child.firstChild(kItems)) readItems(items, collection->items(), clock);
  });
  collections.setNextId(raisedNextId(element, collections.nextId(), ids.largest()));
}

void readCombinations(XmlElement element, Wardrobe& wardrobe, const LocalClock& clock) {
  CombinationList& combinations = wardrobe.combinations();
  combinations.clear();
  IdsRead ids;
  forEachChild(element, kCombination, [&](XmlElement child) {
    int32_t id = 0;
    std::wstring name;
    if (!child.getInt(kId, id) || !child.getText(kName, name) || id <= 0 || !ids.take(id)) return;
    Combination* combination = combinations.add(std::move(name), id);
    std::wstring text;
    DateTime created;
    child.getText(kCreated, text);
    if (!created.parseText(text)) created = DateTime::now(clock);
    combination->setCreated(created);
    DateTime changed;
    text.clear();
    if (!child.getText(kChanged, text) || !changed.parseText(text)) changed = created;
    combination->setChanged(changed);
    forEachChild(child, kItemRef, [&](XmlElement ref) {
      int32_t collectionId = 0;
      int32_t itemId = 0;
      if (!ref.getInt(kCollectionId, collectionId) || !ref.getInt(kItemId, itemId)) return;
      for (const auto& collection : wardrobe.collections().collections()) {
        if (collection->id() != collectionId) continue;
        for (const auto& item : collection->items().items())
          if (item->id() == itemId) combination->insertItem(item.get());
      }
    });
    readWorn(child, combination->worn());
  });
  combinations.setNextId(raisedNextId(element, combinations.nextId(), ids.largest()));
}

}  // namespace

bool referenceReadWardrobe(std::wstring_view path, Wardrobe& wardrobe, const LocalClock& clock) {
  XmlDocument document;
  if (!isFile(path) || !document.load(path)) return false;
  const XmlElement root = document.root();
  std::wstring version;
  std::wstring xmlns;
  if (!root.nameIs(kRoot) || !root.getText(kVersion, version) || version != kVersionValue ||
      !root.getText(kXmlns, xmlns) || xmlns != kWardrobeNamespace)
    return false;
  if (const XmlElement properties = root.firstChild(kProperties)) {
    int32_t id = 0;
    if (!properties.getInt(kWardrobeId, id)) return false;
    wardrobe.setWardrobeId(id);
    std::wstring name;
    properties.getText(kWardrobeName, name);
    wardrobe.setName(std::move(name));
  }
  if (const XmlElement collections = root.firstChild(kCollections))
    readCollections(collections, wardrobe.collections(), clock);
  if (const XmlElement combinations = root.firstChild(kCombinations)) readCombinations(combinations, wardrobe, clock);
  wardrobe.setFilePath(std::wstring(path));
  wardrobe.setFolder(pathFolder(path));
  if (wardrobe.name().empty()) wardrobe.setName(pathStem(path));
  return true;
}

bool referenceWriteWardrobe(const Wardrobe& wardrobe, std::wstring_view path) {
  XmlDocument document;
  XmlElement root = document.createWithRoot(kRoot);
  root.setText(kVersion, kVersionValue);
  root.setText(kXmlns, kWardrobeNamespace);
  XmlElement properties = root.appendChild(kProperties);
  properties.setInt(kWardrobeId, wardrobe.wardrobeId());
  properties.setText(kWardrobeName, wardrobe.name());
  const CollectionList& list = wardrobe.collections();
  XmlElement collections = root.appendChild(kCollections);
  collections.setInt(kNextId, list.nextId());
  collections.setInt(kHotId, list.hotId());
  for (const auto& c : list.collections()) {
    XmlElement collection = collections.appendChild(kCollection);
    collection.setInt(kId, c->id());
    collection.setText(kName, c->name());
    XmlElement tags = collection.appendChild(kTags);
    tags.setInt(kNextId, c->tags().nextId());
    for (const auto& t : c->tags().tags()) {
      XmlElement tag = tags.appendChild(kTag);
      tag.setInt(kId, t->id());
      tag.setText(kName, t->name());
    }
    XmlElement items = collection.appendChild(kItems);
    items.setInt(kNextId, c->items().nextId());
    for (const auto& i : c->items().items()) {
      XmlElement item = items.appendChild(kItem);
      item.setInt(kId, i->id());
      item.setText(kName, i->name());
      item.setText(kDateAdded, i->dateAdded().toText());
      XmlElement photos = item.appendChild(kPhotos);
      photos.setInt(kNextId, i->photos().nextId());
      for (const auto& p : i->photos().photos()) {
        XmlElement photo = photos.appendChild(kPhoto);
        photo.setInt(kId, p->id());
        photo.setInt(kFormat, static_cast<int32_t>(p->format()));
      }
      XmlElement records = item.appendChild(kRecords);
      for (const Record& r : i->records()) {
        if (!r.isStorable()) continue;
        XmlElement record = records.appendChild(kRecord);
        record.setInt(kTagId, r.tagId());
        record.setText(kValue, r.value());
      }
      if (!i->worn().empty()) item.appendChild(kWorn).setText(kDates, wornText(i->worn()));
    }
  }
  const CombinationList& combinationList = wardrobe.combinations();
  if (combinationList.count() > 0 || combinationList.nextId() > 1) {
    XmlElement combinations = root.appendChild(kCombinations);
    combinations.setInt(kNextId, combinationList.nextId());
    for (const auto& c : combinationList.combinations()) {
      XmlElement combination = combinations.appendChild(kCombination);
      combination.setInt(kId, c->id());
      combination.setText(kName, c->name());
      combination.setText(kCreated, c->created().toText());
      combination.setText(kChanged, c->changed().toText());
      for (const Item* i : c->items()) {
        XmlElement ref = combination.appendChild(kItemRef);
        ref.setInt(kCollectionId, i->owner()->collection()->id());
        ref.setInt(kItemId, i->id());
      }
      if (!c->worn().empty()) combination.appendChild(kWorn).setText(kDates, wornText(c->worn()));
    }
  }
  return document.save(path);
}

}  // namespace tavoro::test
