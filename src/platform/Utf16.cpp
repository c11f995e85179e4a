#include "Utf16.h"

namespace tavoro {

namespace {

// A key that orders one code point the way its first UTF-16 unit does, with
// the rest of a surrogate pair as a tie-breaker.
unsigned long long unitKey(wchar_t w) {
  const auto c = static_cast<unsigned long>(w);
  if (c < 0x10000) return static_cast<unsigned long long>(c) << 16;
  const unsigned long v = c - 0x10000;
  const unsigned long high = 0xD800 + (v >> 10);
  const unsigned long low = 0xDC00 + (v & 0x3FF);
  return (static_cast<unsigned long long>(high) << 16) | low;
}

}  // namespace

int compareUtf16(std::wstring_view a, std::wstring_view b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    if (a[i] == b[i]) continue;
    const unsigned long long ka = unitKey(a[i]);
    const unsigned long long kb = unitKey(b[i]);
    return ka < kb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

size_t utf16Length(std::wstring_view text) {
  size_t n = 0;
  for (wchar_t c : text) n += static_cast<unsigned long>(c) > 0xFFFF ? 2 : 1;
  return n;
}

}  // namespace tavoro
