#include "PngCodec.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "ImageLimits.h"
#include "PngWriter.h"
#include "RowReducer.h"

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
  // Streaming: where the rows go, where the file's chunks start, and for an
  // interlaced file the band of rows being decoded (its even rows: the odd
  // ones come whole in the last pass, in order, and go on at once).
  RowSink* sink = nullptr;
  uint64_t chunksStart = 0;
  int64_t bandBytes = 0;
  DibBitmap band;
  int bandFirst = 0;
  int channels = 3;
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

// Creates the library's structures; false when memory runs out.
bool createReader(ReadJob& job) {
  job.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onPngError, onPngWarning);
  if (!job.png) return false;
  job.info = png_create_info_struct(job.png);
  if (job.info) return true;
  png_destroy_read_struct(&job.png, &job.info, nullptr);
  return false;
}

// Reads the chunks up to the pixels and fills in the source information.
// Raises a libpng error for a size beyond the limits.
void readHeader(ReadJob& job) {
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
}

// Sets up the conversion to 8-bit blue-green-red rows, with alpha unless
// told to strip it; returns whether the rows have alpha.
bool setUpTransforms(ReadJob& job, bool stripAlpha) {
  png_uint_32 width = 0, height = 0;
  int depth = 0, colorType = 0, interlace = 0;
  png_get_IHDR(job.png, job.info, &width, &height, &depth, &colorType, &interlace, nullptr, nullptr);
  bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0;
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(job.png);
  if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(job.png);
  if (stripAlpha) {
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
  return alpha;
}

bool runRead(ReadJob& job) {
  if (!createReader(job)) return false;
  if (setjmp(png_jmpbuf(job.png))) {
    png_destroy_read_struct(&job.png, &job.info, nullptr);
    return false;
  }
  readHeader(job);
  if (job.infoOnly) {
    png_destroy_read_struct(&job.png, &job.info, nullptr);
    return true;
  }
  const png_uint_32 width = png_get_image_width(job.png, job.info), height = png_get_image_height(job.png, job.info);
  const int interlace = png_get_interlace_type(job.png, job.info);
  const ImageSourceInfo& info = job.image->info();

  // Into a box, the rows are reduced as they come and no alpha is kept. The
  // passes of an interlaced file each add to rows all over the picture: their
  // sums are kept for the whole box, unless that would take more than a
  // little and more than the picture itself.
  Size target;
  bool reducing = reducedDecodeSize(job.image->fittedDecodeBox(), {info.width, info.height}, target);
  const RowReducer::Order order = interlace != PNG_INTERLACE_NONE ? RowReducer::Order::Any : RowReducer::Order::TopDown;
  if (reducing && RowReducer::sumBytes(target, order) > std::max(kSmallSumBytes, uint64_t(width) * height * 3))
    reducing = false;

  const bool alpha = setUpTransforms(job, reducing);
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

// Streaming, one pass over the file: a plain file's rows go on as they come;
// an interlaced file's rows are final only in its last pass, which brings
// the odd rows whole and in order, the six before it having completed the
// even ones. So each pass over the file keeps the even rows of one band
// (from bandFirst on) and, in the last pass, hands every row of the band on
// as its odd neighbour arrives. True when the band reached the last row.
bool streamPass(ReadJob& job, int passes) {
  const int w = job.image->info().width, h = job.image->info().height;
  RowSink& sink = *job.sink;
  if (passes == 1) {
    for (int y = 0; y < h; ++y) {
      png_read_row(job.png, job.line.data(), nullptr);
      if (!sink.addRow(job.line.data())) png_error(job.png, "not taken");
    }
    return true;
  }
  if (!job.band.isValid()) {
    const int64_t rowBytes = int64_t{w} * job.channels;
    const int64_t evenRows = std::clamp<int64_t>(job.bandBytes / rowBytes, 1, (h + 1) / 2);
    if (!job.band.create(w, static_cast<int>(evenRows), job.channels * 8)) png_error(job.png, "out of memory");
  }
  const int first = job.bandFirst;
  const int end = static_cast<int>(std::min<int64_t>(h, first + 2 * int64_t{job.band.height()}));
  auto stored = [&](int y) { return job.band.row((y - first) / 2); };
  for (int pass = 0; pass + 1 < passes; ++pass)
    for (int y = 0; y < h; ++y)
      png_read_row(job.png, y >= first && y < end && (y & 1) == 0 ? stored(y) : nullptr, nullptr);
  for (int y = 0; y < h && (y < end || end == h); ++y) {
    const bool mine = y >= first && y < end && (y & 1) != 0;
    png_read_row(job.png, mine ? job.line.data() : nullptr, nullptr);
    if (mine && (!sink.addRow(stored(y - 1)) || !sink.addRow(job.line.data()))) png_error(job.png, "not taken");
  }
  // An odd number of rows ends with an even row, which no odd one follows.
  if ((end - first) % 2 != 0 && !sink.addRow(stored(end - 1))) png_error(job.png, "not taken");
  job.bandFirst = end;
  return end == h;
}

bool runStream(ReadJob& job) {
  for (;;) {
    if (!createReader(job)) return false;
    if (setjmp(png_jmpbuf(job.png))) {
      png_destroy_read_struct(&job.png, &job.info, nullptr);
      return false;
    }
    if (!job.stream->seek(job.chunksStart)) png_error(job.png, "seek failed");
    readHeader(job);
    const ImageSourceInfo& info = job.image->info();
    job.channels = setUpTransforms(job, false) ? 4 : 3;
    const int passes = png_set_interlace_handling(job.png);
    png_read_update_info(job.png, job.info);
    if (png_get_rowbytes(job.png, job.info) != static_cast<size_t>(info.width) * job.channels)
      png_error(job.png, "unexpected row size");
    if (job.bandFirst == 0) {
      job.line.resize(static_cast<size_t>(info.width) * 4);
      if (!job.sink->begin({info.width, info.height}, job.channels)) png_error(job.png, "not taken");
    }
    if (streamPass(job, passes)) {
      png_read_end(job.png, nullptr);
      png_destroy_read_struct(&job.png, &job.info, nullptr);
      return true;
    }
    png_destroy_read_struct(&job.png, &job.info, nullptr);
  }
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

bool PngCodec::streamFromStream(PhotoImage& image, ImageStream& stream, RowSink& sink) {
  image.clear();
  uint8_t signature[8];
  if (stream.read(signature, 8) != 8 || png_sig_cmp(signature, 0, 8) != 0) return false;
  ReadJob job;
  job.stream = &stream;
  job.image = &image;
  job.sink = &sink;
  job.chunksStart = stream.position();
  job.bandBytes = image.streamBandBytes();
  bool ok = false;
  try {
    ok = runStream(job);
  } catch (const std::bad_alloc&) {
    if (job.png) png_destroy_read_struct(&job.png, &job.info, nullptr);
    ok = false;
  }
  return ok;
}

std::unique_ptr<RowSink> PngCodec::createRowWriter(const PhotoImage& settings, ImageStream& stream) {
  try {
    return std::make_unique<PngRowWriter>(stream, settings.pngCompressionLevel());
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

bool PngCodec::saveToStream(const PhotoImage& image, ImageStream& stream) {
  const DibBitmap& color = image.colorBitmap();
  if (!color.isValid() || color.bitsPerPixel() != 24) return false;
  if (image.hasAlpha() && (image.alphaPlane().bitsPerPixel() != 8 || image.alphaPlane().width() != color.width() ||
                           image.alphaPlane().height() != color.height()))
    return false;
  const bool alpha = image.hasAlpha();
  const int w = color.width(), h = color.height();
  std::vector<uint8_t> line;
  try {
    if (alpha) line.resize(static_cast<size_t>(w) * 4);
  } catch (const std::bad_alloc&) {
    return false;
  }
  PngRowWriter writer(stream, image.pngCompressionLevel());
  if (!writer.begin({w, h}, alpha ? 4 : 3)) return false;
  for (int y = 0; y < h; ++y) {
    if (alpha) mergeRow(color.row(y), image.alphaPlane().row(y), w, line.data());
    if (!writer.addRow(alpha ? line.data() : color.row(y))) return false;
  }
  return writer.finish();
}

}  // namespace tavoro
