#include "LoadFitted.h"

#include <memory>
#include <new>

#include "BitmapDrawing.h"
#include "BitmapFitting.h"
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
    if (!image || !image->open(path)) return false;
    return image->scaleToFit(dest, box);
  } catch (const std::bad_alloc&) {
    dest.release();
    return false;
  }
}

}  // namespace tavoro
