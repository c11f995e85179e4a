#include "ImageTestFiles.h"

#include <jpeglib.h>
#include <png.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace tavoro::test {

DibBitmap makeBitmap(int width, int height, const std::function<Bgra(int x, int y)>& colour) {
  DibBitmap b;
  if (!b.create(width, height, 24)) throw std::runtime_error("cannot make a test bitmap");
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const Bgra c = colour(x, y);
      b.setPixel(x, y, static_cast<uint32_t>(c.blue | c.green << 8 | c.red << 16));
    }
  return b;
}

void putLe16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8 & 0xFF);
}

void putLe32(std::string& out, uint32_t v) {
  putLe16(out, v & 0xFFFF);
  putLe16(out, v >> 16);
}

std::string bmpFile(const BmpLayout& s) {
  std::string header;
  putLe32(header, s.headerSize);
  if (s.headerSize == 12) {
    putLe16(header, static_cast<uint32_t>(s.width));
    putLe16(header, static_cast<uint32_t>(s.height));
    putLe16(header, 1);
    putLe16(header, s.bits);
  } else {
    putLe32(header, static_cast<uint32_t>(s.width));
    putLe32(header, static_cast<uint32_t>(s.height));
    putLe16(header, 1);
    putLe16(header, s.bits);
    putLe32(header, s.compression);
    putLe32(header, static_cast<uint32_t>(s.pixels.size()));
    putLe32(header, 2835);
    putLe32(header, 2835);
    putLe32(header, s.clrUsed);
    putLe32(header, 0);
    if (s.headerSize > 40)
      for (uint32_t m : s.masks) putLe32(header, m);
    header.resize(s.headerSize, '\0');
    if (s.headerSize == 40)
      for (uint32_t m : s.masks) putLe32(header, m);
  }
  for (const auto& e : s.palette) {
    header.append(reinterpret_cast<const char*>(e.data()), 3);
    if (s.headerSize != 12) header += '\0';
  }
  const uint32_t offset =
      s.pixelOffset >= 0 ? static_cast<uint32_t>(s.pixelOffset) : static_cast<uint32_t>(14 + header.size());
  std::string file = "BM";
  putLe32(file, static_cast<uint32_t>(offset + s.pixels.size()));
  putLe32(file, 0);
  putLe32(file, offset);
  file += header;
  if (file.size() < offset) file.resize(offset, '\0');
  file.resize(offset);
  return file + s.pixels;
}

