// What reading or writing a file came to: success, or the path that failed
// and why, in the system's words ("Is a directory") or the reader's ("XML
// error at line 12", "not a Tavoro wardrobe (no Wardrobe element)"), so that
// a caller can tell the user without probing the disk afterwards.
// A plain value; thread-safe as any value is.
#pragma once

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace tavoro {

class Status {
 public:
  // Success.
  Status() = default;

  // A failure at path for reason (UTF-8 text for people, without a final
  // full stop); an empty reason becomes "failed".
  static Status failure(std::wstring_view path, std::string reason) {
    Status status;
    status.m_failed = true;
    status.m_path = std::wstring(path);
    status.m_reason = reason.empty() ? std::string("failed") : std::move(reason);
    return status;
  }
  // A failure for the reason errno gives (strerror's text).
  static Status fromErrno(std::wstring_view path, int error = errno) {
    return failure(path, std::strerror(error));
  }

  bool ok() const { return !m_failed; }
  explicit operator bool() const { return ok(); }
  // Empty text on success.
  const std::wstring& path() const { return m_path; }
  const std::string& reason() const { return m_reason; }

 private:
  bool m_failed = false;
  std::wstring m_path;
  std::string m_reason;
};

}  // namespace tavoro
