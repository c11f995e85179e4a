// A libzip archive handle that is discarded (nothing written) unless closed,
// and the text of libzip's errors. Not thread-safe: one owner.
#pragma once

#include <zip.h>

#include <string>

namespace tavoro {

class ZipArchive {
 public:
  ZipArchive() = default;
  ~ZipArchive() { discard(); }
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;

  // libzip's zip_open; on failure the reason is kept for error().
  bool open(const std::string& path, int flags);
  // Writes the archive (zip_close); on failure the reason is kept.
  bool close();
  void discard();
  zip_t* get() const { return m_zip; }
  const std::string& error() const { return m_error; }
  // The archive's last error, as text.
  std::string archiveError() const;

 private:
  zip_t* m_zip = nullptr;
  std::string m_error;
};

}  // namespace tavoro
