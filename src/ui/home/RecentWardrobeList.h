// The recent wardrobes list: a row list of the main window's recent wardrobe
// files, each row the wardrobe's name over its path, with an empty state and a
// context menu (open, copy the path, clear the list). The Open Wardrobe dialog
// and the home page show it. User-interface thread only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/controls/RowList.h"

namespace tavoro::ui {

class RecentWardrobes;

class RecentWardrobeList : public RowList {
  Q_OBJECT

 public:
  static constexpr int kRowHeight = 40;

  // recentWardrobes: the main window's working list (newest first); it must
  // outlive the list. "Clear List" empties it.
  explicit RecentWardrobeList(RecentWardrobes& recentWardrobes, QWidget* parent = nullptr);

  // Rebuilds the rows from the working list.
  void fill();
  // The first selected row, or -1.
  int selectedRow() const { return firstSelectedRow(); }
  std::wstring rowName(int index) const;
  std::wstring rowPath(int index) const;

  // The name a row shows for a path: the name stored in the wardrobe file, or
  // when it has none (or cannot be read) the file name without its extension.
  static std::wstring nameOf(std::wstring_view path);

 signals:
  // Open the wardrobe of this row (a double-click or "Open").
  void openRequested(int row);

 protected:
  void paintBackground(QPainter& painter, const QRect& area) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void makeActions();
  void clearList();

  RecentWardrobes& m_recentWardrobes;
};

}  // namespace tavoro::ui
