#include "Wardrobe.h"

#include "platform/PathOps.h"

namespace tavoro {

Wardrobe::Wardrobe(std::wstring_view folder, std::wstring_view name) : m_collections(this), m_combinations(this) {
  if (!folder.empty() && !name.empty()) {
    m_folder = normalizePath(folder);
    m_name = name;
  }
}

void Wardrobe::setFolder(std::wstring_view folder) { m_folder = normalizePath(folder); }

std::wstring Wardrobe::wardrobeFilePath() {
  if (m_filePath.empty() && !m_folder.empty() && !m_name.empty())
    m_filePath = normalizePath(m_folder + L"/" + m_name + kFileExtension);
  return m_filePath;
}

std::wstring Wardrobe::photoFolder() const {
  const std::wstring named = namedPhotoFolder();
  return named.empty() ? named : normalizePath(named);
}

std::wstring Wardrobe::namedPhotoFolder() const {
  if (m_folder.empty()) return {};
  return joinLexical(m_folder, kPhotoFolderName);
}

}  // namespace tavoro
