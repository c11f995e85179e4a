#include "ui/viewer/ViewerDecoding.h"

#include <memory>
#include <new>

#include "imaging/BitmapFitting.h"
#include "imaging/BitmapTransform.h"
#include "imaging/PhotoImage.h"
#include "imaging/PhotoMetadata.h"
#include "ui/common/DibImage.h"

namespace tavoro::ui {

QImage decodeForViewer(std::wstring_view path, QSize box) {
  if (box.isEmpty()) return QImage();
  const ImageType type = typeFromExtension(path);
  try {
    const std::unique_ptr<PhotoImage> image = createPhotoImage(type);
    if (!image || !image->open(path)) return QImage();
    DibBitmap& colour = image->colorBitmap();
    if (type == ImageType::Jpg) {
      const int orientation = exifOrientation(*image);
      if (orientation > 1) applyOrientation(colour, orientation);
    }
    DibBitmap fitted;
    if (!scaleToFit(fitted, colour, {box.width(), box.height()})) return QImage();
    return toQImage(fitted);
  } catch (const std::bad_alloc&) {
    return QImage();
  }
}

}  // namespace tavoro::ui
