#include "ExportScreens.h"

#include <QApplication>
#include <QPixmap>

#include "SampleFrame.h"
#include "ScreenFolder.h"
#include "export/WardrobeSnapshot.h"
#include "ui/common/CommandIds.h"
#include "ui/controls/CommandBar.h"
#include "ui/export/PrintableSheetDialog.h"
#include "ui/frame/MainWindow.h"
#include "ui/page/WardrobePage.h"

namespace tavoro::tools {

bool renderExportScreens(const ScreenFolder& screens) {
  SampleFrame sample(1200, 700);
  if (!sample.isOpen()) return false;
  ui::CommandBar* bar = sample.page().commandBar();
  bool ok = screens.save(grabPopupMenu([bar] { bar->openMenu(ui::kCmdWardrobeMenu); }, ui::kCmdExportWebCatalogue),
                         QStringLiteral("wardrobe-menu"));
  ui::PrintableSheetDialog dialog(nullptr, takeSnapshot(*sample.frame().wardrobe()),
                                  QLocale(QLocale::English, QLocale::UnitedKingdom));
  dialog.show();
  QApplication::processEvents();
  ok &= screens.save(dialog.grab(), QStringLiteral("dialog-printable-sheet"));
  dialog.hide();
  return ok;
}

}  // namespace tavoro::tools
