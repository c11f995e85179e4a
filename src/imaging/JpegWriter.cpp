#include "JpegWriter.h"

#include <algorithm>
#include <new>

#include "JpegCodec.h"
#include "JpegLibrary.h"

namespace tavoro {

// What libjpeg works on, apart from the writer's C++ members: a long jump
// crosses only these plain structures.
struct JpegRowWriter::Job {
  jpeg_compress_struct cinfo;
  JpegErrorManager errors;
  JpegDestination destination;
  bool created;
  JSAMPROW row;  // the row being written
};

bool hasKeptSegments(const JpegSegmentList& list) {
  return std::any_of(list.begin(), list.end(),
                     [](const JpegSegment& s) { return s.isApplication() && s.data.size() == s.length; });
}

JpegRowWriter::JpegRowWriter(ImageStream& stream, const JpegSaveSettings& settings, const JpegSegmentList* segments)
    : m_stream(stream), m_settings(settings), m_segments(segments) {}

JpegRowWriter::~JpegRowWriter() {
  if (m_job && m_job->created) jpeg_destroy_compress(&m_job->cinfo);
}

bool JpegRowWriter::begin(Size size, int channels) {
  if (m_job || size.width <= 0 || size.height <= 0 || (channels != 3 && channels != 4)) return false;
  try {
    m_job = std::make_unique<Job>();  // zeroed
    if (channels == 4) m_line.resize(static_cast<size_t>(size.width) * 3);
  } catch (const std::bad_alloc&) {
    return false;
  }
  m_channels = channels;
  const bool keep = m_segments && hasKeptSegments(*m_segments);
  j_compress_ptr cinfo = &m_job->cinfo;
  cinfo->err = setUpJpegErrors(m_job->errors);
  if (setjmp(m_job->errors.jump)) {
    jpeg_destroy_compress(cinfo);
    m_job->created = false;
    return false;
  }
  jpeg_create_compress(cinfo);
  m_job->created = true;
  attachJpegDestination(cinfo, m_job->destination, m_stream);
  cinfo->image_width = static_cast<JDIMENSION>(size.width);
  cinfo->image_height = static_cast<JDIMENSION>(size.height);
  cinfo->input_components = 3;
  cinfo->in_color_space = JCS_EXT_BGR;  // the bitmaps' byte order, through the RGB path
  jpeg_set_defaults(cinfo);
  const JpegSaveSettings& s = m_settings;
  if (s.flags & JpegSaveSettings::kOptimize) cinfo->optimize_coding = TRUE;
  if (s.smoothing != 0) cinfo->smoothing_factor = std::clamp(s.smoothing, 1, 100);
  const int quality = JpegCodec::libraryQuality(s.quality);
  jpeg_set_quality(cinfo, quality, (s.flags & JpegSaveSettings::kForceBaseline) ? TRUE : FALSE);
  if (s.fullChromaThreshold <= quality) {
    cinfo->comp_info[0].h_samp_factor = 1;
    cinfo->comp_info[0].v_samp_factor = 1;
  }
  if (s.flags & JpegSaveSettings::kProgressive) jpeg_simple_progression(cinfo);
  // Kept segments replace the library's own JFIF segment.
  if (keep) cinfo->write_JFIF_header = FALSE;
  jpeg_start_compress(cinfo, TRUE);
  if (keep) {
    static const JOCTET kJfif300[] = {'J', 'F', 'I', 'F', 0x00, 0x01, 0x01, 0x01, 0x01, 0x2C, 0x01, 0x2C, 0x00, 0x00};
    bool first = true;
    for (const JpegSegment& segment : *m_segments) {
      if (!segment.isApplication() || segment.data.size() != segment.length) continue;
      if (first && segment.id != kJpegExif) jpeg_write_marker(cinfo, JPEG_APP0, kJfif300, sizeof kJfif300);
      first = false;
      jpeg_write_marker(cinfo, segment.marker(), segment.data.data() + 2,
                        static_cast<unsigned>(segment.data.size() - 2));
    }
  }
  return true;
}

bool JpegRowWriter::addRow(const uint8_t* row) {
  if (!m_job || !m_job->created) return false;
  m_job->row = const_cast<JSAMPROW>(row);
  if (m_channels == 4) {
    uint8_t* out = m_line.data();
    for (size_t x = 0; x < m_line.size(); x += 3, row += 4) out[x] = row[0], out[x + 1] = row[1], out[x + 2] = row[2];
    m_job->row = m_line.data();
  }
  return writeRow();
}

bool JpegRowWriter::writeRow() {
  j_compress_ptr cinfo = &m_job->cinfo;
  if (setjmp(m_job->errors.jump)) {
    jpeg_destroy_compress(cinfo);
    m_job->created = false;
    return false;
  }
  return jpeg_write_scanlines(cinfo, &m_job->row, 1) == 1;
}

bool JpegRowWriter::finish() {
  if (!m_job || !m_job->created) return false;
  j_compress_ptr cinfo = &m_job->cinfo;
  if (setjmp(m_job->errors.jump)) {
    jpeg_destroy_compress(cinfo);
    m_job->created = false;
    return false;
  }
  jpeg_finish_compress(cinfo);
  jpeg_destroy_compress(cinfo);
  m_job->created = false;
  return true;
}

}  // namespace tavoro
