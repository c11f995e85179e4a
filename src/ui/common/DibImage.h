// The one way a bitmap of the imaging layer (thumbnails, decoded photos)
// becomes a picture the user interface can draw. Thread-safe: a QImage may be
// made on a worker thread and handed to the user-interface thread (a QPixmap
// may not).
#pragma once

#include <QImage>

namespace tavoro {
class DibBitmap;
}

namespace tavoro::ui {

// A copy of the bitmap, top row first: 24-bit bitmaps as RGB888, every other
// depth through its palette or masks as ARGB32 (alpha kept where the bitmap
// has an alpha mask). A null image for a bitmap that is not valid.
QImage toQImage(const DibBitmap& bitmap);
// The same picture as RGB32, the format that painting copies as it is (a
// 24-bit picture is converted at every paint, through Qt's slow general path
// for blue-green-red): for pictures painted many times, such as list cells.
QImage toPaintableQImage(const DibBitmap& bitmap);

}  // namespace tavoro::ui
