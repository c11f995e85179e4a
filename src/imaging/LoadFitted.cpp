#include "LoadFitted.h"

#include <memory>
#include <new>

#include "BitmapDrawing.h"
#include "BitmapFitting.h"
#include "BitmapTransform.h"
#include "PhotoImage.h"
#include "PhotoMetadata.h"

namespace tavoro {

bool loadFitted(DibBitmap& dest, std::wstring_view path, Size box) {
  dest.release();
  if (box.width < 4 || box.height < 4) return false;
  const ImageType type = typeFromExtension(path);
  try {
    if (type == ImageType::Jpg) {
      DibBitmap thumbnail;
      if (exifThumbnail(path, thumbnail, true) != 0) {
        if (thumbnail.width() <= box.width && thumbnail.height() <= box.height) {
          dest = std::move(thumbnail);
          return true;
        }
        const Size fitted = fitSize(box, {thumbnail.width(), thumbnail.height()});
        if (dest.create(fitted.width, fitted.height, 24) &&
            stretchBitmap(dest, Rect::ofSize(fitted), thumbnail, Rect::ofSize({thumbnail.width(), thumbnail.height()}),
                          true))
          return true;
        dest.release();
      }
    }
    const std::unique_ptr<PhotoImage> image = createPhotoImage(type);
    if (!image) return false;
    // Upright like the EXIF thumbnail, so that a photo looks the same with or
    // without one. A quarter turn swaps the sides: the box is swapped to match.
    const int orientation = type == ImageType::Jpg ? exifOrientation(path) : 0;
    const Size upright = orientation >= 5 ? Size{box.height, box.width} : box;
    // Reduced while it is decoded: a large photo is never held whole.
    image->setFittedDecodeBox(upright);
    if (!image->open(path) || !image->scaleToFit(dest, upright)) return false;
    if (orientation > 1 && !applyOrientation(dest, orientation)) {
      dest.release();
      return false;
    }
    return true;
  } catch (const std::bad_alloc&) {
    dest.release();
    return false;
  }
}

}  // namespace tavoro
