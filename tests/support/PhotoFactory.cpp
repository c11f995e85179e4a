#include "PhotoFactory.h"

#include <algorithm>

#include "ImageTestFiles.h"

namespace tavoro::test {

uint32_t pictureColor(int width, int height, int seed, int x, int y) {
  const uint32_t red = static_cast<uint32_t>((x * 255 / std::max(1, width - 1) + seed * 37) & 0xFF);
  const uint32_t green = static_cast<uint32_t>((y * 255 / std::max(1, height - 1) + seed * 11) & 0xFF);
  const uint32_t blue = static_cast<uint32_t>(((x + y) / 8 * 16 + seed * 53) & 0xFF);
  return blue | green << 8 | red << 16;
}

std::string jpegBytes(int width, int height, int seed, int quality) {
  const Sampler sample = [&](int x, int y) {
    const uint32_t c = pictureColor(width, height, seed, x, y);
    return std::array<uint16_t, 4>{static_cast<uint16_t>(c >> 16 & 0xFF), static_cast<uint16_t>(c >> 8 & 0xFF),
                                   static_cast<uint16_t>(c & 0xFF), 0};
  };
  // Subsampled like a camera's photo, so that decoding costs what it would.
  return jpegFile(width, height, 3, sample, quality, true);
}

std::string withExif(const std::string& jpeg, const std::string& thumbnail, uint16_t orientation) {
  ExifBlock exif;
  exif.orientation = orientation;
  exif.thumbnail = thumbnail;
  return insertSegments(jpeg, {jpegSegment(0xE1, exifPayload(exif))});
}

std::string bmpBytes(int width, int height, int seed) {
  BmpLayout layout;
  layout.width = width;
  layout.height = height;
  const size_t rowBytes = static_cast<size_t>((width * 3 + 3) / 4 * 4);
  for (int y = height - 1; y >= 0; --y) {
    std::string row;
    row.reserve(rowBytes);
    for (int x = 0; x < width; ++x) {
      const uint32_t c = pictureColor(width, height, seed, x, y);
      row.push_back(static_cast<char>(c & 0xFF));
      row.push_back(static_cast<char>(c >> 8 & 0xFF));
      row.push_back(static_cast<char>(c >> 16 & 0xFF));
    }
    row.resize(rowBytes, '\0');
    layout.pixels += row;
  }
  return bmpFile(layout);
}

}  // namespace tavoro::test
