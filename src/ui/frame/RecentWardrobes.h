// The working list of recent wardrobe files, newest first, with no length
// limit: a path moves to the front when its wardrobe is opened or saved and
// leaves the list when opening it fails. Two spellings of one path are one
// entry. It says when it changed, so that what shows it follows without
// looking. User-interface thread only.
#pragma once

#include <QObject>
#include <string>
#include <string_view>
#include <vector>

namespace tavoro::ui {

class RecentWardrobes : public QObject {
  Q_OBJECT

 public:
  explicit RecentWardrobes(std::vector<std::wstring> paths = {}, QObject* parent = nullptr);

  const std::vector<std::wstring>& paths() const { return m_paths; }
  bool empty() const { return m_paths.empty(); }
  // Puts path first (taking out another spelling of it).
  void add(std::wstring_view path);
  void remove(std::wstring_view path);
  void clear();

 signals:
  void changed();

 private:
  void replace(std::vector<std::wstring> paths);

  std::vector<std::wstring> m_paths;
};

}  // namespace tavoro::ui
