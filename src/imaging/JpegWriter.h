// The JPEG encoder on libjpeg as a row sink: 24-bit colour (a fourth channel
// is left out) with JpegSaveSettings, written onto a stream as the rows come.
// Application segments kept from a source photo (EXIF, IPTC, ...) go in
// front of the new file's own tables, after a 300-dpi JFIF segment unless
// the first of them is EXIF. Not thread-safe: one writer writes one file.
#pragma once

#include <memory>
#include <vector>

#include "ImageStream.h"
#include "JpegSegments.h"
#include "PhotoImage.h"
#include "RowSink.h"

namespace tavoro {

class JpegRowWriter : public RowSink {
 public:
  // The settings and the segments (null: none) are read in begin, and must
  // live until then.
  JpegRowWriter(ImageStream& stream, const JpegSaveSettings& settings, const JpegSegmentList* segments);
  ~JpegRowWriter() override;
  JpegRowWriter(const JpegRowWriter&) = delete;
  JpegRowWriter& operator=(const JpegRowWriter&) = delete;

  bool begin(Size size, int channels) override;
  bool addRow(const uint8_t* row) override;
  bool finish() override;

 private:
  struct Job;
  bool writeRow();
  std::unique_ptr<Job> m_job;
  ImageStream& m_stream;
  const JpegSaveSettings& m_settings;
  const JpegSegmentList* m_segments;
  int m_channels = 3;
  std::vector<uint8_t> m_line;  // a row without its fourth channel
};

// Whether the list holds application segments that a JPEG written from the
// image keeps.
bool hasKeptSegments(const JpegSegmentList& list);

}  // namespace tavoro
