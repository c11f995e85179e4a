// What the JPEG codec hands libjpeg: an error manager whose error exit
// long-jumps back into the codec and which never prints, and source and
// destination managers on an ImageStream through a 4096-byte buffer.
// Plain C structures on purpose: a long jump may cross them, so they hold
// nothing with a destructor. Thread-safe (each codec call has its own).
#pragma once

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include "ImageStream.h"

namespace tavoro {

struct JpegErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

struct JpegSource {
  jpeg_source_mgr pub;
  ImageStream* stream;
  bool startOfFile;
  JOCTET buffer[4096];
};

struct JpegDestination {
  jpeg_destination_mgr pub;
  ImageStream* stream;
  JOCTET buffer[4096];
};

// A progressive file with more scans than this is refused: each scan passes
// over the whole picture, so a small hostile file could otherwise keep the
// decoder busy for minutes.
inline constexpr int kMostJpegScans = 500;

// Fills the manager and returns the pointer to put into cinfo->err.
jpeg_error_mgr* setUpJpegErrors(JpegErrorManager& manager);
void attachJpegSource(j_decompress_ptr cinfo, JpegSource& source, ImageStream& stream);
void attachJpegDestination(j_compress_ptr cinfo, JpegDestination& destination, ImageStream& stream);
// Installs the scan limit on a decompressor.
void limitJpegScans(j_decompress_ptr cinfo, jpeg_progress_mgr& progress);

}  // namespace tavoro
