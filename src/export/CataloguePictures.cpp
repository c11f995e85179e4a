#include "CataloguePictures.h"

#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <new>

#include "imaging/BitmapFitting.h"
#include "imaging/BitmapTransform.h"
#include "imaging/ImageCodec.h"
#include "imaging/JpegCodec.h"
#include "imaging/PhotoImage.h"
#include "platform/Utf8.h"

namespace tavoro {

namespace {

Status writeJpeg(DibBitmap& bitmap, std::wstring_view path, int quality) {
  PhotoImage image(ImageType::Jpg);
  image.colorBitmap() = std::move(bitmap);
  image.jpegSettings().quality = quality;
  image.jpegSettings().flags = JpegSaveSettings::kOptimize;
  JpegCodec codec;
  const bool saved = codec.saveToFile(image, path);
  bitmap = std::move(image.colorBitmap());
  return saved ? Status() : Status::failure(path, "cannot be written");
}

// Fits source into box, the box turned for a photo stored sideways, and
// turns the result upright.
bool fitUpright(DibBitmap& dest, const DibBitmap& source, Size box, int orientation) {
  const bool quarterTurn = orientation >= 5;
  if (!scaleToFit(dest, source, quarterTurn ? Size{box.height, box.width} : box)) return false;
  return orientation <= 1 || applyOrientation(dest, orientation);
}

}  // namespace

Status makeCataloguePictures(std::wstring_view photoPath, ImageType format, std::wstring_view smallPath,
                             std::wstring_view largePath, const CatalogueBoxes& boxes, PictureFacts& facts) {
  facts = {};
  facts.format = format;
  struct stat info {};
  if (::stat(toUtf8(photoPath).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
  facts.fileBytes = static_cast<uint64_t>(info.st_size);
  try {
    const std::unique_ptr<PhotoImage> image = createPhotoImage(format);
    if (!image) return {};
    // Turned or not, the larger picture never needs more than its box's longer side both ways.
    const int longer = std::max(boxes.large.width, boxes.large.height);
    image->setReducedDecodeBox({longer, longer});
    if (!image->open(photoPath)) return {};
    int orientation = 0;
    if (format == ImageType::Jpg) {
      orientation = exifOrientation(*image);
      facts.hasDateTaken = readDateTaken(image->segments(), facts.dateTaken);
    }
    const DibBitmap& photo = image->colorBitmap();
    const Size stored{image->info().width, image->info().height};  // the file's, not the reduced decode's
    facts.size = orientation >= 5 ? Size{stored.height, stored.width} : stored;

    DibBitmap large;
    if (!fitUpright(large, photo, boxes.large, orientation)) return {};
    image->clear();  // the full picture is no longer needed: hold one photo's memory, not two
    // The thumbnail is fitted from the larger picture, which is upright already.
    DibBitmap small;
    if (!scaleToFit(small, large, boxes.small)) return {};
    facts.largeSize = {large.width(), large.height()};
    facts.smallSize = {small.width(), small.height()};
    if (Status written = writeJpeg(large, largePath, boxes.quality); !written) return written;
    if (Status written = writeJpeg(small, smallPath, boxes.quality); !written) return written;
    facts.decoded = true;
    return {};
  } catch (const std::bad_alloc&) {
    facts.decoded = false;
    return {};
  }
}

}  // namespace tavoro
