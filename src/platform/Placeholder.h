// Numbered placeholders: in a format text, the first "%" followed by one or
// more digits is replaced by a given text. Thread-safe.
#pragma once

#include <string>
#include <string_view>

namespace tavoro {

// The format with its first "%<digits>" replaced by text; a format without
// such a placeholder is returned unchanged.
std::wstring formatPlaceholder(std::wstring_view format, std::wstring_view text);
std::wstring formatPlaceholder(std::wstring_view format, long long number);

}  // namespace tavoro
