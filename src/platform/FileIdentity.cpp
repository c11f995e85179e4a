#include "FileIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "Utf8.h"

namespace tavoro {

namespace {

constexpr uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
constexpr uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;
constexpr uint64_t kPrime3 = 0x165667B19E3779F9ull;

uint64_t rotateLeft(uint64_t x, int bits) { return (x << bits) | (x >> (64 - bits)); }

// Reads the file open at fd from its start to its end into the hash.
bool hashFile(int fd, uint64_t& hash, uint64_t& size) {
  std::vector<unsigned char> buffer(size_t{1} << 20);
  ContentHash content;
  size = 0;
  for (;;) {
    const ssize_t n = ::pread(fd, buffer.data(), buffer.size(), static_cast<off_t>(size));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    content.add(buffer.data(), static_cast<size_t>(n));
    size += static_cast<uint64_t>(n);
  }
  hash = content.value();
  return true;
}

FileTime modifiedTime(const struct stat& st) {
  return FileTime{st.st_mtim.tv_sec, static_cast<int32_t>(st.st_mtim.tv_nsec)};
}

}  // namespace

void ContentHash::addWord(uint64_t word) {
  m_state ^= rotateLeft(word * kPrime2, 31) * kPrime1;
  m_state = rotateLeft(m_state, 27) * kPrime1 + kPrime3;
}

void ContentHash::add(const void* data, size_t count) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  m_total += count;
  while (count > 0 && m_pendingCount != 0) {
    m_pending |= uint64_t{*bytes++} << (8 * m_pendingCount);
    --count;
    if (++m_pendingCount == 8) {
      addWord(m_pending);
      m_pending = 0;
      m_pendingCount = 0;
    }
  }
  for (; count >= 8; bytes += 8, count -= 8) {
    uint64_t word = 0;
    for (int i = 7; i >= 0; --i) word = word << 8 | bytes[i];
    addWord(word);
  }
  for (; count > 0; --count) m_pending |= uint64_t{*bytes++} << (8 * m_pendingCount++);
}

uint64_t ContentHash::value() const {
  uint64_t h = m_state;
  if (m_pendingCount != 0) h = rotateLeft(h ^ (m_pending * kPrime1), 23) * kPrime2;
  h ^= m_total * kPrime3;
  h ^= h >> 33;
  h *= kPrime2;
  h ^= h >> 29;
  h *= kPrime3;
  h ^= h >> 32;
  return h;
}

Status readFileIdentity(std::wstring_view path, FileIdentity& out) {
  out = FileIdentity{};
  // O_NONBLOCK: a FIFO at the path must not make this wait for a writer.
  const int fd = ::open(toUtf8(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? Status() : Status::fromErrno(path);
  struct stat st {};
  uint64_t hash = 0, size = 0;
  bool ok = ::fstat(fd, &st) == 0;
  if (ok && !S_ISREG(st.st_mode)) {
    ::close(fd);
    return Status::failure(path, "not a regular file");
  }
  ok = ok && hashFile(fd, hash, size);
  const int error = errno;
  ::close(fd);
  if (!ok) return Status::fromErrno(path, error != 0 ? error : EIO);
  out.exists = true;
  out.size = size;
  out.modified = modifiedTime(st);
  out.hash = hash;
  return {};
}

bool isSameFile(std::wstring_view path, const FileIdentity& identity) {
  struct stat st {};
  if (::stat(toUtf8(path).c_str(), &st) != 0) return errno == ENOENT && !identity.exists;
  if (!identity.exists || !S_ISREG(st.st_mode) || static_cast<uint64_t>(st.st_size) != identity.size ||
      modifiedTime(st) != identity.modified)
    return false;
  FileIdentity now;
  return readFileIdentity(path, now) && now == identity;
}

}  // namespace tavoro
