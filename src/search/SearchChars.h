// The program's white-space, letter and lowering classes with a table for
// U+0000..U+00FF, where almost every searched character lies. The table is
// filled from platform/CharClass.h, so both always agree. Thread-safe.
#pragma once

#include <string>

#include "platform/CharClass.h"

namespace tavoro::search {

struct Latin1Table {
  bool space[256];
  bool letter[256];
  wchar_t lower[256];
};

const Latin1Table& latin1Table();

inline bool isSearchSpace(wchar_t c) {
  return static_cast<unsigned long>(c) < 256 ? latin1Table().space[c] : isSpace(c);
}

inline bool isSearchLetter(wchar_t c) {
  return static_cast<unsigned long>(c) < 256 ? latin1Table().letter[c] : isLetter(c);
}

inline wchar_t searchLower(wchar_t c) {
  return static_cast<unsigned long>(c) < 256 ? latin1Table().lower[c] : toLower(c);
}

// A bracket-expression body (without the brackets) that names exactly the
// characters of U+0000..U+FFFF that isSpace accepts, for regular expressions
// whose "\s" must mean the program's white space rather than the regex
// library's idea of it.
const std::wstring& whiteSpaceClassPattern();

}  // namespace tavoro::search
