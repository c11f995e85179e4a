#include "PhotoFactory.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace tavoro::test {

namespace {

void put16(std::string& out, uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

void put32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void putEntry(std::string& out, uint16_t tag, uint16_t type, uint32_t count, uint32_t value) {
  put16(out, tag);
  put16(out, type);
  put32(out, count);
  put32(out, value);
}

}  // namespace

uint32_t pictureColor(int width, int height, int seed, int x, int y) {
  const uint32_t red = static_cast<uint32_t>((x * 255 / std::max(1, width - 1) + seed * 37) & 0xFF);
  const uint32_t green = static_cast<uint32_t>((y * 255 / std::max(1, height - 1) + seed * 11) & 0xFF);
  const uint32_t blue = static_cast<uint32_t>(((x + y) / 8 * 16 + seed * 53) & 0xFF);
  return blue | green << 8 | red << 16;
}

std::string jpegBytes(int width, int height, int seed, int quality) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < width; ++x) {
      const uint32_t c = pictureColor(width, height, seed, x, y);
      row[3 * x] = static_cast<JSAMPLE>(c >> 16);
      row[3 * x + 1] = static_cast<JSAMPLE>(c >> 8);
      row[3 * x + 2] = static_cast<JSAMPLE>(c);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

std::string withExif(const std::string& jpeg, const std::string& thumbnail, uint16_t orientation) {
  if (jpeg.size() < 2) throw std::invalid_argument("not a JPEG file");
  // TIFF data: header, IFD0 (orientation), IFD1 (thumbnail offset and length), thumbnail.
  std::string tiff = "II";
  put16(tiff, 42);
  put32(tiff, 8);
  const uint32_t ifd0 = 8;
  const uint32_t ifd1 = ifd0 + 2 + 12 + 4;
  const uint32_t thumbnailAt = ifd1 + 2 + 2 * 12 + 4;
  put16(tiff, 1);
  putEntry(tiff, 0x0112, 3, 1, orientation);
  put32(tiff, thumbnail.empty() ? 0 : ifd1);
  if (!thumbnail.empty()) {
    put16(tiff, 2);
    putEntry(tiff, 0x0201, 4, 1, thumbnailAt);
    putEntry(tiff, 0x0202, 4, 1, static_cast<uint32_t>(thumbnail.size()));
    put32(tiff, 0);
    tiff += thumbnail;
  }
  const std::string payload = std::string("Exif\0\0", 6) + tiff;
  const size_t length = payload.size() + 2;
  if (length > 0xFFFF) throw std::invalid_argument("EXIF block too large");
  std::string segment = "\xFF\xE1";
  segment.push_back(static_cast<char>(length >> 8));
  segment.push_back(static_cast<char>(length & 0xFF));
  segment += payload;
  return jpeg.substr(0, 2) + segment + jpeg.substr(2);
}

std::string bmpBytes(int width, int height, int seed) {
  const uint32_t rowBytes = static_cast<uint32_t>((width * 3 + 3) / 4 * 4);
  const uint32_t pixels = rowBytes * static_cast<uint32_t>(height);
  std::string out = "BM";
  put32(out, 54 + pixels);
  put32(out, 0);
  put32(out, 54);
  put32(out, 40);
  put32(out, static_cast<uint32_t>(width));
  put32(out, static_cast<uint32_t>(height));
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);
  put32(out, pixels);
  put32(out, 2835);
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      const uint32_t c = pictureColor(width, height, seed, x, y);
      row.push_back(static_cast<char>(c & 0xFF));
      row.push_back(static_cast<char>((c >> 8) & 0xFF));
      row.push_back(static_cast<char>((c >> 16) & 0xFF));
    }
    row.resize(rowBytes, '\0');
    out += row;
  }
  return out;
}

}  // namespace tavoro::test
