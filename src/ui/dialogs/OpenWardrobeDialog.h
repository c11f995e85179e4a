// The Open Wardrobe dialog: the recent wardrobes to pick from and "Browse..."
// for any other wardrobe file. OK is enabled while a recent wardrobe is
// selected; a double-click or a chosen file closes the dialog at once.
// Resizable in both directions. User-interface thread only.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs/ResizableDialog.h"

class QPushButton;

namespace tavoro::ui {

class RecentWardrobeList;
class RecentWardrobes;

class OpenWardrobeDialog : public ResizableDialog {
  Q_OBJECT

 public:
  // recentWardrobes: the main window's working list (the list's "Clear List"
  // empties it).
  OpenWardrobeDialog(QWidget* owner, RecentWardrobes& recentWardrobes);

  RecentWardrobeList* list() const { return m_list; }
  QPushButton* okButton() const { return m_ok; }
  QPushButton* browseButton() const { return m_browse; }
  // Selects one recent wardrobe, as a click on it does.
  void selectRow(int row);
  // The file to open, once accepted.
  const std::wstring& path() const { return m_path; }

  void accept() override;

 private:
  void selectionChanged();
  void openRow(int row);
  void browse();

  RecentWardrobeList* m_list;
  QPushButton* m_browse;
  QPushButton* m_ok;
  int m_row = -1;  // the selected recent wardrobe, or -1
  std::wstring m_path;
};

// Shows the dialog, modal, owned by owner; the file to open when accepted.
std::optional<std::wstring> showOpenWardrobe(QWidget* owner, RecentWardrobes& recentWardrobes);

// The rectangle the dialog comes back at within this run (empty at first).
QRect& openWardrobeDialogRect();

}  // namespace tavoro::ui
