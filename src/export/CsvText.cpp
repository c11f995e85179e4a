#include "CsvText.h"

#include "HtmlText.h"
#include "platform/Utf8.h"

namespace tavoro {

namespace {

bool looksLikeFormula(std::wstring_view text) {
  if (text.empty()) return false;
  switch (text.front()) {
    case L'=':
    case L'+':
    case L'-':
    case L'@':
    case L'\t':
    case L'\r': return true;
    default: return false;
  }
}

}  // namespace

void appendCsvText(std::string& line, std::wstring_view text) {
  std::string bytes = toUtf8(withValidCharacters(text));
  if (looksLikeFormula(text)) bytes.insert(0, 1, '\'');
  if (bytes.find_first_of(",\"\r\n") == std::string::npos) {
    line += bytes;
    return;
  }
  line += '"';
  for (char c : bytes) {
    if (c == '"') line += '"';
    line += c;
  }
  line += '"';
}

void appendCsvNumber(std::string& line, long long value) { line += std::to_string(value); }

}  // namespace tavoro
