// Text made safe for an HTML page: the characters that mean markup escaped,
// and what valid UTF-8 and HTML cannot carry replaced. Thread-safe (pure).
#pragma once

#include <string>
#include <string_view>

namespace tavoro {

// Appends text with &, <, >, " and ' escaped, so that it is the same text in
// element content and in quoted attribute values. Lone surrogates (file names
// that were not valid UTF-8) and control characters other than tab, line feed
// and carriage return become U+FFFD.
void appendHtml(std::wstring& out, std::wstring_view text);
std::wstring htmlEscaped(std::wstring_view text);

// A character that valid UTF-8 cannot hold (a lone surrogate) becomes U+FFFD.
std::wstring withValidCharacters(std::wstring_view text);

}  // namespace tavoro
