#include "JpegLibrary.h"

#include <jerror.h>

namespace tavoro {
namespace {

void errorExit(j_common_ptr cinfo) {
  JpegErrorManager* manager = reinterpret_cast<JpegErrorManager*>(cinfo->err);
  std::longjmp(manager->jump, 1);
}

void emitNothing(j_common_ptr, int) {}
void outputNothing(j_common_ptr) {}

void initSource(j_decompress_ptr cinfo) {
  reinterpret_cast<JpegSource*>(cinfo->src)->startOfFile = true;
}

boolean fillInputBuffer(j_decompress_ptr cinfo) {
  JpegSource* src = reinterpret_cast<JpegSource*>(cinfo->src);
  size_t n = src->stream->read(src->buffer, sizeof src->buffer);
  if (n == 0) {
    if (src->startOfFile) ERREXIT(cinfo, JERR_INPUT_EMPTY);
    // A file that ends early decodes as far as it goes: an end-of-image
    // marker is made up, as libjpeg's own sources do.
    WARNMS(cinfo, JWRN_JPEG_EOF);
    src->buffer[0] = 0xFF;
    src->buffer[1] = JPEG_EOI;
    n = 2;
  }
  src->pub.next_input_byte = src->buffer;
  src->pub.bytes_in_buffer = n;
  src->startOfFile = false;
  return TRUE;
}

void skipInputData(j_decompress_ptr cinfo, long count) {
  if (count <= 0) return;
  JpegSource* src = reinterpret_cast<JpegSource*>(cinfo->src);
  size_t left = static_cast<size_t>(count);
  while (left > src->pub.bytes_in_buffer) {
    left -= src->pub.bytes_in_buffer;
    fillInputBuffer(cinfo);
  }
  src->pub.next_input_byte += left;
  src->pub.bytes_in_buffer -= left;
}

void termSource(j_decompress_ptr) {}

void initDestination(j_compress_ptr cinfo) {
  JpegDestination* dest = reinterpret_cast<JpegDestination*>(cinfo->dest);
  dest->pub.next_output_byte = dest->buffer;
  dest->pub.free_in_buffer = sizeof dest->buffer;
}

boolean emptyOutputBuffer(j_compress_ptr cinfo) {
  JpegDestination* dest = reinterpret_cast<JpegDestination*>(cinfo->dest);
  if (!dest->stream->write(dest->buffer, sizeof dest->buffer)) ERREXIT(cinfo, JERR_FILE_WRITE);
  dest->pub.next_output_byte = dest->buffer;
  dest->pub.free_in_buffer = sizeof dest->buffer;
  return TRUE;
}

void termDestination(j_compress_ptr cinfo) {
  JpegDestination* dest = reinterpret_cast<JpegDestination*>(cinfo->dest);
  const size_t n = sizeof dest->buffer - dest->pub.free_in_buffer;
  if (n && !dest->stream->write(dest->buffer, n)) ERREXIT(cinfo, JERR_FILE_WRITE);
}

void checkScans(j_common_ptr cinfo) {
  if (cinfo->is_decompressor && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMostJpegScans)
    ERREXIT(cinfo, JERR_NOT_COMPILED);
}

}  // namespace

jpeg_error_mgr* setUpJpegErrors(JpegErrorManager& manager) {
  jpeg_error_mgr* pub = jpeg_std_error(&manager.pub);
  pub->error_exit = errorExit;
  pub->emit_message = emitNothing;
  pub->output_message = outputNothing;
  return pub;
}

void attachJpegSource(j_decompress_ptr cinfo, JpegSource& source, ImageStream& stream) {
  source.stream = &stream;
  source.startOfFile = true;
  source.pub.init_source = initSource;
  source.pub.fill_input_buffer = fillInputBuffer;
  source.pub.skip_input_data = skipInputData;
  source.pub.resync_to_restart = jpeg_resync_to_restart;
  source.pub.term_source = termSource;
  source.pub.bytes_in_buffer = 0;
  source.pub.next_input_byte = nullptr;
  cinfo->src = &source.pub;
}

void attachJpegDestination(j_compress_ptr cinfo, JpegDestination& destination, ImageStream& stream) {
  destination.stream = &stream;
  destination.pub.init_destination = initDestination;
  destination.pub.empty_output_buffer = emptyOutputBuffer;
  destination.pub.term_destination = termDestination;
  cinfo->dest = &destination.pub;
}

void limitJpegScans(j_decompress_ptr cinfo, jpeg_progress_mgr& progress) {
  progress.progress_monitor = checkScans;
  cinfo->progress = &progress;
}

}  // namespace tavoro
