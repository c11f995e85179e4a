#include "PageScreens.h"

#include <QApplication>
#include <QPixmap>

#include "SampleFrame.h"
#include "ScreenFolder.h"
#include "ui/collections/CollectionPane.h"
#include "ui/common/CommandIds.h"
#include "ui/controls/InlineEditor.h"
#include "ui/frame/MainWindow.h"
#include "ui/page/WardrobePage.h"

namespace tavoro::tools {

namespace {

QPixmap grabAt(QWidget& window, int width, int height) {
  window.resize(width, height);
  QApplication::processEvents();
  return window.grab();
}

}  // namespace

bool renderWardrobePage(const ScreenFolder& screens) {
  SampleFrame sample(1200, 700);
  if (!sample.isOpen()) return false;
  ui::MainWindow& frame = sample.frame();
  bool ok = screens.save(grabAt(frame, 1200, 700), QStringLiteral("wardrobe-page-1200"));
  ok &= screens.save(grabAt(frame, 700, 500), QStringLiteral("wardrobe-page-700"));
  ok &= screens.save(grabAt(frame, 300, 400), QStringLiteral("wardrobe-page-300"));

  ui::CollectionPane* pane = sample.page().collectionPane();
  grabAt(frame, 1200, 700);
  pane->startEdit(pane->rowCount() - 1);
  ok &= screens.save(pane->grab(), QStringLiteral("collection-pane-adding"));
  pane->editor()->hide();
  const QPoint row = pane->rowRect(2).center();
  ok &= screens.save(grabPopupMenu([&] { pane->showContextMenu(row, pane->viewport()->mapToGlobal(row)); },
                                   ui::kCmdMoveUp),
                     QStringLiteral("collection-pane-menu"));
  return ok;
}

}  // namespace tavoro::tools
