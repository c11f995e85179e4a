// The working list of recent wardrobe files, newest first, with no length
// limit: a path moves to the front when its wardrobe is opened or saved and
// leaves the list when opening it fails. Two spellings of one path are one
// entry. User-interface thread only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavoro::ui {

void addRecentWardrobe(std::vector<std::wstring>& list, std::wstring_view path);
void removeRecentWardrobe(std::vector<std::wstring>& list, std::wstring_view path);

}  // namespace tavoro::ui
