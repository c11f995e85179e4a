// Where the header puts the search box: from 20 pixels right of the tab
// strip to 4 pixels short of the right edge, at most 316 pixels wide (then it
// keeps its right edge) and at least 100 (then it keeps its left edge), 22
// pixels high and centred vertically. Thread-safe.
#pragma once

#include <QRect>

namespace tavoro::ui {

inline constexpr int kHeaderHeight = 43;
inline constexpr int kSearchBoxHeight = 22;

inline QRect searchBoxRect(int tabStripRight, int headerWidth, int headerHeight = kHeaderHeight) {
  int left = tabStripRight + 20;
  int right = headerWidth - 4;
  if (right - left > 316) left = right - 316;
  if (right - left < 100) right = left + 100;
  const int top = (headerHeight - kSearchBoxHeight) / 2;
  return QRect(left, top, right - left, kSearchBoxHeight);
}

}  // namespace tavoro::ui
