// Photo files made on the spot for tests and benchmarks: JPEG (through
// libjpeg), optionally carrying an EXIF block with an embedded thumbnail, and
// 24-bit BMP. Pictures are smooth gradients with a seed, so that files differ.
#pragma once

#include <cstdint>
#include <string>

namespace tavoro::test {

// A baseline JPEG file of width x height pixels.
std::string jpegBytes(int width, int height, int seed = 0, int quality = 85);

// The JPEG file with an EXIF block (APP1, little-endian TIFF) inserted after
// its start-of-image marker: IFD0 holds the orientation, IFD1 the embedded
// JPEG thumbnail. thumbnail may be empty for an EXIF block without one.
std::string withExif(const std::string& jpeg, const std::string& thumbnail, uint16_t orientation = 1);

// A bottom-up 24-bit BMP file.
std::string bmpBytes(int width, int height, int seed = 0);

// The colour both makers give pixel (x, y), as blue | green << 8 | red << 16.
uint32_t pictureColor(int width, int height, int seed, int x, int y);

}  // namespace tavoro::test
