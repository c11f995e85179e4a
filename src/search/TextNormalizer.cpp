#include "TextNormalizer.h"

#include "SearchChars.h"

namespace tavoro {

void normalizeTextInto(std::wstring_view text, std::wstring& out, std::vector<size_t>* map) {
  // Written through raw pointers into buffers sized for the longest result:
  // the search run normalises every candidate text for every term.
  const search::Latin1Table& table = search::latin1Table();
  out.resize(text.size());
  wchar_t* written = out.data();
  size_t* from = nullptr;
  if (map) {
    map->resize(text.size() + 1);
    from = map->data();
  }
  size_t count = 0;
  bool lastIsSpace = true;  // at the start, as after a space, white space writes nothing
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    const bool latin1 = static_cast<unsigned long>(c) < 256;
    if (latin1 ? table.space[c] : isSpace(c)) {
      if (lastIsSpace) continue;
      written[count] = L' ';
      lastIsSpace = true;
    } else {
      // Lowering one character at a time equals lowering the finished text:
      // no character lowers to white space.
      written[count] = latin1 ? table.lower[c] : toLower(c);
      lastIsSpace = false;
    }
    if (from) from[count] = i;
    ++count;
  }
  if (count > 0 && lastIsSpace) --count;  // a trailing space goes, with its map entry
  out.resize(count);
  if (map) {
    (*map)[count] = text.size();
    map->resize(count + 1);
  }
}

std::wstring normalizeText(std::wstring_view text, std::vector<size_t>* map) {
  std::wstring out;
  normalizeTextInto(text, out, map);
  return out;
}

}  // namespace tavoro
