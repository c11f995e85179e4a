#include "ItemNames.h"

#include "WardrobeNaming.h"

#include "platform/CharClass.h"
#include "platform/PathOps.h"

namespace tavoro {

std::wstring itemNameFromPhotoFile(std::wstring_view path) {
  const std::wstring normalized = normalizePath(trimSpace(path));
  std::wstring name = pathStem(normalized);
  // An empty name would be dropped when the wardrobe is read again.
  if (name.empty()) name = pathFileName(normalized);
  // A file name may hold what a typed name may not (a tab, a control
  // character, bytes that were not UTF-8): the photo is added all the same,
  // under a name that the wardrobe file holds and reads back unchanged.
  for (wchar_t& c : name)
    if (!isPrintableNameChar(c)) c = isSpace(c) ? L' ' : L'\uFFFD';
  return name;
}

}  // namespace tavoro
