#include "WardrobeFile.h"
#include "WardrobeSchema.h"
#include "XmlDocument.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"

namespace tavoro {

namespace {

using namespace schema;

void writeItem(const Item& item, XmlElement items) {
  XmlElement element = items.appendChild(kItem);
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

void writeCollection(const Collection& collection, XmlElement collections) {
  XmlElement element = collections.appendChild(kCollection);
  element.setInt(kId, collection.id());
  element.setText(kName, collection.name());

  XmlElement tags = element.appendChild(kTags);
  tags.setInt(kNextId, collection.tags().nextId());
  for (const auto& tag : collection.tags().tags()) {
    XmlElement t = tags.appendChild(kTag);
    t.setInt(kId, tag->id());
    t.setText(kName, tag->name());
  }

  XmlElement items = element.appendChild(kItems);
  items.setInt(kNextId, collection.items().nextId());
  for (const auto& item : collection.items().items()) writeItem(*item, items);
}

}  // namespace

bool writeWardrobe(Wardrobe& wardrobe) {
  const std::wstring path = wardrobe.wardrobeFilePath();
  if (path.empty()) return false;
  const std::wstring folder = wardrobe.folder().empty() ? pathFolder(path) : wardrobe.folder();
  if (!createFolders(folder)) return false;

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
  for (const auto& collection : list.collections()) writeCollection(*collection, collections);

  return document.save(path);
}

}  // namespace tavoro
