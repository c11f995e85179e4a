#include "ui/frame/RecentWardrobes.h"

#include <algorithm>

#include "platform/PathOps.h"

namespace tavoro::ui {

RecentWardrobes::RecentWardrobes(std::vector<std::wstring> paths, QObject* parent)
    : QObject(parent), m_paths(std::move(paths)) {}

void RecentWardrobes::add(std::wstring_view path) {
  std::vector<std::wstring> paths = m_paths;
  std::erase_if(paths, [path](const std::wstring& entry) { return samePath(entry, path); });
  paths.insert(paths.begin(), std::wstring(path));
  replace(std::move(paths));
}

void RecentWardrobes::remove(std::wstring_view path) {
  std::vector<std::wstring> paths = m_paths;
  std::erase_if(paths, [path](const std::wstring& entry) { return samePath(entry, path); });
  replace(std::move(paths));
}

void RecentWardrobes::clear() { replace({}); }

void RecentWardrobes::replace(std::vector<std::wstring> paths) {
  if (paths == m_paths) return;
  m_paths = std::move(paths);
  emit changed();
}

}  // namespace tavoro::ui
