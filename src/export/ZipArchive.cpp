#include "ZipArchive.h"

namespace tavoro {

bool ZipArchive::open(const std::string& path, int flags) {
  discard();
  int code = 0;
  m_zip = zip_open(path.c_str(), flags, &code);
  if (m_zip) return true;
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  m_error = zip_error_strerror(&error);
  zip_error_fini(&error);
  return false;
}

bool ZipArchive::close() {
  if (!m_zip) return false;
  if (zip_close(m_zip) == 0) {
    m_zip = nullptr;
    return true;
  }
  m_error = archiveError();
  discard();
  return false;
}

void ZipArchive::discard() {
  if (m_zip) zip_discard(m_zip);
  m_zip = nullptr;
}

std::string ZipArchive::archiveError() const {
  return m_zip ? zip_error_strerror(zip_get_error(m_zip)) : m_error;
}

}  // namespace tavoro
