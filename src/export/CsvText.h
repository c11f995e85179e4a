// Fields of a CSV file as RFC 4180 has them, made safe for spreadsheet
// programs. Thread-safe (pure functions).
#pragma once

#include <string>
#include <string_view>

namespace tavoro {

// Appends the field in UTF-8: in double quotes, with quotes doubled, when it
// holds a comma, a double quote, a line feed or a carriage return. A text
// that a spreadsheet would take for a formula (starting with =, +, -, @, a
// tab or a carriage return) gets a leading apostrophe first, so that it is
// shown as the text it is and never run.
void appendCsvText(std::string& line, std::wstring_view text);
// A number, as is.
void appendCsvNumber(std::string& line, long long value);

}  // namespace tavoro
