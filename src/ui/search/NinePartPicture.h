// Drawing a picture as nine parts: its corners as they are, its edges
// stretched along the target's sides and its middle stretched to fill the
// rest, so that a small rounded picture covers a rectangle of any size.
// User-interface thread only (QPainter).
#pragma once

#include <QPixmap>
#include <QRect>

class QPainter;

namespace tavoro::ui {

// edge: the width of the corners and edges, in the picture and on the
// target alike (less when either is too small for two of them).
void drawNinePart(QPainter& painter, const QRect& target, const QPixmap& picture, int edge);

}  // namespace tavoro::ui
