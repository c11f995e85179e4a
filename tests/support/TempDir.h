// A private temporary folder for one test, deleted with everything in it when
// the object goes away.
#pragma once

#include <string>
#include <string_view>

namespace tavoro::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, without trailing "/".
  const std::wstring& path() const { return m_path; }
  // path() + "/" + relative.
  std::wstring operator/(std::wstring_view relative) const;

 private:
  std::wstring m_path;
};

}  // namespace tavoro::test
