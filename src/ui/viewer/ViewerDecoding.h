// Making the picture the viewer shows from a photo file: decoded with the
// program's codecs, turned upright as its EXIF orientation says (as the
// thumbnails are), and shrunk to fit the viewer (never enlarged). Thread-safe
// (no shared state): the viewer's decoder thread calls it.
#pragma once

#include <QImage>
#include <QSize>
#include <string_view>

namespace tavoro::ui {

// The photo fitted into box; a null image when the file is missing, cannot
// be decoded, or the box is empty.
QImage decodeForViewer(std::wstring_view path, QSize box);

}  // namespace tavoro::ui
