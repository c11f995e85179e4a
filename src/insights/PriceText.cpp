#include "PriceText.h"

#include "platform/CharClass.h"

namespace tavoro {

namespace {

// Enough for any wardrobe; keeps the amount in cents far from overflowing.
constexpr size_t kMaxWholeDigits = 12;

bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool isAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

// The currency signs of Unicode's Sc class that people type in prices.
bool isCurrencySign(wchar_t c) {
  return c == L'$' || (c >= 0x00A2 && c <= 0x00A5) || (c >= 0x20A0 && c <= 0x20CF) || c == 0x0E3F || c == 0x058F ||
         c == 0x060B || c == 0x09F2 || c == 0x09F3 || c == 0x17DB || c == 0xFDFC;
}

class PriceReader {
 public:
  explicit PriceReader(std::wstring_view text) : m_text(text) {}

  bool read(int64_t& cents) {
    skipSpace();
    const bool markBefore = readCurrency();
    skipSpace();
    if (!readAmount(cents)) return false;
    skipSpace();
    if (!markBefore) readCurrency();
    skipSpace();
    return m_at == m_text.size();
  }

 private:
  bool atEnd() const { return m_at >= m_text.size(); }
  wchar_t peek(size_t ahead = 0) const { return m_at + ahead < m_text.size() ? m_text[m_at + ahead] : L'\0'; }
  void skipSpace() {
    while (!atEnd() && isSpace(peek())) ++m_at;
  }

  bool readCurrency() {
    if (isCurrencySign(peek())) {
      ++m_at;
      return true;
    }
    // A code is exactly three letters, standing apart from other letters.
    if (isAsciiLetter(peek()) && isAsciiLetter(peek(1)) && isAsciiLetter(peek(2)) && !isLetter(peek(3))) {
      m_at += 3;
      return true;
    }
    return false;
  }

  bool readAmount(int64_t& cents) {
    int64_t whole = 0;
    size_t digits = 0;
    while (isDigit(peek())) {
      if (++digits > kMaxWholeDigits) return false;
      whole = whole * 10 + (peek() - L'0');
      ++m_at;
    }
    if (digits == 0) return false;
    int64_t fraction = 0;
    if (peek() == L'.' || peek() == L',') {
      ++m_at;
      size_t decimals = 0;
      while (isDigit(peek())) {
        if (++decimals > 2) return false;
        fraction = fraction * 10 + (peek() - L'0');
        ++m_at;
      }
      if (decimals == 0) return false;
      if (decimals == 1) fraction *= 10;
    }
    cents = whole * 100 + fraction;
    return true;
  }

  std::wstring_view m_text;
  size_t m_at = 0;
};

}  // namespace

bool parsePrice(std::wstring_view text, int64_t& cents) {
  int64_t read = 0;
  cents = 0;
  if (!PriceReader(text).read(read)) return false;
  cents = read;
  return true;
}

}  // namespace tavoro
