#include "ui/search/ResultThumbnail.h"

#include "ui/common/DibImage.h"
#include "wardrobe/Item.h"

namespace tavoro::ui {

std::optional<QImage> resultThumbnail(PreviewThumbnailCache& previews, const Item& item,
                                     const std::shared_ptr<const PreviewSink>& whenReady) {
  if (item.photos().count() == 0) return std::nullopt;
  const Photo& photo = *item.photos().at(0);
  const PreviewRequest request{whenReady, photo.serial(), photo.filePath()};
  const int box = PreviewThumbnailCache::kBoxSize;
  PreviewPlacement placement;
  if (!previews.lookupOrQueue(request, Rect{0, 0, box, box}, placement) ||
      !placement.thumbnail)
    return std::nullopt;
  QImage image = toQImage(*placement.thumbnail);
  if (image.isNull()) return std::nullopt;
  return image;
}

}  // namespace tavoro::ui
