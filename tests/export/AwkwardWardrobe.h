// A small wardrobe on disk whose names are as awkward as a user may make
// them: quotes, commas, new lines, markup, formula-like text, non-Latin
// letters, "..". Its photos are real files: JPEGs (one with an EXIF
// thumbnail, one stored sideways), a BMP, and one photo whose file is gone.
#pragma once

#include <string>
#include <vector>

namespace tavoro::test {

// Awkward texts used as collection, tag, item names and values.
extern const std::vector<std::wstring> kAwkwardTexts;

// Writes the wardrobe into folder (made when missing) and returns its file.
std::wstring makeAwkwardWardrobe(const std::wstring& folder);

}  // namespace tavoro::test
