// The list-view loader's work for one photo, as plain functions so that the
// thread, tavoro-cli and tests share them: the thumbnail from the store or the
// photo, centred in a cell on its matte, with the "Exif" badge on JPEG files
// that carry EXIF data. Thread-safe as long as each call has its own bitmaps.
#pragma once

#include <optional>
#include <string_view>

#include "ListCellStyle.h"
#include "ThumbnailStore.h"
#include "imaging/DibBitmap.h"
#include "platform/Geometry.h"

namespace tavoro {

// Enough to make a cell again from the store (remakeListCell).
struct ListCellOrigin {
  ThumbnailStoreEntry thumbnail;  // the stored thumbnail the cell shows
  bool exifBadge = false;         // the badge was drawn
};

struct ListCell {
  Rect thumbnail;          // where the thumbnail lies in the cell
  bool exifBadge = false;  // the badge was drawn
  // What the cell was made from, when the store holds its thumbnail.
  std::optional<ListCellOrigin> origin;
};

// The thumbnail's place in a cell: centred, each centre found by integer
// halving (a 94 x 70 thumbnail in a 96 x 96 cell lies at (1, 13)).
Rect centredInCell(Size cell, Size thumbnail);

// A cell of style.cell (24 bits) filled with style.fill() and the thumbnail
// copied to its centred place. False when the cell cannot be made or the
// thumbnail does not fit into style.thumbnailBox().
bool composeCell(const ListCellStyle& style, const DibBitmap& thumbnail, DibBitmap& cell, Rect* placed = nullptr);

// A placeholder cell: style.fill() with the icon in the middle
// ((cell - icon) / 2 in each dimension, clipped to the cell).
bool composePlaceholderCell(const ListCellStyle& style, const DibBitmap& icon, DibBitmap& cell);

// True for a file that is a JPEG by its extension and whose header segments
// hold an EXIF block (read without decoding the picture).
bool hasExifBlock(std::wstring_view path);

// The whole job for the photo at path: the thumbnail from store when it holds
// a current one that fits the box, else the photo decoded and fitted (and put
// into store; a failed put is ignored); then the cell, and the badge in its
// top-right corner when the photo is a JPEG with EXIF data and a badge is
// given. store may be null. False when the box is empty or the photo cannot
// be decoded; cell is then unchanged.
bool makeListCell(const ListCellStyle& style, const DibBitmap* badge, ThumbnailStore* store, std::wstring_view path,
                  DibBitmap& cell, ListCell* result = nullptr);

// The cell that makeListCell made with the same style and badge, made again
// from the store's record without looking at the photo. False, cell
// unchanged, when the store no longer holds the record.
bool remakeListCell(const ListCellStyle& style, const DibBitmap* badge, ThumbnailStore& store,
                    const ListCellOrigin& origin, DibBitmap& cell);

}  // namespace tavoro
