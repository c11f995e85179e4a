#include "Item.h"

#include "Collection.h"
#include "ItemList.h"
#include "PhotoNames.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"

namespace tavoro {

std::wstring Item::photoFolder() const {
  const std::wstring named = namedPhotoFolder();
  return named.empty() ? named : normalizePath(named);
}

std::wstring Item::namedPhotoFolder() const {
  if (!m_owner || !m_owner->collection()) return {};
  const std::wstring folder = m_owner->collection()->namedPhotoFolder();
  if (folder.empty()) return {};
  return joinLexical(folder, numberedName(L'I', m_id));
}

std::wstring Item::mainPhotoPath() const {
  return m_photos.count() ? m_photos.at(0)->filePath() : std::wstring();
}

std::wstring Item::mainPhotoPathIn(std::wstring_view collectionFolder) const {
  if (!m_photos.count() || collectionFolder.empty()) return {};
  return m_photos.at(0)->filePathIn(photoFolderIn(collectionFolder, m_id));
}

std::wstring Item::photoFolderIn(std::wstring_view collectionFolder, int32_t id) {
  return joinLexical(collectionFolder, numberedName(L'I', id));
}

void Item::removeFiles(RemovalReport* report) {
  m_photos.clear(true);
  // Only what the wardrobe names goes: a file it does not name may belong to
  // someone else (another wardrobe sharing the folder through a link), so a
  // folder that still holds anything stays and is reported.
  const std::wstring folder = photoFolder();
  removeEmptyFolder(folder);
  if (report && pathExists(folder)) report->keep(folder);
  m_records.clear();
}

}  // namespace tavoro
