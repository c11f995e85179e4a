// The file names inside a web catalogue. Built from ids and a plain ASCII
// slug of the name, so that any collection or item name (slashes, dots,
// quotes, letters of any script) gives a safe, portable file name.
// Thread-safe (pure functions).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavoro {

// Lower-case ASCII letters and digits of the name, every other run of
// characters one "-", at most 40 characters, no "-" at either end; empty
// text when nothing is left.
std::wstring nameSlug(std::wstring_view name);

// "collection-12-summer-shirts.html" (or "collection-12.html").
std::wstring collectionPageName(int32_t collectionId, std::wstring_view name);

// "pictures/12/340-1-small.jpg" and "...-large.jpg", relative to the catalogue.
std::wstring pictureName(int32_t collectionId, int32_t itemId, int32_t photoId, bool large);
// "originals/12/340-1.jpg" for a copy of the photo itself.
std::wstring originalName(int32_t collectionId, int32_t itemId, int32_t photoId, std::wstring_view extension);

}  // namespace tavoro
