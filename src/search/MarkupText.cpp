#include "MarkupText.h"

#include <array>
#include <utility>

namespace tavoro {

void appendEscaped(std::wstring& out, wchar_t c) {
  switch (c) {
    case L'&':
      out += L"&amp;";
      break;
    case L'"':
      out += L"&quot;";
      break;
    case L'<':
      out += L"&lt;";
      break;
    case L'>':
      out += L"&gt;";
      break;
    case L' ':
      out += L"&nbsp;";
      break;
    case L'\n':
      out += L"<br>";
      break;
    default:
      out.push_back(c);
  }
}

std::wstring escapeMarkupText(std::wstring_view text) {
  // One pass gives what the chain of replace-alls gives: each replacement
  // brings in only characters whose own replacement has already run.
  std::wstring out;
  out.reserve(text.size() + text.size() / 4);
  for (wchar_t c : text) appendEscaped(out, c);
  return out;
}

std::wstring unescapeMarkupText(std::wstring_view text) {
  // One left-to-right pass equals replacing "<br>", "&nbsp;", "&lt;",
  // "&gt;", "&quot;" and "&amp;" one after the other: no two escapes can
  // overlap, and no step yields a character that a later escape of the
  // chain contains (they all begin with "&", which only the last yields).
  static constexpr std::array<std::pair<std::wstring_view, wchar_t>, 6> kEscapes = {{
      {L"<br>", L'\n'},
      {L"&nbsp;", L' '},
      {L"&lt;", L'<'},
      {L"&gt;", L'>'},
      {L"&quot;", L'"'},
      {L"&amp;", L'&'},
  }};
  std::wstring out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const wchar_t c = text[i];
    bool replaced = false;
    if (c == L'<' || c == L'&') {
      for (const auto& [escape, plain] : kEscapes) {
        if (text.substr(i, escape.size()) == escape) {
          out.push_back(plain);
          i += escape.size();
          replaced = true;
          break;
        }
      }
    }
    if (!replaced) {
      out.push_back(c);
      ++i;
    }
  }
  return out;
}

}  // namespace tavoro
