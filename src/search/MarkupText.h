// The highlight markup's text: HTML-style escapes for plain text and the
// colour elements the search engine writes. Thread-safe (pure functions).
#pragma once

#include <string>
#include <string_view>

namespace tavoro {

// A matched stretch: text on a yellow background (255, 235, 100).
inline constexpr std::wstring_view kHighlightOpen = L"<color bg=#FFEB64>";
// The tag-name prefix of a detail line: grey text (130, 138, 153).
inline constexpr std::wstring_view kTagNameOpen = L"<color fg=#828A99>";
inline constexpr std::wstring_view kColorClose = L"</color>";

// "&" -> "&amp;", '"' -> "&quot;", "<" -> "&lt;", ">" -> "&gt;",
// space -> "&nbsp;", line feed -> "<br>".
std::wstring escapeMarkupText(std::wstring_view text);
void appendEscaped(std::wstring& out, wchar_t c);

// The reverse: "<br>", "&nbsp;", "&lt;", "&gt;", "&quot;" and "&amp;" back
// to their characters; anything else stays as it is.
std::wstring unescapeMarkupText(std::wstring_view text);

}  // namespace tavoro
