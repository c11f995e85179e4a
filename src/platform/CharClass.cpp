#include "CharClass.h"

#include <locale.h>
#include <wctype.h>

namespace tavoro {

namespace {

// Made once and never freed: the classes must stay usable during static
// destruction, when other objects may still lower text.
locale_t utf8Locale() {
  static const locale_t locale = [] {
    locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return l ? l : newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
  }();
  return locale;
}

}  // namespace

bool isSpace(wchar_t c) {
  switch (c) {
    case 0x0085:
    case 0x00A0:
    case 0x2007:
    case 0x202F:
      return true;
    default:
      return iswspace_l(static_cast<wint_t>(c), utf8Locale()) != 0;
  }
}

bool isLetter(wchar_t c) { return iswalpha_l(static_cast<wint_t>(c), utf8Locale()) != 0; }

wchar_t toLower(wchar_t c) {
  if (c < 0x80) return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
  return static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), utf8Locale()));
}

std::wstring toLower(std::wstring_view text) {
  std::wstring out(text);
  for (wchar_t& c : out) c = toLower(c);
  return out;
}

std::wstring trimSpace(std::wstring_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isSpace(text[begin])) ++begin;
  while (end > begin && isSpace(text[end - 1])) --end;
  return std::wstring(text.substr(begin, end - begin));
}

}  // namespace tavoro
