// Image files built for tests and benchmarks, written independently of the
// production encoders: BMP files with any header, depth and compression, JPEG
// files through libjpeg (grey, RGB, Adobe CMYK), PNG files through libpng
// (every colour type and depth), and EXIF segments in either byte order.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "imaging/DibBitmap.h"

namespace tavoro::test {

// A 24-bit bitmap whose pixel (x, y), counted from the top left, is colour(x, y).
DibBitmap makeBitmap(int width, int height, const std::function<Bgra(int x, int y)>& colour);

// Little-endian byte helpers for hand-made files.
void putLe16(std::string& out, uint32_t v);
void putLe32(std::string& out, uint32_t v);

struct BmpLayout {
  uint32_t headerSize = 40;  // 12 (core), 40, 56, 108 or 124
  int32_t width = 0;
  int32_t height = 0;
  uint16_t bits = 24;
  uint32_t compression = 0;
  std::vector<uint32_t> masks;                  // written after a 40-byte header or inside a larger one
  std::vector<std::array<uint8_t, 3>> palette;  // blue, green, red
  uint32_t clrUsed = 0;
  std::string pixels;        // exactly as stored in the file
  int64_t pixelOffset = -1;  // -1: right after the palette
};
std::string bmpFile(const BmpLayout& block);

// Samples for JPEG and PNG writers: the channel values of pixel (x, y).
using Sampler = std::function<std::array<uint16_t, 4>(int x, int y)>;

// components 1 (grey), 3 (RGB) or 4 (CMYK, stored with libjpeg's Adobe marker).
// Colour is stored at full resolution unless subsampleChroma asks for the
// 4:2:0 layout that cameras write.
std::string jpegFile(int width, int height, int components, const Sampler& sample, int quality = 95,
                     bool subsampleChroma = false);

// An APP segment: marker, length and payload.
std::string jpegSegment(uint8_t marker, const std::string& payload);
// The JPEG with segments inserted right after its start-of-image marker.
std::string insertSegments(const std::string& jpeg, const std::vector<std::string>& segments);

struct ExifBlock {
  bool bigEndian = false;
  int orientation = 0;    // 0: no orientation tag
  std::string dateTaken;  // empty: no EXIF sub-directory
  std::string thumbnail;  // empty: no IFD1
};
// The payload of an APP1 EXIF segment ("Exif", 0, 0 and the TIFF data).
std::string exifPayload(const ExifBlock& block);

struct PngLayout {
  int colorType = 2;  // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
  int bitDepth = 8;
  int width = 0;
  int height = 0;
  bool interlaced = false;
  Sampler sample;                               // the stored channel values (a palette index for type 3)
  std::vector<std::array<uint8_t, 3>> palette;  // red, green, blue
  std::vector<uint8_t> paletteAlpha;            // tRNS for palette images
  std::array<uint16_t, 3> transparent{};        // tRNS for grey or RGB images when hasTransparent
  bool hasTransparent = false;
  double gamma = 0;  // gAMA when non-zero
};
std::string pngFile(const PngLayout& block);

// The gAMA value of a PNG file, 0 when it has none.
double pngFileGamma(const std::string& png);

// The texts of a PNG file, keyword and text.
std::vector<std::pair<std::string, std::string>> pngTexts(const std::string& png);

// The sampling factors of a JPEG's first component.
std::pair<int, int> jpegLumaSampling(const std::string& jpeg);

}  // namespace tavoro::test
