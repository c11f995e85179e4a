#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "ItemNames.h"
#include "WardrobeFile.h"
#include "WardrobeSchema.h"
#include "XmlDocument.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/SaveTemporaries.h"

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
// says (when it says anything readable), or past the largest id read. Kept
// within 32 bits even when the file holds the largest id there is.
int32_t raisedNextId(XmlElement list, int32_t current, int64_t largestId) {
  int32_t stored = current;
  list.getInt(kNextId, stored);
  const int64_t next = std::max<int64_t>({current, stored, largestId + 1});
  return static_cast<int32_t>(std::min<int64_t>(next, INT32_MAX));
}

// The ids a list has taken while it is read. A repeated id is read once (the
// first child wins): two collections, items or photos with one id would share
// one folder or file, and deleting one would delete the other's photos.
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

// A list whose next_id is missing or damaged is read all the same, its
// counter then coming from the ids read: one bad attribute must not empty a
// list, which the next save would make for good.
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

void readItems(XmlElement element, ItemList& items, const LocalClock& clock) {
  items.clear(false);
  IdsRead ids;
  forEachChild(element, kItem, [&](XmlElement child) {
    int32_t id = 0;
    std::wstring name;
    std::wstring dateText;
    if (!child.getInt(kId, id) || !child.getText(kDateAdded, dateText)) return;
    // Older versions wrote no name for a photo file named only ".jpg": the
    // item and its photos are kept.
    if (!child.getText(kName, name)) name = kUnnamedItemName;
    if (id <= 0 || !ids.take(id)) return;
    Item* item = items.add(std::move(name), id);
    DateTime dateAdded;
    if (!dateAdded.parseText(dateText)) dateAdded = DateTime::now(clock);
    item->setDateAdded(dateAdded);
    if (const XmlElement photos = child.firstChild(kPhotos)) readPhotos(photos, item->photos());
    if (const XmlElement records = child.firstChild(kRecords)) readRecords(records, item->records());
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

// The root of a document that is ours: the wardrobe element with our
// version and namespace. None otherwise.
XmlElement wardrobeRoot(const XmlDocument& document) {
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
  if (!isFile(path) || !document.load(path)) return false;
  const XmlElement root = wardrobeRoot(document);
  if (!root) return false;

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

  wardrobe.setFilePath(std::wstring(path));
  wardrobe.setFolder(pathFolder(path));
  if (wardrobe.name().empty()) wardrobe.setName(pathStem(path));
  removeStaleSaveTemporaries(path);  // left beside the file by a save that was killed
  return true;
}

std::wstring readWardrobeName(std::wstring_view path) {
  // The recent list asks this of every file it shows: only the head of the
  // file is read, as far as Properties.
  XmlDocument document;
  if (!isFile(path) || !document.loadHead(path, kProperties)) return {};
  const XmlElement root = wardrobeRoot(document);
  std::wstring name;
  if (const XmlElement properties = root.firstChild(kProperties)) properties.getText(kWardrobeName, name);
  return name;
}

}  // namespace tavoro
