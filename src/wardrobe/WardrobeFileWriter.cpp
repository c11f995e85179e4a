#include "WardrobeFile.h"
#include "WardrobeSchema.h"
#include "XmlStreamWriter.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"

namespace tavoro {

namespace {

using namespace schema;

// Each item is written whole: it and its photos and records are the only
// elements that exist at a time, however large the wardrobe.
void writeItem(const Item& item, XmlStreamWriter& out) {
  XmlElement element = out.element(kItem);
  element.setInt(kId, item.id());
  element.setText(kName, item.name());
  element.setText(kDateAdded, item.dateAdded().toText());

  XmlElement photos = element.appendChild(kPhotos);
  photos.setInt(kNextId, item.photos().nextId());
  for (const auto& photo : item.photos().photos()) {
    XmlElement p = photos.appendChild(kPhoto);
    p.setInt(kId, photo->id());
    p.setInt(kFormat, static_cast<int32_t>(photo->format()));
  }

  XmlElement records = element.appendChild(kRecords);
  for (const Record& record : item.records()) {
    if (!record.isStorable()) continue;
    XmlElement r = records.appendChild(kRecord);
    r.setInt(kTagId, record.tagId());
    r.setText(kValue, record.value());
  }
}

void writeCollection(const Collection& collection, XmlStreamWriter& out) {
  XmlElement element = out.open(kCollection);
  element.setInt(kId, collection.id());
  element.setText(kName, collection.name());

  out.open(kTags).setInt(kNextId, collection.tags().nextId());
  for (const auto& tag : collection.tags().tags()) {
    XmlElement t = out.element(kTag);
    t.setInt(kId, tag->id());
    t.setText(kName, tag->name());
  }
  out.close();

  out.open(kItems).setInt(kNextId, collection.items().nextId());
  for (const auto& item : collection.items().items()) writeItem(*item, out);
  out.close();
  out.close();
}

void writeDocument(Wardrobe& wardrobe, XmlStreamWriter& out) {
  XmlElement root = out.open(kRoot);
  root.setText(kVersion, kVersionValue);
  root.setText(kXmlns, kWardrobeNamespace);

  XmlElement properties = out.element(kProperties);
  properties.setInt(kWardrobeId, wardrobe.wardrobeId());
  properties.setText(kWardrobeName, wardrobe.name());

  const CollectionList& list = wardrobe.collections();
  XmlElement collections = out.open(kCollections);
  collections.setInt(kNextId, list.nextId());
  collections.setInt(kHotId, list.hotId());
  for (const auto& collection : list.collections()) writeCollection(*collection, out);
  out.close();
  out.close();
}

}  // namespace

bool writeWardrobe(Wardrobe& wardrobe) {
  const std::wstring path = wardrobe.wardrobeFilePath();
  if (path.empty()) return false;
  const std::wstring folder = wardrobe.folder().empty() ? pathFolder(path) : wardrobe.folder();
  if (!createFolders(folder)) return false;
  return XmlStreamWriter::writeFile(path, [&](XmlStreamWriter& out) { writeDocument(wardrobe, out); });
}

}  // namespace tavoro
