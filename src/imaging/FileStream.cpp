#include "FileStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>

#include "platform/Utf8.h"

namespace tavoro {

FileStream::~FileStream() {
  if (m_file) std::fclose(m_file);
}

bool FileStream::openRead(std::wstring_view path) {
  if (m_file) return false;
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer
  // for ever. Only a regular file is read, and then with blocking reads.
  const int fd = ::open(toUtf8(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return false;
  }
  m_file = ::fdopen(fd, "rb");
  if (!m_file) {
    ::close(fd);
    return false;
  }
  m_writing = false;
  m_failed = false;
  m_position = 0;
  m_size = static_cast<uint64_t>(info.st_size);
  return true;
}

bool FileStream::createNew(std::wstring_view path) {
  if (m_file) return false;
  const int fd = ::open(toUtf8(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  m_file = ::fdopen(fd, "wb");
  if (!m_file) {
    ::close(fd);
    return false;
  }
  m_writing = true;
  m_failed = false;
  m_position = m_size = 0;
  return true;
}

bool FileStream::finish() {
  if (!m_file) return false;
  bool ok = true;
  if (m_writing) ok = !m_failed && std::fflush(m_file) == 0 && ::fsync(::fileno(m_file)) == 0;
  ok = std::fclose(m_file) == 0 && ok;
  m_file = nullptr;
  return ok;
}

size_t FileStream::read(void* buffer, size_t count) {
  if (!m_file || m_writing || count == 0) return 0;
  const size_t n = std::fread(buffer, 1, count, m_file);
  m_position += n;
  return n;
}

bool FileStream::write(const void* data, size_t count) {
  if (!m_file || !m_writing || m_failed) return false;
  if (count && std::fwrite(data, 1, count, m_file) != count) {
    m_failed = true;
    return false;
  }
  m_position += count;
  if (m_position > m_size) m_size = m_position;
  return true;
}

bool FileStream::seek(uint64_t position) {
  if (!m_file || (!m_writing && position > m_size) || position > static_cast<uint64_t>(INT64_MAX)) return false;
  if (::fseeko(m_file, static_cast<off_t>(position), SEEK_SET) != 0) return false;
  m_position = position;
  return true;
}

ReplacingFileWriter::ReplacingFileWriter(std::wstring_view target) : m_target(toUtf8(target)) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100 && !m_stream.isOpen(); ++attempt) {
    m_temporary = m_target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
    m_stream.createNew(fromUtf8(m_temporary));
  }
  m_created = m_stream.isOpen();
}

ReplacingFileWriter::~ReplacingFileWriter() {
  if (m_committed || !m_created) return;
  if (m_stream.isOpen()) m_stream.finish();
  ::unlink(m_temporary.c_str());
}

bool ReplacingFileWriter::commit() {
  if (!m_stream.isOpen() || m_committed) return false;
  if (!m_stream.finish()) return false;
  if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0) return false;
  m_committed = true;
  return true;
}

}  // namespace tavoro
