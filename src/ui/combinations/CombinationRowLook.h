// What the combinations view's rows share in their drawing: the background
// of a selected or hot row and the colours of their texts. User-interface
// thread only.
#pragma once

#include <QColor>
#include <QRect>

#include "ui/controls/ListBoxRow.h"

class QPainter;

namespace tavoro::ui {

inline const QColor kCombinationText(61, 75, 102);
inline const QColor kCombinationDetail(130, 138, 153);

// The row's background (as the search results draw theirs) and its bottom line.
void paintCombinationRowBackground(QPainter& painter, const QRect& rect, const ListBoxRow::State& state);

}  // namespace tavoro::ui
