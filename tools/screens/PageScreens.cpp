#include "PageScreens.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "SampleWardrobe.h"
#include "ScreenFolder.h"
#include "app/AppSettings.h"
#include "platform/AppPaths.h"
#include "platform/Utf8.h"
#include "ui/collections/CollectionPane.h"
#include "ui/common/CommandIds.h"
#include "ui/controls/KoCellEdit.h"
#include "ui/frame/KoViewBase.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/menus/PopupMenu.h"
#include "ui/page/KoWardrobeViewBase.h"

namespace tavoro::tools {

namespace {

using namespace tavoro::ui;

QPixmap grabAt(QWidget& window, int width, int height) {
  window.resize(width, height);
  window.show();
  QApplication::processEvents();
  return window.grab();
}

// The context menu of the pane as it opens over the row, grabbed while it is shown.
QPixmap grabContextMenu(CollectionPane& pane, int row) {
  QPixmap picture;
  QTimer::singleShot(0, [&picture] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* menu = qobject_cast<PopupMenu*>(window); menu && menu->isVisible()) {
        menu->setActiveAction(menu->commandAction(kCmdMoveUp));
        picture = menu->grab();
        menu->close();
      }
    }
  });
  const QPoint at = pane.rowRect(row).center();
  pane.showContextMenu(at, pane.viewport()->mapToGlobal(at));
  return picture;
}

}  // namespace

bool renderWardrobePage(const ScreenFolder& screens) {
  QTemporaryDir scratchDir;
  if (!scratchDir.isValid()) {
    std::fprintf(stderr, "tavoro-screens: cannot make a scratch folder\n");
    return false;
  }
  const std::wstring scratch = fromUtf8(scratchDir.path().toStdString());
  AppPaths::setProgramFolderForTesting(scratch);
  const std::wstring wardrobe = makeSampleWardrobe(scratch);
  if (wardrobe.empty()) return false;
  AppSettings::settings() = AppSettings();
  AppSettings::settings().frameRect = {0, 0, 1200, 700};

  bool ok = true;
  {
    MainFrame frame;
    if (!frame.lifecycle().openWardrobe(wardrobe, true, true)) {
      std::fprintf(stderr, "tavoro-screens: cannot open the sample wardrobe\n");
      return false;
    }
    frame.updateTitle();
    ok &= screens.save(grabAt(frame, 1200, 700), QStringLiteral("wardrobe-page-1200"));
    ok &= screens.save(grabAt(frame, 700, 500), QStringLiteral("wardrobe-page-700"));
    ok &= screens.save(grabAt(frame, 300, 400), QStringLiteral("wardrobe-page-300"));

    auto* page = frame.clientView()->wardrobeView();
    CollectionPane* pane = page->collectionPane();
    frame.resize(1200, 700);
    QApplication::processEvents();
    pane->startEdit(pane->rowCount() - 1);
    ok &= screens.save(pane->grab(), QStringLiteral("collection-pane-adding"));
    pane->editor()->hide();
    ok &= screens.save(grabContextMenu(*pane, 2), QStringLiteral("collection-pane-menu"));
    frame.lifecycle().closeWardrobe();
    frame.hide();
  }
  AppPaths::setProgramFolderForTesting(L"");
  return ok;
}

}  // namespace tavoro::tools
