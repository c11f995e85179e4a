#include "TextNormalizer.h"

#include "SearchChars.h"

namespace tavoro {

void normalizeTextInto(std::wstring_view text, std::wstring& out, std::vector<size_t>* map) {
  out.clear();
  if (map) map->clear();
  out.reserve(text.size());
  bool lastIsSpace = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (search::isSearchSpace(c)) {
      if (out.empty() || lastIsSpace) continue;
      out.push_back(L' ');
      lastIsSpace = true;
    } else {
      // Lowering one character at a time equals lowering the finished text:
      // no character lowers to white space.
      out.push_back(search::searchLower(c));
      lastIsSpace = false;
    }
    if (map) map->push_back(i);
  }
  if (lastIsSpace) {
    out.pop_back();
    if (map) map->pop_back();
  }
  if (map) map->push_back(text.size());
}

std::wstring normalizeText(std::wstring_view text, std::vector<size_t>* map) {
  std::wstring out;
  normalizeTextInto(text, out, map);
  return out;
}

}  // namespace tavoro