std::string jpegFile(int width, int height, int components, const Sampler& sample, int quality, bool subsampleChroma) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  // Without subsampling, small blocks of colour keep their colour.
  if (!subsampleChroma)
    for (int c = 0; c < cinfo.num_components; ++c)
      cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width * components));
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < width; ++x) {
      const auto v = sample(x, y);
      for (int c = 0; c < components; ++c)
        row[static_cast<size_t>(x * components + c)] = static_cast<JSAMPLE>(v[static_cast<size_t>(c)]);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::string out(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return out;
}

std::string jpegSegment(uint8_t marker, const std::string& payload) {
  std::string s = {'\xFF', static_cast<char>(marker)};
  const size_t length = payload.size() + 2;
  s += static_cast<char>(length >> 8);
  s += static_cast<char>(length & 0xFF);
  return s + payload;
}

std::string insertSegments(const std::string& jpeg, const std::vector<std::string>& segments) {
  std::string out = jpeg.substr(0, 2);
  for (const std::string& s : segments) out += s;
  return out + jpeg.substr(2);
}

namespace {

// TIFF data in either byte order.
class TiffWriter {
 public:
  explicit TiffWriter(bool bigEndian) : m_big(bigEndian) {}
  void put16(uint32_t v) {
    const char high = static_cast<char>(v >> 8), low = static_cast<char>(v);
    m_out += m_big ? high : low;
    m_out += m_big ? low : high;
  }
  void put32(uint32_t v) {
    if (m_big) {
      put16(v >> 16);
      put16(v & 0xFFFF);
    } else {
      put16(v & 0xFFFF);
      put16(v >> 16);
    }
  }
  void entry(uint16_t tag, uint16_t type, uint32_t count, uint32_t value) {
    put16(tag);
    put16(type);
    put32(count);
    if (type == 3 && count == 1) {  // a SHORT sits in the first two value bytes
      put16(value);
      put16(0);
    } else {
      put32(value);
    }
  }
  std::string& out() { return m_out; }

 private:
  bool m_big;
  std::string m_out;
};

}  // namespace

std::string exifPayload(const ExifBlock& block) {
  TiffWriter t(block.bigEndian);
  t.out() = block.bigEndian ? "MM" : "II";
  t.put16(42);
  t.put32(8);
  const bool date = !block.dateTaken.empty(), thumb = !block.thumbnail.empty();
  const uint32_t entries0 = (block.orientation ? 1 : 0) + (date ? 1 : 0);
  uint32_t pos = 8 + 2 + 12 * entries0 + 4;
  const uint32_t exifIfd = pos;
  if (date) pos += 2 + 12 + 4;
  const uint32_t dateAt = pos;
  const uint32_t dateCount = static_cast<uint32_t>(block.dateTaken.size() + 1);
  if (date) pos += dateCount;
  const uint32_t ifd1 = pos;
  if (thumb) pos += 2 + 24 + 4;
  const uint32_t thumbAt = pos;

  t.put16(entries0);
  if (block.orientation) t.entry(0x0112, 3, 1, static_cast<uint32_t>(block.orientation));
  if (date) t.entry(0x8769, 4, 1, exifIfd);
  t.put32(thumb ? ifd1 : 0);
  if (date) {
    t.put16(1);
    t.entry(0x9003, 2, dateCount, dateAt);
    t.put32(0);
    t.out() += block.dateTaken;
    t.out() += '\0';
  }
  if (thumb) {
    t.put16(2);
    t.entry(0x0201, 4, 1, thumbAt);
    t.entry(0x0202, 4, 1, static_cast<uint32_t>(block.thumbnail.size()));
    t.put32(0);
    t.out() += block.thumbnail;
  }
  return std::string("Exif\0\0", 6) + t.out();
}

namespace {

void appendToString(png_structp png, png_bytep data, size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

struct PngReadSource {
  const std::string* bytes;
  size_t at;
};

void readFromString(png_structp png, png_bytep data, size_t length) {
  auto* src = static_cast<PngReadSource*>(png_get_io_ptr(png));
  if (src->at + length > src->bytes->size()) png_error(png, "short");
  std::memcpy(data, src->bytes->data() + src->at, length);
  src->at += length;
}

}  // namespace

std::string pngFile(const PngLayout& s) {
  std::string out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) throw std::runtime_error("libpng failed writing a test file");
  png_set_write_fn(png, &out, appendToString, nullptr);
  png_set_IHDR(png, info, static_cast<png_uint_32>(s.width), static_cast<png_uint_32>(s.height), s.bitDepth,
               s.colorType, s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  for (const auto& e : s.palette) palette.push_back(png_color{e[0], e[1], e[2]});
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  png_color_16 transparent{};
  transparent.gray = s.transparent[0];
  transparent.red = s.transparent[0];
  transparent.green = s.transparent[1];
  transparent.blue = s.transparent[2];
  if (!s.paletteAlpha.empty())
    png_set_tRNS(png, info, s.paletteAlpha.data(), static_cast<int>(s.paletteAlpha.size()), nullptr);
  else if (s.hasTransparent)
    png_set_tRNS(png, info, nullptr, 0, &transparent);
  if (s.gamma > 0) png_set_gAMA(png, info, s.gamma);
  png_write_info(png, info);

  const int channels = s.colorType == 0 || s.colorType == 3 ? 1 : s.colorType == 4 ? 2 : s.colorType == 2 ? 3 : 4;
  const size_t rowBytes = (static_cast<size_t>(s.width) * channels * s.bitDepth + 7) / 8;
  std::vector<std::vector<png_byte>> rows(static_cast<size_t>(s.height), std::vector<png_byte>(rowBytes));
  for (int y = 0; y < s.height; ++y) {
    auto& row = rows[static_cast<size_t>(y)];
    size_t bit = 0;
    for (int x = 0; x < s.width; ++x) {
      const auto v = s.sample(x, y);
      for (int c = 0; c < channels; ++c, bit += static_cast<size_t>(s.bitDepth)) {
        const uint16_t value = v[static_cast<size_t>(c)];
        if (s.bitDepth == 16) {
          row[bit / 8] = static_cast<png_byte>(value >> 8);
          row[bit / 8 + 1] = static_cast<png_byte>(value & 0xFF);
        } else if (s.bitDepth == 8) {
          row[bit / 8] = static_cast<png_byte>(value);
        } else {
          const int shift = 8 - s.bitDepth - static_cast<int>(bit % 8);
          row[bit / 8] = static_cast<png_byte>(row[bit / 8] | (value & ((1 << s.bitDepth) - 1)) << shift);
        }
      }
    }
  }
  std::vector<png_bytep> pointers;
  for (auto& r : rows) pointers.push_back(r.data());
  png_write_image(png, pointers.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::vector<std::pair<std::string, std::string>> pngTexts(const std::string& bytes) {
  std::vector<std::pair<std::string, std::string>> texts;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return {};
  }
  PngReadSource source{&bytes, 0};
  png_set_read_fn(png, &source, readFromString);
  png_read_info(png, info);
  png_textp text = nullptr;
  const int count = png_get_text(png, info, &text, nullptr);
  for (int i = 0; i < count; ++i) texts.emplace_back(text[i].key, std::string(text[i].text, text[i].text_length));
  png_destroy_read_struct(&png, &info, nullptr);
  return texts;
}

double pngFileGamma(const std::string& bytes) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return 0;
  }
  PngReadSource source{&bytes, 0};
  png_set_read_fn(png, &source, readFromString);
  png_read_info(png, info);
  double gamma = 0;
  if (!png_get_gAMA(png, info, &gamma)) gamma = 0;
  png_destroy_read_struct(&png, &info, nullptr);
  return gamma;
}

std::pair<int, int> jpegLumaSampling(const std::string& jpeg) {
  jpeg_decompress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(jpeg.data()), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&cinfo, TRUE);
  const std::pair<int, int> factors{cinfo.comp_info[0].h_samp_factor, cinfo.comp_info[0].v_samp_factor};
  jpeg_destroy_decompress(&cinfo);
  return factors;
}

}  // namespace tavoro::test
