#include "ui/combinations/CombinationCollage.h"

#include <QPainter>

#include "ui/search/ResultThumbnail.h"
#include "wardrobe/Combination.h"
#include "wardrobe/Item.h"

namespace tavoro::ui {

namespace {

const QColor kEmpty(236, 240, 247);
const QColor kGap(255, 255, 255);

// The picture cut to fill cell (the middle of it kept), drawn there.
void fill(QPainter& painter, const QImage& picture, const QRect& cell) {
  if (picture.isNull() || cell.isEmpty()) return;
  const QImage scaled = picture.scaled(cell.size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
  const QRect source((scaled.width() - cell.width()) / 2, (scaled.height() - cell.height()) / 2, cell.width(),
                     cell.height());
  painter.drawImage(cell, scaled, source);
}

}  // namespace

QImage makeCollage(const std::vector<QImage>& pictures, int size) {
  QImage collage(size, size, QImage::Format_RGB32);
  collage.fill(kEmpty);
  const size_t count = std::min(pictures.size(), kCollageCells);
  if (count == 0 || size <= 0) return collage;
  QPainter painter(&collage);
  const int half = size / 2;
  const int gap = 1;
  std::vector<QRect> cells;
  if (count == 1) {
    cells = {QRect(0, 0, size, size)};
  } else if (count == 2) {
    cells = {QRect(0, 0, half - gap, size), QRect(half + gap, 0, size - half - gap, size)};
  } else {
    cells = {QRect(0, 0, half - gap, half - gap), QRect(half + gap, 0, size - half - gap, half - gap),
             QRect(0, half + gap, half - gap, size - half - gap),
             QRect(half + gap, half + gap, size - half - gap, size - half - gap)};
    // Three: the third spans the lower row.
    if (count == 3) cells[2] = QRect(0, half + gap, size, size - half - gap), cells.pop_back();
    painter.fillRect(QRect(0, half - gap, size, 2 * gap), kGap);
  }
  for (size_t i = 0; i < cells.size(); ++i) fill(painter, pictures[i], cells[i]);
  return collage;
}

std::vector<QImage> collagePictures(PreviewThumbnailCache& previews, const Combination& combination,
                                    const std::shared_ptr<const PreviewSink>& whenReady, bool* complete) {
  std::vector<QImage> pictures;
  bool all = true;
  size_t wanted = 0;
  for (const Item* item : combination.items()) {
    if (wanted == kCollageCells) break;
    if (item->photos().count() == 0) continue;
    ++wanted;
    if (std::optional<QImage> picture = resultThumbnail(previews, *item, whenReady))
      pictures.push_back(std::move(*picture));
    else
      all = false;
  }
  if (complete) *complete = all;
  return pictures;
}

}  // namespace tavoro::ui
