#include "ListThumbnailJob.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "ThumbnailStore.h"
#include "imaging/JpegSegments.h"
#include "imaging/LoadFitted.h"
#include "imaging/PhotoMetadata.h"
#include "wardrobe/ImageType.h"

namespace tavoro {

namespace {

void fillCell(DibBitmap& cell, CellColor color) {
  const int width = cell.width();
  std::vector<uint8_t> pattern(static_cast<size_t>(width) * 3);
  for (int x = 0; x < width; ++x) {
    pattern[3 * x] = color.blue;
    pattern[3 * x + 1] = color.green;
    pattern[3 * x + 2] = color.red;
  }
  for (int y = 0; y < cell.height(); ++y) std::memcpy(cell.row(y), pattern.data(), pattern.size());
}

// A 24-bit picture copied unscaled with its top-left corner at (left, top),
// whatever falls outside the cell left out.
void copyInto(DibBitmap& cell, int left, int top, const DibBitmap& picture) {
  const int x0 = std::max(0, left);
  const int x1 = std::min(cell.width(), left + picture.width());
  const int y0 = std::max(0, top);
  const int y1 = std::min(cell.height(), top + picture.height());
  if (x0 >= x1) return;
  for (int y = y0; y < y1; ++y)
    std::memcpy(cell.row(y) + 3 * x0, picture.row(y - top) + 3 * (x0 - left), static_cast<size_t>(x1 - x0) * 3);
}

bool makeFilledCell(const ListCellStyle& style, DibBitmap& cell) {
  if (!cell.create(style.cell.width, style.cell.height, 24)) return false;
  fillCell(cell, style.fill());
  return true;
}

}  // namespace

Size ListCellStyle::thumbnailBox() const {
  const int inset = matteOn ? 2 : 0;
  const Size box{cell.width - inset, cell.height - inset};
  if (box.width < 1 || box.height < 1) return {};
  return box;
}

Rect centredInCell(Size cell, Size thumbnail) {
  const int left = cell.width / 2 - thumbnail.width / 2;
  const int top = cell.height / 2 - thumbnail.height / 2;
  return {left, top, left + thumbnail.width, top + thumbnail.height};
}

bool composeCell(const ListCellStyle& style, const DibBitmap& thumbnail, DibBitmap& cell, Rect* placed) {
  const Size box = style.thumbnailBox();
  if (thumbnail.bitsPerPixel() != 24 || thumbnail.width() > box.width || thumbnail.height() > box.height) return false;
  DibBitmap made;
  if (!makeFilledCell(style, made)) return false;
  const Rect place = centredInCell(style.cell, {thumbnail.width(), thumbnail.height()});
  copyInto(made, place.left, place.top, thumbnail);
  cell = std::move(made);
  if (placed) *placed = place;
  return true;
}

bool composePlaceholderCell(const ListCellStyle& style, const DibBitmap& icon, DibBitmap& cell) {
  if (icon.bitsPerPixel() != 24) return false;
  DibBitmap made;
  if (!makeFilledCell(style, made)) return false;
  copyInto(made, (style.cell.width - icon.width()) / 2, (style.cell.height - icon.height()) / 2, icon);
  cell = std::move(made);
  return true;
}

bool hasExifBlock(std::wstring_view path) {
  if (typeFromExtension(path) != ImageType::Jpg) return false;
  JpegSegmentList segments;
  return readPhotoHeaders(path, segments) && findSegment(segments, kJpegExif) >= 0;
}

namespace {

bool drawBadge(const DibBitmap* badge, DibBitmap& cell) {
  if (!badge || badge->bitsPerPixel() != 24) return false;
  copyInto(cell, cell.width() - badge->width(), 0, *badge);
  return true;
}

}  // namespace

bool makeListCell(const ListCellStyle& style, const DibBitmap* badge, ThumbnailStore* store, std::wstring_view path,
                  DibBitmap& cell, ListCell* result) {
  const Size box = style.thumbnailBox();
  if (box.width < 1 || box.height < 1) return false;
  DibBitmap thumbnail;
  ThumbnailStoreEntry record;
  // A stored thumbnail made for a larger cell is not used: it would not fit.
  bool stored = store && store->get(thumbnail, path, &record) && thumbnail.width() <= box.width &&
                thumbnail.height() <= box.height;
  if (!stored) {
    thumbnail.release();
    if (!loadFitted(thumbnail, path, box)) return false;
    stored = store && store->put(thumbnail, path, &record);
  }
  DibBitmap made;
  ListCell placed;
  if (!composeCell(style, thumbnail, made, &placed.thumbnail)) return false;
  placed.exifBadge = badge && hasExifBlock(path) && drawBadge(badge, made);
  if (stored) placed.origin = ListCellOrigin{record, placed.exifBadge};
  cell = std::move(made);
  if (result) *result = placed;
  return true;
}

bool remakeListCell(const ListCellStyle& style, const DibBitmap* badge, ThumbnailStore& store,
                    const ListCellOrigin& origin, DibBitmap& cell) {
  DibBitmap thumbnail, made;
  if (!store.read(origin.thumbnail, thumbnail) || !composeCell(style, thumbnail, made)) return false;
  if (origin.exifBadge && !drawBadge(badge, made)) return false;
  cell = std::move(made);
  return true;
}

}  // namespace tavoro
