#include "JpegCodec.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "BitmapFitting.h"
#include "ImageLimits.h"
#include "JpegLibrary.h"
#include "JpegWriter.h"
#include "RowReducer.h"

namespace tavoro {
namespace {

// Everything a libjpeg call needs lives here, in the caller's frame, so that
// the functions that call setjmp hold no object with a destructor and nothing
// a long jump could leave half-changed in a register.
struct DecodeJob {
  jpeg_decompress_struct cinfo;
  JpegErrorManager errors;
  JpegSource source;
  jpeg_progress_mgr progress;
  ImageStream* stream;
  PhotoImage* image;
  bool infoOnly;
  RowReducer reducer;  // for a picture decoded into a box
  RowSink* sink;       // for a picture streamed at full size
};

// The strongest reduction libjpeg offers whose picture still covers the
// picture fitted into the box: the rest is left to the fitting, which
// smooths better than skipping coefficients.
void chooseReduction(j_decompress_ptr cinfo, Size box) {
  if (box.width <= 0 || box.height <= 0) return;
  const Size image{static_cast<int>(cinfo->image_width), static_cast<int>(cinfo->image_height)};
  if (image.width <= box.width && image.height <= box.height) return;
  const Size fitted = fitSize(box, image);
  for (unsigned denominator : {8u, 4u, 2u}) {
    cinfo->scale_num = 1;
    cinfo->scale_denom = denominator;
    jpeg_calc_output_dimensions(cinfo);
    if (static_cast<int>(cinfo->output_width) >= fitted.width && static_cast<int>(cinfo->output_height) >= fitted.height)
      return;
  }
  cinfo->scale_denom = 1;
}

// Adobe stores CMYK inverted: 255 is no ink. Each colour is its complement's
// value scaled by the key.
void cmykToBgr(const JSAMPLE* in, JDIMENSION width, JSAMPLE* out) {
  for (JDIMENSION x = 0; x < width; ++x, in += 4, out += 3) {
    const unsigned k = in[3];
    out[0] = static_cast<JSAMPLE>(in[2] * k / 255);
    out[1] = static_cast<JSAMPLE>(in[1] * k / 255);
    out[2] = static_cast<JSAMPLE>(in[0] * k / 255);
  }
}

// The rest of runDecode for a picture decoded into a box: each scanline of
// the library's scaled output goes through the reducer.
bool readReduced(DecodeJob& job, Size target) {
  j_decompress_ptr cinfo = &job.cinfo;
  const bool cmyk = cinfo->out_color_components == 4;
  const Size scaled{static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height)};
  if (!job.reducer.start(scaled, target, RowReducer::Order::TopDown)) {
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  JSAMPARRAY line = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                                 cinfo->output_width * (cmyk ? 4 : 3), 1);
  while (cinfo->output_scanline < cinfo->output_height) {
    const int y = static_cast<int>(cinfo->output_scanline);
    if (jpeg_read_scanlines(cinfo, line, 1) != 1) continue;
    if (cmyk) {
      cmykToBgr(line[0], cinfo->output_width, job.reducer.rowBuffer());
      job.reducer.addRow(y, job.reducer.rowBuffer());
    } else {
      job.reducer.addRow(y, line[0]);
    }
  }
  jpeg_finish_decompress(cinfo);
  jpeg_destroy_decompress(cinfo);
  return job.reducer.finish(job.image->colorBitmap());
}

// The rest of runDecode for a picture streamed: each scanline goes on.
bool streamRows(DecodeJob& job) {
  j_decompress_ptr cinfo = &job.cinfo;
  const bool cmyk = cinfo->out_color_components == 4;
  const JDIMENSION width = cinfo->output_width;
  JSAMPARRAY line = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                                 width * (cmyk ? 7 : 3), 1);
  if (!job.sink->begin({static_cast<int>(width), static_cast<int>(cinfo->output_height)}, 3)) {
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  while (cinfo->output_scanline < cinfo->output_height) {
    if (jpeg_read_scanlines(cinfo, line, 1) != 1) continue;
    // A CMYK row is converted into the line's last three-sevenths.
    JSAMPROW bgr = cmyk ? line[0] + width * 4 : line[0];
    if (cmyk) cmykToBgr(line[0], width, bgr);
    if (!job.sink->addRow(bgr)) {
      jpeg_destroy_decompress(cinfo);
      return false;
    }
  }
  jpeg_finish_decompress(cinfo);
  jpeg_destroy_decompress(cinfo);
  return true;
}

bool runDecode(DecodeJob& job) {
  j_decompress_ptr cinfo = &job.cinfo;
  cinfo->err = setUpJpegErrors(job.errors);
  if (setjmp(job.errors.jump)) {
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  jpeg_create_decompress(cinfo);
  attachJpegSource(cinfo, job.source, *job.stream);
  limitJpegScans(cinfo, job.progress);
  jpeg_read_header(cinfo, TRUE);

  ImageSourceInfo& info = job.image->info();
  info.type = ImageType::Jpg;
  info.width = static_cast<int>(cinfo->image_width);
  info.height = static_cast<int>(cinfo->image_height);
  info.components = cinfo->num_components;
  info.bitsPerPixel = cinfo->num_components * 8;
  if (!acceptableImageSize(cinfo->image_width, cinfo->image_height)) {
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  if (job.infoOnly) {
    jpeg_destroy_decompress(cinfo);
    return true;
  }

  const bool cmyk = cinfo->num_components == 4;
  cinfo->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
  // Into a fitted box, the library reduces the picture as far as it still
  // covers the fitted size, and its rows are reduced the rest of the way as
  // they come; a reduced box only lets the library reduce.
  Size target;
  const bool reducing = reducedDecodeSize(job.image->fittedDecodeBox(), {info.width, info.height}, target);
  chooseReduction(cinfo, reducing ? job.image->fittedDecodeBox() : job.image->reducedDecodeBox());
  // The coefficients of a progressive (or otherwise multi-scan) file are
  // held for the whole picture, also when it is scaled; libjpeg refuses to
  // decode when they would not fit beside the picture itself, or into what
  // a decode into a fitted box may hold.
  const int64_t pictureBytes = (int64_t{cinfo->image_width} * 3 + 3) / 4 * 4 * cinfo->image_height;
  const int64_t libraryBytes =
      reducing || job.sink ? kMaxReducingDecodeBytes : kMaxDecodeBytes - pictureBytes;
  cinfo->mem->max_memory_to_use = static_cast<long>(std::max<int64_t>(libraryBytes, 1));
  jpeg_start_decompress(cinfo);
  if (reducing) return readReduced(job, target);
  if (job.sink) return streamRows(job);
  DibBitmap& bitmap = job.image->colorBitmap();
  if (!bitmap.create(static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height), 24)) {
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  // libjpeg wants writable row pointers; the table is the bitmap's own.
  JSAMPARRAY rows = const_cast<JSAMPARRAY>(bitmap.rows());
  const JDIMENSION height = cinfo->output_height;
  if (!cmyk) {
    while (cinfo->output_scanline < height)
      jpeg_read_scanlines(cinfo, rows + cinfo->output_scanline, height - cinfo->output_scanline);
  } else {
    JSAMPARRAY line =
        (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE, cinfo->output_width * 4, 1);
    while (cinfo->output_scanline < height) {
      const JDIMENSION y = cinfo->output_scanline;
      if (jpeg_read_scanlines(cinfo, line, 1) != 1) continue;
      cmykToBgr(line[0], cinfo->output_width, rows[y]);
    }
  }
  jpeg_finish_decompress(cinfo);
  jpeg_destroy_decompress(cinfo);
  return true;
}

// Encodes the 24-bit bitmap through a row writer.
bool encodeWith(const DibBitmap& bitmap, const JpegSaveSettings& settings, const JpegSegmentList* segments,
                ImageStream& stream) {
  if (!bitmap.isValid() || bitmap.bitsPerPixel() != 24) return false;
  JpegRowWriter writer(stream, settings, segments);
  if (!writer.begin({bitmap.width(), bitmap.height()}, 3)) return false;
  for (int y = 0; y < bitmap.height(); ++y)
    if (!writer.addRow(bitmap.row(y))) return false;
  return writer.finish();
}

}  // namespace

int JpegCodec::libraryQuality(int quality) {
  const int q = static_cast<int>(std::clamp(quality, 0, 100) * 0.93 + 5 + 0.5);
  return std::clamp(q, 5, 98);
}

bool JpegCodec::encodeBitmap(const DibBitmap& bitmap, const JpegSaveSettings& settings, ImageStream& stream) {
  return encodeWith(bitmap, settings, nullptr, stream);
}

bool JpegCodec::saveToStream(const PhotoImage& image, ImageStream& stream) {
  return encodeWith(image.colorBitmap(), image.jpegSettings(), &image.segments(), stream);
}

std::unique_ptr<RowSink> JpegCodec::createRowWriter(const PhotoImage& settings, ImageStream& stream) {
  try {
    return std::make_unique<JpegRowWriter>(stream, settings.jpegSettings(), &settings.segments());
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

bool JpegCodec::streamFromStream(PhotoImage& image, ImageStream& stream, RowSink& sink) {
  image.clear();
  return decode(image, stream, false, &sink);
}

bool JpegCodec::loadFromStream(PhotoImage& image, ImageStream& stream, bool infoOnly) {
  image.clear();
  return decode(image, stream, infoOnly, nullptr);
}

bool JpegCodec::decode(PhotoImage& image, ImageStream& stream, bool infoOnly, RowSink* sink) {
  if (!infoOnly) {
    const uint64_t start = stream.position();
    readSegments(stream, true, image.segments());  // a failure leaves the list empty and is no error
    if (!stream.seek(start)) {
      image.clear();
      return false;
    }
  }
  std::unique_ptr<DecodeJob> job;
  bool ok = false;
  try {
    job = std::make_unique<DecodeJob>();  // zeroed: destroying a struct libjpeg never made is harmless
    job->stream = &stream;
    job->image = &image;
    job->infoOnly = infoOnly;
    job->sink = sink;
    ok = runDecode(*job);
  } catch (const std::bad_alloc&) {
    // Thrown by our own allocation between library calls, never through them.
    if (job) jpeg_destroy_decompress(&job->cinfo);
    ok = false;
  }
  if (!ok && !sink) image.clear();
  return ok;
}

}  // namespace tavoro
