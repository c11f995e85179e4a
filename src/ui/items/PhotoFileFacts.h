// What the details columns show of a photo file: its size, its type (the
// description of its MIME type), when it was last modified and the folder
// it lies in, and how each is written in its column.
// User-interface thread only (the type descriptions are cached).
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace tavoro::ui {

// The details columns, in their order.
enum ItemListColumn : int { kNameColumn = 0, kSizeColumn, kTypeColumn, kModifiedColumn, kLocationColumn, kColumnCount };

struct PhotoFileFacts {
  bool readable = false;  // false: the file could not be examined; the columns stay empty
  int64_t size = 0;
  QString type;
  QDateTime modified;
  QString location;
};

// The facts of the file at path; a file that cannot be examined gives
// facts that are not readable, with the location still filled in.
PhotoFileFacts readPhotoFileFacts(const QString& path);

// The column's title ("Name", "Size", "Type", "Date Modified", "Location").
QString columnTitle(int column);
// The width a column starts with: 120 pixels, the location 200.
int columnWidth(int column);
// The text of a facts column (size to location); empty for a file that
// could not be examined. Sizes are whole kilobytes, rounded up ("1 KB").
QString factText(const PhotoFileFacts& facts, int column);

}  // namespace tavoro::ui
