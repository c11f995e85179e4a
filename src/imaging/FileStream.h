// An ImageStream on a file: opened for reading (regular files only) or created
// new for writing. Not thread-safe.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "ImageStream.h"

namespace tavoro {

class FileStream : public ImageStream {
 public:
  FileStream() = default;
  ~FileStream() override;
  FileStream(const FileStream&) = delete;
  FileStream& operator=(const FileStream&) = delete;

  // False when the path does not name a readable regular file.
  bool openRead(std::wstring_view path);
  // Creates a file that must not exist yet (O_EXCL), for writing.
  bool createNew(std::wstring_view path);
  // Flushes, syncs and closes a written file; false when anything written was
  // lost. Closing a reading stream always succeeds.
  bool finish();
  bool isOpen() const { return m_file != nullptr; }

  size_t read(void* buffer, size_t count) override;
  bool write(const void* data, size_t count) override;
  bool seek(uint64_t position) override;
  uint64_t position() const override { return m_position; }
  uint64_t size() const override { return m_size; }

 private:
  std::FILE* m_file = nullptr;
  bool m_writing = false;
  bool m_failed = false;
  uint64_t m_position = 0;
  uint64_t m_size = 0;
};

// Writes a file through a temporary file beside it that replaces the target
// only when everything was written, so that a failed write never leaves a
// damaged or half-written file behind.
class ReplacingFileWriter {
 public:
  explicit ReplacingFileWriter(std::wstring_view target);
  ~ReplacingFileWriter();  // discards the temporary file unless committed
  ReplacingFileWriter(const ReplacingFileWriter&) = delete;
  ReplacingFileWriter& operator=(const ReplacingFileWriter&) = delete;

  // The stream to write to; null when no temporary file could be created.
  ImageStream* stream() { return m_stream.isOpen() ? &m_stream : nullptr; }
  // Finishes the temporary file and renames it over the target.
  bool commit();

 private:
  std::string m_target;
  std::string m_temporary;
  FileStream m_stream;
  bool m_created = false;
  bool m_committed = false;
};

}  // namespace tavoro
