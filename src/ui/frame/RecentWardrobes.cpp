#include "ui/frame/RecentWardrobes.h"

#include <algorithm>

#include "platform/PathOps.h"

namespace tavoro::ui {

void addRecentWardrobe(std::vector<std::wstring>& list, std::wstring_view path) {
  removeRecentWardrobe(list, path);
  list.insert(list.begin(), std::wstring(path));
}

void removeRecentWardrobe(std::vector<std::wstring>& list, std::wstring_view path) {
  std::erase_if(list, [path](const std::wstring& entry) { return samePath(entry, path); });
}

}  // namespace tavoro::ui
