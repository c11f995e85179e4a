// The icons the desktop shows for files (by their type), as the Icons, List
// and Details views draw them, and as the placeholders the list loader puts
// in a cell until the thumbnail is there. Icons are looked up once per file
// extension. User-interface thread only.
#pragma once

#include <QIcon>
#include <QString>
#include <string_view>

#include "imaging/thumbnails/ListCellStyle.h"
#include "imaging/thumbnails/ListThumbnailLoader.h"

namespace tavoro::ui {

// The file's icon; the style's plain file icon when the desktop has none.
QIcon fileIcon(const QString& path);

// The placeholder of the photo at path: the file's icon at 32 x 32 pixels on
// the cell's background, keyed by the file's extension.
PlaceholderIcon placeholderIcon(std::wstring_view path, const ListCellStyle& style);

}  // namespace tavoro::ui
