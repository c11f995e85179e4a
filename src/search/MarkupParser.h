// Splitting highlight markup into runs of one colour each, for the code that
// draws it. Thread-safe: the element pattern is compiled once and only read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavoro {

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;

  bool operator==(const Rgb&) const = default;
};

// The colours a renderer draws plain text with.
struct MarkupStyle {
  Rgb textColor;
  Rgb backColor;
  bool opaque = false;  // whether the background is painted
};

struct MarkupRun {
  std::wstring text;  // still escaped: unescape before drawing
  Rgb textColor;
  Rgb backColor;
  bool opaque = false;

  bool operator==(const MarkupRun&) const = default;
};

// Plain stretches take defaults; each colour element gives a run of its text,
// "fg" setting the text colour and "bg" the background (then opaque). An
// element that is not well formed (unclosed, empty, with "<" or ">" inside,
// a colour other than six hexadecimal digits) stays in the plain text,
// literally. Never fails.
std::vector<MarkupRun> parseMarkup(std::wstring_view markup, const MarkupStyle& defaults);

// "RRGGBB" or "#RRGGBB" in hexadecimal digits of either case; black for
// anything else.
Rgb parseMarkupColor(std::wstring_view text);

}  // namespace tavoro
