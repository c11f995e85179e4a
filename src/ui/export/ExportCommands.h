// The window's commands that take the open wardrobe elsewhere: Export Web
// Catalogue, Export Spreadsheet, Export Printable Sheet and Back Up Wardrobe
// (enabled while a wardrobe is open), and Restore Wardrobe (always). Their
// actions belong to the main window, so that the wardrobe page's "Wardrobe"
// menu shows them. Each asks for what it needs (options, the target), takes
// a snapshot of the wardrobe here, on the window's thread, and writes in the
// background with a progress dialog and Cancel; a failure is told with its
// reason. User-interface thread only.
#pragma once

#include <QObject>
#include <string>

namespace tavoro::ui {

class MainWindow;

class ExportCommands : public QObject {
  Q_OBJECT

 public:
  // Adds the commands' actions to the window.
  explicit ExportCommands(MainWindow& frame);

  void updateActions();

 private:
  void exportWebCatalogue();
  void exportSpreadsheet();
  void exportPrintableSheet();
  void backUpWardrobe();
  // False, having said why, for a target that is the wardrobe's own file or
  // lies in its photo folder.
  bool acceptTarget(const std::wstring& target);

  MainWindow& m_frame;
};

}  // namespace tavoro::ui
