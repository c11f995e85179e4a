// The program's pictures as pixmaps: the compiled-in files of Picture.h (an
// SVG is drawn at its own size). Loaded once on first use and kept until
// exit. User-interface thread.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>

#include "ui/common/Picture.h"

class QPainter;

namespace tavoro::ui {

// The picture; a null pixmap for Picture::None or when its file is missing.
QPixmap resourcePixmap(Picture picture);

// The program's "Desaturate" filter, used for the grey copies of icons shown
// on disabled items: grey by luminance, then lightened towards white by a
// third, keeping transparency.
QImage desaturate(const QImage& image);
// The grey copy of a picture, made once and kept.
QPixmap greyResourcePixmap(Picture picture);

// Draws image across target as a three-slice picture: capWidth pixels of its
// left edge at the left, as many of its right edge at the right, and its
// middle stretched between them (vertically stretched to the target height).
void drawThreeSlice(QPainter& painter, const QRect& target, const QPixmap& image, int capWidth);

}  // namespace tavoro::ui
