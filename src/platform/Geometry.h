// Sizes and rectangles in pixels: bitmaps and fitting, window placement and
// pane layout all use these. Thread-safe (value types).
#pragma once

#include <algorithm>

namespace tavoro {

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

// Left and top inside, right and bottom outside.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static Rect ofSize(Size size) { return Rect{0, 0, size.width, size.height}; }
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool isEmpty() const { return right <= left || bottom <= top; }
  Rect intersected(const Rect& o) const {
    return Rect{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
  }
  bool contains(const Rect& o) const {
    return o.left >= left && o.top >= top && o.right <= right && o.bottom <= bottom;
  }
  bool operator==(const Rect&) const = default;
};

}  // namespace tavoro
