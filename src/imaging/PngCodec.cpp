#include "PngCodec.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "ImageLimits.h"
#include "RowReducer.h"
#include "platform/AppPaths.h"
#include "wardrobe/DateTime.h"

namespace tavoro {
namespace {

constexpr png_alloc_size_t kMostPngChunkBytes = 8 * 1024 * 1024;
// Sums a reducer may always keep for a picture decoded into a box.
constexpr uint64_t kSmallSumBytes = 64 << 20;

// libpng reports errors to this handler, which long-jumps back into the
// codec at once (returning would make libpng print the message itself).
void onPngError(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void onPngWarning(png_structp, png_const_charp) {}

void readFromStream(png_structp png, png_bytep data, size_t length) {
  ImageStream* stream = static_cast<ImageStream*>(png_get_io_ptr(png));
  if (stream->read(data, length) != length) png_error(png, "short read");
}

void writeToStream(png_structp png, png_bytep data, size_t length) {
  ImageStream* stream = static_cast<ImageStream*>(png_get_io_ptr(png));
  if (!stream->write(data, length)) png_error(png, "write failed");
}

void flushNothing(png_structp) {}

// The state of one libpng call, kept in the caller's frame: the functions
// that call setjmp hold no object with a destructor, and everything they need
// after a long jump is read from here rather than from their registers.
struct ReadJob {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ImageStream* stream = nullptr;
  PhotoImage* image = nullptr;
  bool infoOnly = false;
  std::vector<uint8_t> line;  // one 32-bit row, for files with alpha
  RowReducer reducer;         // for a picture decoded into a box
};

struct WriteJob {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ImageStream* stream = nullptr;
  const PhotoImage* image = nullptr;
  std::string software;
  std::string modified;
  std::vector<uint8_t> line;
};

void mergeRow(const uint8_t* color, const uint8_t* alpha, int width, uint8_t* bgra) {
  for (int x = 0; x < width; ++x, bgra += 4, color += 3) {
    bgra[0] = color[0];
    bgra[1] = color[1];
    bgra[2] = color[2];
    bgra[3] = alpha[x];
  }
}

void splitRow(const uint8_t* bgra, int width, uint8_t* color, uint8_t* alpha) {
  for (int x = 0; x < width; ++x, bgra += 4, color += 3) {
    color[0] = bgra[0];
    color[1] = bgra[1];
    color[2] = bgra[2];
    alpha[x] = bgra[3];
  }
}

bool runRead(ReadJob& job) {
  job.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onPngError, onPngWarning);
  if (!job.png) return false;
  job.info = png_create_info_struct(job.png);
  if (!job.info || setjmp(png_jmpbuf(job.png))) {
    png_destroy_read_struct(&job.png, &job.info, nullptr);
    return false;
  }
  png_set_read_fn(job.png, job.stream, readFromStream);
  png_set_sig_bytes(job.png, 8);
  png_set_user_limits(job.png, static_cast<png_uint_32>(kMaxImageSide), static_cast<png_uint_32>(kMaxImageSide));
  // Only the chunks the picture needs are read; libpng would otherwise
  // allocate whatever a text or profile chunk claims (gigabytes, from a
  // hundred-byte file). Skipped chunks are read past in small pieces.
  png_set_keep_unknown_chunks(job.png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  static const png_byte kWanted[] = {'g', 'A', 'M', 'A', '\0'};
  png_set_keep_unknown_chunks(job.png, PNG_HANDLE_CHUNK_AS_DEFAULT, kWanted, 1);
  png_set_chunk_malloc_max(job.png, kMostPngChunkBytes);
  png_read_info(job.png, job.info);

  png_uint_32 width = 0, height = 0;
  int depth = 0, colorType = 0, interlace = 0;
  png_get_IHDR(job.png, job.info, &width, &height, &depth, &colorType, &interlace, nullptr, nullptr);
  ImageSourceInfo& info = job.image->info();
  info.type = ImageType::Png;
  info.width = static_cast<int>(width);
  info.height = static_cast<int>(height);
  info.bitDepth = depth;
  info.channels = png_get_channels(job.png, job.info);
  info.colorType = colorType;
  info.interlace = interlace;
  info.bitsPerPixel = info.channels * depth;
  if (!acceptableImageSize(width, height)) png_error(job.png, "too large");
  if (job.infoOnly) {
    png_destroy_read_struct(&job.png, &job.info, nullptr);
    return true;
  }

  // Into a box, the rows are reduced as they come and no alpha is kept. The
  // passes of an interlaced file each add to rows all over the picture: their
  // sums are kept for the whole box, unless that would take more than a
  // little and more than the picture itself.
  Size target;
  bool reducing = reducedDecodeSize(job.image->fittedDecodeBox(), {info.width, info.height}, target);
  const RowReducer::Order order = interlace != PNG_INTERLACE_NONE ? RowReducer::Order::Any : RowReducer::Order::TopDown;
  if (reducing && RowReducer::sumBytes(target, order) > std::max(kSmallSumBytes, uint64_t(width) * height * 3))
    reducing = false;

  bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0;
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(job.png);
  if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(job.png);
  if (reducing) {
    // Also the alpha that expanding a palette makes of its tRNS chunk.
    png_set_strip_alpha(job.png);
    alpha = false;
  } else if (png_get_valid(job.png, job.info, PNG_INFO_tRNS)) {
    png_set_tRNS_to_alpha(job.png);
    alpha = true;
  }
  if (depth == 16) png_set_strip_16(job.png);
  if (depth < 8) png_set_packing(job.png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(job.png);
  png_set_bgr(job.png);
  double fileGamma = 0;
  if (!png_get_gAMA(job.png, job.info, &fileGamma)) fileGamma = 0.45455;
  png_set_gamma(job.png, 2.2, fileGamma);
  const int passes = png_set_interlace_handling(job.png);
  png_read_update_info(job.png, job.info);
  if (png_get_rowbytes(job.png, job.info) != static_cast<size_t>(width) * (alpha ? 4 : 3))
    png_error(job.png, "unexpected row size");

  const int w = static_cast<int>(width), h = static_cast<int>(height);
  DibBitmap& color = job.image->colorBitmap();
  if (reducing) {
    if (!job.reducer.start({w, h}, target, order)) png_error(job.png, "out of memory");
    for (int pass = 0; pass < passes; ++pass) {
      for (int y = 0; y < h; ++y) {
        // An interlaced pass writes only its own pixels into the buffer,
        // which the reducer hands out zero-filled.
        uint8_t* row = job.reducer.rowBuffer();
        png_read_row(job.png, row, nullptr);
        if (order != RowReducer::Order::Any || PNG_ROW_IN_INTERLACE_PASS(y, pass)) job.reducer.addRow(y, row);
      }
    }
    if (!job.reducer.finish(color)) png_error(job.png, "rows missing");
  } else if (!color.create(w, h, 24)) {
    png_error(job.png, "out of memory");
  } else if (!alpha) {
    png_read_image(job.png, const_cast<png_bytepp>(color.rows()));
  } else {
    DibBitmap& plane = job.image->alphaPlane();
    if (!plane.create(w, h, 8)) png_error(job.png, "out of memory");
    // Row by row through one 32-bit line: no second copy of the picture.
    // Each pass of an interlaced file adds pixels to rows an earlier pass
    // filled, so a row is put together again from the colour bitmap and
    // the alpha plane before the next pass adds to it.
    job.line.resize(static_cast<size_t>(w) * 4);
    for (int pass = 0; pass < passes; ++pass) {
      for (int y = 0; y < h; ++y) {
        const bool interlaced = interlace != PNG_INTERLACE_NONE;
        const bool inPass = !interlaced || PNG_ROW_IN_INTERLACE_PASS(y, pass);
        if (inPass && interlaced) mergeRow(color.row(y), plane.row(y), w, job.line.data());
        png_read_row(job.png, job.line.data(), nullptr);
        if (inPass) splitRow(job.line.data(), w, color.row(y), plane.row(y));
      }
    }
  }
  png_read_end(job.png, nullptr);
  png_destroy_read_struct(&job.png, &job.info, nullptr);
  return true;
}

bool runWrite(WriteJob& job) {
  job.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onPngError, onPngWarning);
  if (!job.png) return false;
  job.info = png_create_info_struct(job.png);
  if (!job.info || setjmp(png_jmpbuf(job.png))) {
    png_destroy_write_struct(&job.png, &job.info);
    return false;
  }
  const PhotoImage& image = *job.image;
  const DibBitmap& color = image.colorBitmap();
  const bool alpha = image.hasAlpha();
  const int w = color.width(), h = color.height();
  png_set_write_fn(job.png, job.stream, writeToStream, flushNothing);
  png_set_compression_level(job.png, std::clamp(image.pngCompressionLevel(), 0, 9));
  png_set_IHDR(job.png, job.info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
               alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_text texts[2] = {};
  texts[0].compression = PNG_TEXT_COMPRESSION_NONE;
  texts[0].key = const_cast<char*>("Software");
  texts[0].text = job.software.data();
  texts[0].text_length = job.software.size();
  texts[1].compression = PNG_TEXT_COMPRESSION_NONE;
  texts[1].key = const_cast<char*>("Modification Time");
  texts[1].text = job.modified.data();
  texts[1].text_length = job.modified.size();
  png_set_text(job.png, job.info, texts, 2);
  png_write_info(job.png, job.info);
  png_set_bgr(job.png);
  for (int y = 0; y < h; ++y) {
    if (!alpha) {
      png_write_row(job.png, color.row(y));
      continue;
    }
    const uint8_t* c = color.row(y);
    const uint8_t* a = image.alphaPlane().row(y);
    uint8_t* out = job.line.data();
    for (int x = 0; x < w; ++x, c += 3, out += 4) out[0] = c[0], out[1] = c[1], out[2] = c[2], out[3] = a[x];
    png_write_row(job.png, job.line.data());
  }
  png_write_end(job.png, job.info);
  png_destroy_write_struct(&job.png, &job.info);
  return true;
}

// PNG text is Latin-1.
std::string latin1(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += (c >= 0x20 && c <= 0xFF) ? static_cast<char>(c) : '?';
  return out;
}

}  // namespace

bool PngCodec::loadFromStream(PhotoImage& image, ImageStream& stream, bool infoOnly) {
  image.clear();
  uint8_t signature[8];
  if (stream.read(signature, 8) != 8 || png_sig_cmp(signature, 0, 8) != 0) return false;
  ReadJob job;
  job.stream = &stream;
  job.image = &image;
  job.infoOnly = infoOnly;
  bool ok = false;
  try {
    ok = runRead(job);
  } catch (const std::bad_alloc&) {
    // From our own allocations between library calls, never through them.
    if (job.png) png_destroy_read_struct(&job.png, &job.info, nullptr);
    ok = false;
  }
  if (!ok) image.clear();
  return ok;
}

bool PngCodec::saveToStream(const PhotoImage& image, ImageStream& stream) {
  const DibBitmap& color = image.colorBitmap();
  if (!color.isValid() || color.bitsPerPixel() != 24) return false;
  if (image.hasAlpha() && (image.alphaPlane().bitsPerPixel() != 8 || image.alphaPlane().width() != color.width() ||
                           image.alphaPlane().height() != color.height()))
    return false;
  WriteJob job;
  job.stream = &stream;
  job.image = &image;
  try {
    job.software = latin1(AppPaths::productName());
    job.modified = latin1(gmtNowText());
    job.line.resize(static_cast<size_t>(color.width()) * 4);
    return runWrite(job);
  } catch (const std::bad_alloc&) {
    if (job.png) png_destroy_write_struct(&job.png, &job.info);
    return false;
  }
}

}  // namespace tavoro
