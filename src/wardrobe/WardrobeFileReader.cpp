#include <algorithm>
#include <cstdint>

#include "WardrobeFile.h"
#include "WardrobeSchema.h"
#include "XmlDocument.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"

namespace tavoro {

namespace {

using namespace schema;

// Calls read for every child named name, from the first of them on; elements
// of other names in between are passed over.
template <typename Read>
void forEachChild(XmlElement list, const char* name, Read read) {
  for (XmlElement child = list.firstChild(name); child; child = child.nextSibling())
    if (child.nameIs(name)) read(child);
}

// A list's counter after reading: never below what it was, what the file
// says, or past the largest id read. Kept within 32 bits even when the file
// holds the largest id there is.
int32_t raisedNextId(int32_t current, int32_t stored, int64_t largestId) {
  const int64_t next = std::max<int64_t>({current, stored, largestId + 1});
  return static_cast<int32_t>(std::min<int64_t>(next, INT32_MAX));
}

void readRecords(XmlElement element, RecordList& records) {
  records.clear();
  forEachChild(element, kRecord, [&](XmlElement child) {
    int32_t tagId = 0;
    std::wstring value;
    if (child.getInt(kTagId, tagId) && child.getText(kValue, value)) records.set(tagId, std::move(value));
  });
}

bool readPhotos(XmlElement element, PhotoList& photos) {
  photos.clear(false);
  int32_t stored = 0;
  if (!element.getInt(kNextId, stored)) return false;
  int64_t largest = 0;
  forEachChild(element, kPhoto, [&](XmlElement child) {
    int32_t id = 0;
    int32_t format = 0;
    if (!child.getInt(kId, id) || !child.getInt(kFormat, format)) return;
    if (photos.addExisting(imageTypeFromCode(format), id)) largest = std::max<int64_t>(largest, id);
  });
  photos.setNextId(raisedNextId(photos.nextId(), stored, largest));
  return true;
}

bool readItems(XmlElement element, ItemList& items, const LocalClock& clock) {
  items.clear(false);
  int32_t stored = 0;
  if (!element.getInt(kNextId, stored)) return false;
  int64_t largest = 0;
  forEachChild(element, kItem, [&](XmlElement child) {
    int32_t id = 0;
    std::wstring name;
    std::wstring dateText;
    if (!child.getInt(kId, id) || !child.getText(kName, name) || !child.getText(kDateAdded, dateText)) return;
    Item* item = items.add(std::move(name), id);
    if (!item) return;
    largest = std::max<int64_t>(largest, id);
    DateTime dateAdded;
    if (!dateAdded.parseText(dateText)) dateAdded = DateTime::now(clock);
    item->setDateAdded(dateAdded);
    const XmlElement photos = child.firstChild(kPhotos);
    if (!photos || readPhotos(photos, item->photos()))
      if (const XmlElement records = child.firstChild(kRecords)) readRecords(records, item->records());
  });
  items.setNextId(raisedNextId(items.nextId(), stored, largest));
  return true;
}

bool readTags(XmlElement element, TagList& tags) {
  tags.clear();
  int32_t stored = 0;
  if (!element.getInt(kNextId, stored)) return false;
  int64_t largest = 0;
  forEachChild(element, kTag, [&](XmlElement child) {
    int32_t id = 0;
    std::wstring name;
    if (!child.getInt(kId, id) || !child.getText(kName, name) || id <= 0) return;
    tags.add(std::move(name), id);
    largest = std::max<int64_t>(largest, id);
  });
  tags.setNextId(raisedNextId(tags.nextId(), stored, largest));
  return true;
}

bool readCollections(XmlElement element, CollectionList& collections, const LocalClock& clock) {
  collections.clear(false);
  int32_t stored = 0;
  if (!element.getInt(kNextId, stored)) return false;
  int32_t hotId = 0;
  if (element.getInt(kHotId, hotId)) collections.setHotId(hotId);
  int64_t largest = 0;
  forEachChild(element, kCollection, [&](XmlElement child) {
    int32_t id = 0;
    std::wstring name;
    if (!child.getInt(kId, id) || !child.getText(kName, name) || id <= 0) return;
    Collection* collection = collections.add(std::move(name), id);
    largest = std::max<int64_t>(largest, id);
    const XmlElement tags = child.firstChild(kTags);
    if (!tags || readTags(tags, collection->tags()))
      if (const XmlElement items = child.firstChild(kItems)) readItems(items, collection->items(), clock);
  });
  collections.setNextId(raisedNextId(collections.nextId(), stored, largest));
  return true;
}

// The root of a file that is ours: an existing file that parses, whose root
// is the wardrobe element with our version and namespace. None otherwise.
XmlElement openWardrobeDocument(std::wstring_view path, XmlDocument& document) {
  if (!isFile(path) || !document.load(path)) return {};
  const XmlElement root = document.root();
  std::wstring version;
  std::wstring xmlns;
  if (!root.nameIs(kRoot) || !root.getText(kVersion, version) || version != kVersionValue ||
      !root.getText(kXmlns, xmlns) || xmlns != kWardrobeNamespace)
    return {};
  return root;
}

}  // namespace

bool readWardrobe(std::wstring_view path, Wardrobe& wardrobe) {
  return readWardrobe(path, wardrobe, LocalClock::system());
}

bool readWardrobe(std::wstring_view path, Wardrobe& wardrobe, const LocalClock& clock) {
  XmlDocument document;
  const XmlElement root = openWardrobeDocument(path, document);
  if (!root) return false;

  if (const XmlElement properties = root.firstChild(kProperties)) {
    int32_t id = 0;
    if (!properties.getInt(kWardrobeId, id)) return false;
    wardrobe.setWardrobeId(id);
    std::wstring name;
    properties.getText(kWardrobeName, name);
    wardrobe.setName(std::move(name));
  }
  // A list that cannot be read leaves the wardrobe without collections; that
  // is repaired, not refused.
  if (const XmlElement collections = root.firstChild(kCollections))
    readCollections(collections, wardrobe.collections(), clock);

  wardrobe.setFilePath(std::wstring(path));
  wardrobe.setFolder(pathFolder(path));
  if (wardrobe.name().empty()) wardrobe.setName(pathStem(path));
  return true;
}

std::wstring readWardrobeName(std::wstring_view path) {
  XmlDocument document;
  const XmlElement root = openWardrobeDocument(path, document);
  std::wstring name;
  if (const XmlElement properties = root.firstChild(kProperties)) properties.getText(kWardrobeName, name);
  return name;
}

}  // namespace tavoro
