#include "Collection.h"

#include "CollectionList.h"
#include "PhotoNames.h"
#include "Wardrobe.h"
#include "platform/PathOps.h"

namespace tavoro {

std::wstring Collection::photoFolder() const {
  const std::wstring named = namedPhotoFolder();
  return named.empty() ? named : normalizePath(named);
}

std::wstring Collection::namedPhotoFolder() const {
  if (m_id <= 0 || !m_owner || !m_owner->wardrobe()) return {};
  const std::wstring folder = m_owner->wardrobe()->namedPhotoFolder();
  if (folder.empty()) return {};
  return joinLexical(folder, numberedName(L'C', m_id));
}

void Collection::clearAllRecords() {
  for (const auto& item : m_items.items()) item->clearRecords();
}

}  // namespace tavoro
