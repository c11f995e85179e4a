#include "TempDir.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/Utf8.h"

namespace tavoro::test {

TempDir::TempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/tavoro-test-XXXXXX";
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  m_path = fromUtf8(pattern);
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Tests may leave read-only folders behind; make them writable first.
  const std::filesystem::path root(toUtf8(m_path));
  for (auto it = std::filesystem::recursive_directory_iterator(root, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored))
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
  }
  std::filesystem::remove_all(root, ignored);
}

std::wstring TempDir::operator/(std::wstring_view relative) const { return m_path + L"/" + std::wstring(relative); }

}  // namespace tavoro::test
