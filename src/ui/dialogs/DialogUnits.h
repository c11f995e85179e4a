// The dialogs are laid out in dialog units, as their templates give them:
// one horizontal unit is 1.5 pixels and one vertical unit 1.625 pixels,
// rounded to the nearest pixel. Thread-safe.
#pragma once

#include <QRect>
#include <cmath>

namespace tavoro::ui {

inline int dluX(int units) { return static_cast<int>(std::lround(units * 1.5)); }
inline int dluY(int units) { return static_cast<int>(std::lround(units * 1.625)); }

// A template rectangle (x, y, width, height in dialog units) in pixels; the
// far edges are rounded themselves, so that neighbours meet as in the template.
inline QRect dluRect(int x, int y, int width, int height) {
  return QRect(QPoint(dluX(x), dluY(y)), QPoint(dluX(x + width) - 1, dluY(y + height) - 1));
}

inline QSize dluSize(int width, int height) { return QSize(dluX(width), dluY(height)); }

}  // namespace tavoro::ui
