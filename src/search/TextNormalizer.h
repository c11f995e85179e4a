// Normalising text for search: white space dropped at both ends, every inner
// run of it made one space, every character lowered; optionally with the map
// from normalised positions back to the text as given. Thread-safe.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavoro {

// map (when given) receives, for each normalised character, the index of the
// given character that produced it (a space: the first of its run), then the
// length of text, so it holds one entry more than the result has characters.
std::wstring normalizeText(std::wstring_view text, std::vector<size_t>* map = nullptr);

// The same into a caller's buffers, which keep their capacity between calls
// (the search run normalises hundreds of thousands of texts).
void normalizeTextInto(std::wstring_view text, std::wstring& out, std::vector<size_t>* map);

}  // namespace tavoro
