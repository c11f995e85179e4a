#include "ItemListScreens.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPixmap>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include "SampleFrame.h"
#include "ScreenFolder.h"
#include "settings/AppSettings.h"
#include "imaging/import/FilterThread.h"
#include "imaging/thumbnails/ListThumbnailLoader.h"
#include "platform/Utf8.h"
#include "ui/collections/CollectionPane.h"
#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/items/FilteringFilesDialog.h"
#include "ui/items/ItemListModel.h"
#include "ui/items/ItemListPane.h"
#include "ui/items/ListThumbnails.h"
#include "ui/items/ProgressBand.h"
#include "ui/menus/PopupMenu.h"
#include "ui/page/WardrobePage.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::tools {

namespace {

using namespace tavoro::ui;

// Lets the loader finish what it was asked for, and the list draw it.
void settle(ItemListPane& pane) {
  const QDeadlineTimer deadline(5000);
  while (!deadline.hasExpired() && !pane.thumbnails()->loader().pendingIds().empty()) {
    QApplication::processEvents();
    QThread::msleep(5);
  }
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(5);
  }
}

QPixmap grabFilteringDialog() {
  // A walk held before its first step, so that the count and band stand still.
  FilteringFilesDialog dialog(ImportList{L"/nonexistent"}, nullptr);
  dialog.countLabel()->setText(QStringLiteral("120"));
  for (int i = 0; i < 12; ++i) dialog.band()->advance();
  dialog.show();
  QApplication::processEvents();
  QPixmap picture = dialog.grab();
  dialog.hide();
  return picture;
}

}  // namespace

bool renderItemList(const ScreenFolder& screens) {
  bool ok = true;
  {
    SampleFrame sample(1000, 560);
    if (!sample.isOpen()) return false;
    MainWindow& frame = sample.frame();
    WardrobePage* page = &sample.page();
    ItemListPane* pane = page->itemList();
    CollectionPane* collections = page->collectionPane();
    // The sample wardrobe opens with its first collection, "Shirts", selected.
    triggerCommand(pane, kCmdViewThumbnails);
    QApplication::processEvents();
    pane->selection()->select(pane->model()->index(1, 0),
                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const struct {
      int command;
      const char* name;
    } looks[] = {{kCmdViewThumbnails, "item-list-thumbnails"},
                 {kCmdViewIcons, "item-list-icons"},
                 {kCmdViewList, "item-list-list"},
                 {kCmdViewDetails, "item-list-details"}};
    for (const auto& look : looks) {
      triggerCommand(pane, look.command);
      settle(*pane);
      ok &= screens.save(pane->grab(), QString::fromLatin1(look.name));
    }
    triggerCommand(pane, kCmdViewThumbnails);
    settle(*pane);
    ok &= screens.save(frame.grab(), QStringLiteral("item-list-in-page"));
    ok &= screens.save(grabPopupMenu([pane] { pane->showContextMenu(pane->mapToGlobal(QPoint(40, 40))); },
                                     kCmdRenameEntry),
                       QStringLiteral("item-list-menu"));

    // "Accessories" has no items; row 0 is "All Collections".
    collections->clearSelection();
    collections->setRowSelected(collections->rowCount() - 2, true, true);
    settle(*pane);
    ok &= screens.save(pane->grab(), QStringLiteral("item-list-empty-collection"));
    collections->clearSelection();
    collections->setRowSelected(0, true, true);
    settle(*pane);
    ok &= screens.save(pane->grab(), QStringLiteral("item-list-empty-all-collections"));
  }
  ok &= screens.save(grabFilteringDialog(), QStringLiteral("filtering-files-dialog"));
  return ok;
}

}  // namespace tavoro::tools
