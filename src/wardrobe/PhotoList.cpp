#include "PhotoList.h"

#include <atomic>

#include "Item.h"
#include "ItemNames.h"
#include "ListRules.h"
#include "PhotoNames.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"

namespace tavoro {

namespace {

std::atomic<int32_t> g_nextSerial{1};

// The folders on the way to folder that do not exist yet, outermost first,
// so that a failed copy can take away exactly what it made.
std::vector<std::wstring> missingFolders(std::wstring folder) {
  std::vector<std::wstring> missing;
  while (!folder.empty() && folder.back() == L'/') folder.pop_back();
  while (!folder.empty() && folder != L"/" && !pathExists(folder)) {
    missing.insert(missing.begin(), folder);
    folder = pathFolder(folder);
  }
  return missing;
}

void removeEmptyFolders(const std::vector<std::wstring>& folders) {
  for (auto it = folders.rbegin(); it != folders.rend(); ++it) removeEmptyFolder(*it);
}

}  // namespace

Photo::Photo(PhotoList* owner, int32_t id, ImageType format)
    : m_owner(owner), m_id(id), m_format(format), m_serial(g_nextSerial.fetch_add(1)) {}

std::wstring Photo::filePath() const {
  if (!isPhotoType(m_format) || m_id <= 0 || !m_owner || !m_owner->item()) return {};
  return filePathIn(m_owner->item()->namedPhotoFolder());
}

std::wstring Photo::filePathIn(std::wstring_view itemFolder) const {
  return filePathIn(itemFolder, m_id, m_format);
}

std::wstring Photo::filePathIn(std::wstring_view itemFolder, int32_t id, ImageType format) {
  if (!isPhotoType(format) || id <= 0 || itemFolder.empty()) return {};
  return joinLexical(itemFolder, numberedName(L'P', id) + extensionOf(format, true));
}

bool Photo::deleteFile() const {
  const std::wstring path = filePath();
  return !path.empty() && isFile(path) && removeFile(path);
}

Photo* PhotoList::addFromFile(std::wstring_view path) {
  const ImageType type = typeFromExtension(path);
  if (!isPhotoType(type)) return nullptr;
  int32_t id = 0;
  if (!takeNextId(m_nextId, id)) return nullptr;
  auto photo = std::make_unique<Photo>(this, id, type);
  std::wstring target = photo->filePath();
  if (target.empty()) return nullptr;

  const std::vector<std::wstring> made = missingFolders(pathFolder(target));
  if (!createFolders(pathFolder(target))) {
    removeEmptyFolders(made);
    return nullptr;
  }
  // A file at the target was left by another writer or an interrupted
  // import: it is never overwritten, and the next id is tried instead (also
  // when the file appears between the test and the copy).
  for (;;) {
    if (!pathExists(target) && copyFileNoOverwrite(path, target)) break;
    if (!pathExists(target) || !takeNextId(m_nextId, id)) {
      // Only the folders made for this attempt go, and only while empty.
      removeEmptyFolders(made);
      return nullptr;
    }
    photo = std::make_unique<Photo>(this, id, type);
    target = photo->filePath();
  }
  m_photos.push_back(std::move(photo));
  if (m_photos.size() == 1 && m_item) m_item->setName(itemNameFromPhotoFile(path));
  return m_photos.back().get();
}

bool PhotoList::hasIdLeft() const { return tavoro::hasIdLeft(m_nextId); }

Photo* PhotoList::addExisting(ImageType format, int32_t id) {
  if (!isPhotoType(format) || id <= 0) return nullptr;
  m_photos.push_back(std::make_unique<Photo>(this, id, format));
  return m_photos.back().get();
}

void PhotoList::clear(bool deleteFiles) {
  if (deleteFiles)
    for (const auto& photo : m_photos) photo->deleteFile();
  m_photos.clear();
}

}  // namespace tavoro
