#include "FileTime.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "Utf8.h"

namespace tavoro {

bool fileTimes(std::wstring_view path, FileTimes& out) {
  if (path.empty()) return false;
  struct statx sx {};
  const std::string p = toUtf8(path);
  if (statx(AT_FDCWD, p.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0) return false;
  const auto convert = [](const struct statx_timestamp& t) {
    return FileTime{t.tv_sec, static_cast<int32_t>(t.tv_nsec)};
  };
  out.creation = convert((sx.stx_mask & STATX_BTIME) ? sx.stx_btime : sx.stx_ctime);
  out.lastAccess = convert(sx.stx_atime);
  out.lastWrite = convert(sx.stx_mtime);
  return true;
}

}  // namespace tavoro
