// A folder held open for looking at many files below it: each look walks
// only the part of the path below the folder, not the whole path from the
// root again (a collection's photos are tens of thousands of files a dozen
// folders deep). Not thread-safe; meant to live for one pass over the files.
#pragma once

#include <string>
#include <string_view>

namespace tavoro {

class OpenFolder {
 public:
  // Opens the folder at path (links followed); a folder that cannot be
  // opened leaves every look to isFile.
  explicit OpenFolder(std::wstring_view path);
  ~OpenFolder();
  OpenFolder(const OpenFolder&) = delete;
  OpenFolder& operator=(const OpenFolder&) = delete;

  bool isOpen() const { return m_fd >= 0; }
  // What isFile(path) says, for any path.
  bool isFile(std::wstring_view path) const;

 private:
  int m_fd = -1;
  std::wstring m_prefix;  // the folder's path with one "/" after it
};

}  // namespace tavoro
