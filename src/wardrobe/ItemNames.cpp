#include "ItemNames.h"

#include "platform/CharClass.h"
#include "platform/PathOps.h"

namespace tavoro {

std::wstring itemNameFromPhotoFile(std::wstring_view path) {
  const std::wstring normalized = normalizePath(trimSpace(path));
  std::wstring name = pathStem(normalized);
  // An empty name would be dropped when the wardrobe is read again.
  if (name.empty()) name = pathFileName(normalized);
  return name;
}

}  // namespace tavoro
