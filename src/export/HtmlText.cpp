#include "HtmlText.h"

namespace tavoro {

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

bool isSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

void appendHtml(std::wstring& out, std::wstring_view text) {
  for (wchar_t c : text) {
    switch (c) {
      case L'&': out += L"&amp;"; break;
      case L'<': out += L"&lt;"; break;
      case L'>': out += L"&gt;"; break;
      case L'"': out += L"&quot;"; break;
      case L'\'': out += L"&#39;"; break;
      case L'\t':
      case L'\n':
      case L'\r': out += c; break;
      default:
        if (c < 0x20 || c == 0x7F || isSurrogate(c) || static_cast<unsigned long>(c) > 0x10FFFF)
          out += kReplacement;
        else
          out += c;
    }
  }
}

std::wstring htmlEscaped(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  appendHtml(out, text);
  return out;
}

std::wstring withValidCharacters(std::wstring_view text) {
  std::wstring out(text);
  for (wchar_t& c : out)
    if (isSurrogate(c) || static_cast<unsigned long>(c) > 0x10FFFF) c = kReplacement;
  return out;
}

}  // namespace tavoro
