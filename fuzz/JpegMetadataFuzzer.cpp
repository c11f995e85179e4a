// libFuzzer target: the JPEG segment reader in both modes, the EXIF queries
// (orientation, date taken, the thumbnail decoded and turned upright) and
// writing a full list back.
#include "imaging/DibBitmap.h"
#include "imaging/JpegSegments.h"
#include "imaging/MemoryStream.h"
#include "imaging/PhotoMetadata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tavoro;
  JpegSegmentList headers;
  MemoryStream stream(data, size);
  if (readSegments(stream, true, headers)) {
    exifOrientation(headers);
    PhotoDateTaken taken;
    readDateTaken(headers, taken);
    DibBitmap thumbnail;
    exifThumbnail(headers, thumbnail, true);
  }
  JpegSegmentList full;
  MemoryStream again(data, size);
  if (readSegments(again, false, full)) {
    MemoryStream out;
    writeSegments(full, out);
  }
  return 0;
}
