// The PNG encoder on libpng as a row sink: 8-bit RGB, or RGBA for rows of
// four channels, not interlaced, with the "Software" and "Modification Time"
// texts, written onto a stream as the rows come. Not thread-safe: one writer
// writes one file.
#pragma once

#include <png.h>

#include <string>

#include "ImageStream.h"
#include "RowSink.h"

namespace tavoro {

class PngRowWriter : public RowSink {
 public:
  // compressionLevel: zlib's 0..9.
  PngRowWriter(ImageStream& stream, int compressionLevel);
  ~PngRowWriter() override;
  PngRowWriter(const PngRowWriter&) = delete;
  PngRowWriter& operator=(const PngRowWriter&) = delete;

  bool begin(Size size, int channels) override;
  bool addRow(const uint8_t* row) override;
  bool finish() override;

 private:
  void destroy();

  ImageStream& m_stream;
  int m_level;
  png_structp m_png = nullptr;
  png_infop m_info = nullptr;
  std::string m_software;
  std::string m_modified;
  bool m_failed = false;
};

}  // namespace tavoro
