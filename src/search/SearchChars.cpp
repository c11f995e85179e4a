#include "SearchChars.h"

#include <cstdio>

namespace tavoro::search {

const Latin1Table& latin1Table() {
  static const Latin1Table table = [] {
    Latin1Table t{};
    for (int c = 0; c < 256; ++c) {
      const auto ch = static_cast<wchar_t>(c);
      t.space[c] = isSpace(ch);
      t.letter[c] = isLetter(ch);
      t.lower[c] = toLower(ch);
    }
    return t;
  }();
  return table;
}

namespace {

std::wstring hexEscape(unsigned c) {
  wchar_t buffer[16];
  std::swprintf(buffer, 16, L"\\x{%x}", c);
  return buffer;
}

}  // namespace

const std::wstring& whiteSpaceClassPattern() {
  // No character above U+FFFF is white space, so the BMP is all there is.
  static const std::wstring pattern = [] {
    std::wstring out;
    unsigned c = 0;
    while (c <= 0xFFFF) {
      if (!isSpace(static_cast<wchar_t>(c))) {
        ++c;
        continue;
      }
      unsigned last = c;
      while (last + 1 <= 0xFFFF && isSpace(static_cast<wchar_t>(last + 1))) ++last;
      out += hexEscape(c);
      if (last > c) out += L"-" + hexEscape(last);
      c = last + 1;
    }
    return out;
  }();
  return pattern;
}

}  // namespace tavoro::search
