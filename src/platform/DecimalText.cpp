#include "DecimalText.h"

namespace tavoro {

bool parseDecimalInt(std::wstring_view text, int32_t& out) {
  out = 0;
  if (text.empty()) return false;
  size_t i = 0;
  bool negative = false;
  if (text[0] == L'+' || text[0] == L'-') {
    negative = text[0] == L'-';
    i = 1;
  }
  // Accumulated as a wider value so that overflow is detected, not wrapped.
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c < L'0' || c > L'9') return false;
    value = value * 10 + (c - L'0');
    if (value > 2147483648LL) return false;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return false;
  out = static_cast<int32_t>(value);
  return true;
}

}  // namespace tavoro
