#include "ImageCodec.h"

#include "BmpCodec.h"
#include "FileStream.h"
#include "JpegCodec.h"
#include "MemoryStream.h"
#include "PngCodec.h"

namespace tavoro {

bool ImageCodec::saveToFile(const PhotoImage& image, std::wstring_view path) {
  ReplacingFileWriter writer(path);
  ImageStream* stream = writer.stream();
  return stream && saveToStream(image, *stream) && writer.commit();
}

bool ImageCodec::saveToMemory(const PhotoImage& image, std::vector<uint8_t>& out) {
  MemoryStream stream;
  if (!saveToStream(image, stream)) return false;
  out = stream.takeBuffer();
  return true;
}

bool ImageCodec::loadFromFile(PhotoImage& image, std::wstring_view path, bool infoOnly) {
  FileStream stream;
  if (!stream.openRead(path)) {
    image.clear();
    return false;
  }
  if (!loadFromStream(image, stream, infoOnly)) return false;
  image.setPath(path);
  return true;
}

bool ImageCodec::loadFromMemory(PhotoImage& image, const void* data, size_t size, bool infoOnly) {
  MemoryStream stream(data, size);
  return loadFromStream(image, stream, infoOnly);
}

std::unique_ptr<ImageCodec> createImageCodec(ImageType type) {
  switch (type) {
    case ImageType::Bmp:
      return std::make_unique<BmpCodec>();
    case ImageType::Jpg:
      return std::make_unique<JpegCodec>();
    case ImageType::Png:
      return std::make_unique<PngCodec>();
    default:
      return nullptr;
  }
}

}  // namespace tavoro
