#include "XmlValueText.h"

#include "platform/Utf8.h"

namespace tavoro {

namespace {

bool isForbiddenControl(char32_t c) {
  return c < 0x20 && c != 0x09 && c != 0x0A && c != 0x0D;
}

bool isStandIn(char32_t c) {
  return c >= kControlStandIn && c < kControlStandIn + 0x20;
}

bool isAscii(std::string_view bytes) {
  for (const char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

bool isBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

bool readXmlInt(std::string_view text, int32_t& out) {
  size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const size_t digitsFrom = i;
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{INT32_MAX} + 1) return false;
  }
  if (i == digitsFrom) return false;
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return false;
  out = static_cast<int32_t>(value);
  return true;
}

std::string toXmlValue(std::wstring_view text) {
  bool plain = true;
  for (const wchar_t w : text) {
    const auto c = static_cast<char32_t>(w);
    if (c >= 0x80 || isForbiddenControl(c)) {
      plain = false;
      break;
    }
  }
  if (plain) return std::string(text.begin(), text.end());
  std::wstring stored(text);
  for (wchar_t& w : stored) {
    const auto c = static_cast<char32_t>(w);
    if ((c >= 0xD800 && c <= 0xDFFF) || isStandIn(c))
      w = L'\uFFFD';
    else if (isForbiddenControl(c))
      w = static_cast<wchar_t>(kControlStandIn + c);
  }
  return toUtf8(stored);
}

std::wstring fromXmlValue(std::string_view bytes) {
  if (isAscii(bytes)) return std::wstring(bytes.begin(), bytes.end());
  std::wstring text = fromUtf8(bytes);
  for (wchar_t& w : text) {
    const auto c = static_cast<char32_t>(w);
    if (c >= 0xD800 && c <= 0xDFFF)
      w = L'\uFFFD';
    else if (isStandIn(c))
      w = static_cast<wchar_t>(c - kControlStandIn);
  }
  return text;
}

}  // namespace tavoro
