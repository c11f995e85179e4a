// The version line of the About box, made from the product version as the
// version information stores it ("major, minor, patch, build").
// Thread-safe.
#pragma once

#include <string>
#include <string_view>

namespace tavoro::ui {

// "Version 2.3.0  (Build 2040)" for "2, 3, 0, 2040": the text split at every
// "." or ",", each of exactly four parts trimmed and read as a decimal
// integer. Empty text for any other number of parts or a part that is not an
// integer.
std::wstring aboutVersionText(std::wstring_view productVersion);

}  // namespace tavoro::ui
