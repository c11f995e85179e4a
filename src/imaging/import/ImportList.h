// An ordered list of full file or folder paths on their way into a
// collection: what the user named, or what the filter accepted of it.
// Value type; not synchronised.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tavoro {

class ImportList {
 public:
  ImportList() = default;
  ImportList(std::initializer_list<std::wstring> paths) : m_paths(paths) {}
  explicit ImportList(std::vector<std::wstring> paths) : m_paths(std::move(paths)) {}

  void add(std::wstring path) { m_paths.push_back(std::move(path)); }
  void clear() { m_paths.clear(); }
  size_t count() const { return m_paths.size(); }
  bool empty() const { return m_paths.empty(); }
  const std::wstring& at(size_t index) const { return m_paths.at(index); }
  const std::vector<std::wstring>& paths() const { return m_paths; }
  auto begin() const { return m_paths.begin(); }
  auto end() const { return m_paths.end(); }

 private:
  std::vector<std::wstring> m_paths;
};

}  // namespace tavoro
