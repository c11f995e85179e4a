// Character classes and lowering with one fixed C.UTF-8 locale, never the
// process's global locale. Thread-safe.
#pragma once

#include <string>
#include <string_view>

namespace tavoro {

// Unicode White_Space: glibc's class plus U+0085, U+00A0, U+2007 and U+202F.
bool isSpace(wchar_t c);
bool isLetter(wchar_t c);
wchar_t toLower(wchar_t c);
std::wstring toLower(std::wstring_view text);

// The text without white space (isSpace) at both ends.
std::wstring trimSpace(std::wstring_view text);

}  // namespace tavoro
