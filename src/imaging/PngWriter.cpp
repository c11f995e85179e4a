#include "PngWriter.h"

#include <algorithm>
#include <new>

#include "platform/AppPaths.h"
#include "wardrobe/DateTime.h"

namespace tavoro {
namespace {

// libpng reports errors here; the long jump returns into the writer's call.
void onPngError(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void onPngWarning(png_structp, png_const_charp) {}

void writeToStream(png_structp png, png_bytep data, size_t length) {
  ImageStream* stream = static_cast<ImageStream*>(png_get_io_ptr(png));
  if (!stream->write(data, length)) png_error(png, "write failed");
}

void flushNothing(png_structp) {}

// PNG text is Latin-1.
std::string latin1(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += (c >= 0x20 && c <= 0xFF) ? static_cast<char>(c) : '?';
  return out;
}

}  // namespace

PngRowWriter::PngRowWriter(ImageStream& stream, int compressionLevel)
    : m_stream(stream), m_level(std::clamp(compressionLevel, 0, 9)) {}

PngRowWriter::~PngRowWriter() {
  destroy();
}

void PngRowWriter::destroy() {
  if (m_png) png_destroy_write_struct(&m_png, &m_info);
  m_png = nullptr;
  m_info = nullptr;
}

bool PngRowWriter::begin(Size size, int channels) {
  if (m_png || m_failed || size.width <= 0 || size.height <= 0 || (channels != 3 && channels != 4)) return false;
  try {
    m_software = latin1(AppPaths::productName());
    m_modified = latin1(gmtNowText());
  } catch (const std::bad_alloc&) {
    m_failed = true;
    return false;
  }
  m_png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onPngError, onPngWarning);
  if (m_png) m_info = png_create_info_struct(m_png);
  if (!m_info || setjmp(png_jmpbuf(m_png))) {
    destroy();
    m_failed = true;
    return false;
  }
  png_set_write_fn(m_png, &m_stream, writeToStream, flushNothing);
  png_set_compression_level(m_png, m_level);
  png_set_IHDR(m_png, m_info, static_cast<png_uint_32>(size.width), static_cast<png_uint_32>(size.height), 8,
               channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_text texts[2] = {};
  texts[0].compression = PNG_TEXT_COMPRESSION_NONE;
  texts[0].key = const_cast<char*>("Software");
  texts[0].text = m_software.data();
  texts[0].text_length = m_software.size();
  texts[1].compression = PNG_TEXT_COMPRESSION_NONE;
  texts[1].key = const_cast<char*>("Modification Time");
  texts[1].text = m_modified.data();
  texts[1].text_length = m_modified.size();
  png_set_text(m_png, m_info, texts, 2);
  png_write_info(m_png, m_info);
  png_set_bgr(m_png);
  return true;
}

bool PngRowWriter::addRow(const uint8_t* row) {
  if (!m_png) return false;
  if (setjmp(png_jmpbuf(m_png))) {
    destroy();
    m_failed = true;
    return false;
  }
  png_write_row(m_png, row);
  return true;
}

bool PngRowWriter::finish() {
  if (!m_png) return false;
  if (setjmp(png_jmpbuf(m_png))) {
    destroy();
    m_failed = true;
    return false;
  }
  png_write_end(m_png, m_info);
  destroy();
  return true;
}

}  // namespace tavoro
