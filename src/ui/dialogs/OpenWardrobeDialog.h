// The Open Wardrobe dialog: the recent wardrobes to pick from, "Browse..."
// for any other wardrobe file and "Restore Backup..." for a wardrobe kept in a
// backup. OK is enabled while a recent wardrobe is selected; a double-click, a
// chosen file or "Restore Backup..." closes the dialog at once.
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
  QPushButton* restoreButton() const { return m_restore; }
  // Selects one recent wardrobe, as a click on it does.
  void selectRow(int row);
  // The file to open, once accepted.
  const std::wstring& path() const { return m_path; }
  // Accepted through "Restore Backup...": a backup is to be restored and opened.
  bool restoreChosen() const { return m_restoreChosen; }

  void accept() override;

 private:
  void selectionChanged();
  void openRow(int row);
  void browse();
  void restore();

  RecentWardrobeList* m_list;
  QPushButton* m_browse;
  QPushButton* m_restore;
  QPushButton* m_ok;
  int m_row = -1;  // the selected recent wardrobe, or -1
  std::wstring m_path;
  bool m_restoreChosen = false;
};

// What the dialog was closed with: a file to open, or restore set.
struct OpenWardrobeChoice {
  std::wstring path;
  bool restore = false;
};

// Shows the dialog, modal, owned by owner; the choice when accepted.
std::optional<OpenWardrobeChoice> showOpenWardrobe(QWidget* owner, RecentWardrobes& recentWardrobes);

// The rectangle the dialog comes back at within this run (empty at first).
QRect& openWardrobeDialogRect();

}  // namespace tavoro::ui
