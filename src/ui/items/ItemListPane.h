// The item list pane, in the middle of the wardrobe page: the items of the
// selected collection whose main photo exists, one entry each, shown as
// thumbnails, icons, a list or a details table over one model. Photos are
// added here (Add Photos, Paste, dropping files), items are renamed in
// place, sorted, deleted with their photo files and opened in the viewer.
// It tells the page about its selection and changes through signals and
// never calls another pane. User-interface thread only.
#pragma once

#include <QWidget>
#include <unordered_set>
#include <vector>

#include "imaging/import/ImportList.h"
#include "ui/common/ModelMetaTypes.h"
#include "ui/items/EmptyListHint.h"
#include "ui/items/ItemListEntry.h"
#include "ui/items/ItemListLook.h"

class QAbstractItemView;
class QItemSelectionModel;
class QStackedLayout;

namespace tavoro {
class Collection;
class Item;
}  // namespace tavoro

namespace tavoro::ui {

class ItemTableView;
class ItemGridView;
class ItemListDelegate;
class ItemListModel;
class ListThumbnails;

class ItemListPane : public QWidget {
  Q_OBJECT

 public:
  explicit ItemListPane(QWidget* parent = nullptr);
  ~ItemListPane() override;

  // Shows the items of the collection; null or "All Collections" shows no
  // entries (and the hint that asks for a collection). The collection shown
  // already: nothing happens. Queued thumbnail requests are dropped first.
  void showCollection(tavoro::Collection* collection);
  tavoro::Collection* collection() const { return m_collection; }

  int entryCount() const;
  int selectedCount() const;
  // The one selected item, else null.
  tavoro::Item* selectedItem() const;
  // The selected rows, in list order.
  std::vector<int> selectedRows() const;
  // The item was deleted elsewhere: its entry goes (the item is not touched).
  void forgetItem(tavoro::Item* item);
  // The item was renamed elsewhere: its entry shows the new name.
  void refreshItem(tavoro::Item* item);
  // The shown collection got a new name: the empty pane's hint names it.
  void refreshCollectionName();

  ItemListLook look() const { return m_look; }
  void setLook(ItemListLook look);
  // The details column the list was last sorted by (-1: none) and its direction.
  int sortColumn() const { return m_sortColumn; }
  bool sortDescending() const { return m_sortDescending; }
  // Entries made while the look was not Thumbnails, waiting for a thumbnail.
  size_t waitingCount() const { return m_waiting.size(); }

  // Carries out a command of the context menu, the command bar or a key.
  void executeCommand(int commandId);
  // Shows the context menu at the screen position and carries out the
  // command chosen.
  void showContextMenu(QPoint globalPos);

  // The three ways photos come in (each refuses "All Collections").
  void addPhotos();
  void paste();
  void dropFiles(const tavoro::ImportList& paths);
  // Filters the paths with the "Filtering Files..." dialog, then adds what
  // it accepted; the number of entries made.
  int filterAndAdd(const tavoro::ImportList& paths);
  // Adds the files as new items (asking first for 20 or more), selects their
  // entries and tells how many files could not be added; the number of
  // entries made.
  int addFiles(const tavoro::ImportList& files);

  ItemListModel* model() const { return m_model; }
  QItemSelectionModel* selection() const { return m_selection; }
  ListThumbnails* thumbnails() const { return m_thumbnails; }
  ItemGridView* gridView() const { return m_grid; }
  ItemTableView* detailsView() const { return m_details; }
  QAbstractItemView* currentView() const;
  const EmptyListHint& hint() const { return m_hint; }

 signals:
  // The set of selected entries changed (also when the pane selected them).
  void selectionChanged();
  // The preview of the selected item should be drawn again.
  void previewChanged();
  void itemRenamed(tavoro::Item* item);
  // Sent for each item just before it is deleted with its files.
  void itemAboutToBeDeleted(tavoro::Item* item);
  void itemsDeleted();
  void itemsAdded();
  // The photo viewer over these items, starting at index.
  void viewerRequested(const std::vector<tavoro::Item*>& items, int index);

 protected:
  bool event(QEvent* event) override;

 private:
  // Entries for the items whose main photo exists.
  std::vector<ItemListEntry> makeEntries(const std::vector<tavoro::Item*>& items);
  // Asks for the entries' thumbnails, one at a time ahead of the background
  // work or as one background batch; outside Thumbnails they wait.
  void requestThumbnails(const std::vector<ItemListEntry>& entries, bool asOneBatch);
  void fill();
  void clearEntries();
  void refresh();
  void requestWaiting();
  void requestVisible();
  void onThumbnailsReady(const QList<int32_t>& numbers);
  void arrange(int commandId);
  void sortByColumn(int column);
  void startRename();
  void selectAll(bool invert);
  void deleteSelected();
  void openViewer(int row);
  void selectRows(int first, int last);
  void forwardSelection();
  bool acceptsPhotos();
  void focusList();

  ItemListModel* m_model;
  QItemSelectionModel* m_selection;
  ListThumbnails* m_thumbnails;
  ItemListDelegate* m_gridDelegate;     // follows the grid's look
  ItemListDelegate* m_detailsDelegate;  // always the details look
  EmptyListHint m_hint;
  ItemGridView* m_grid;
  ItemTableView* m_details;
  QStackedLayout* m_stack;

  tavoro::Collection* m_collection = nullptr;
  ItemListLook m_look = ItemListLook::Thumbnails;
  std::unordered_set<int32_t> m_waiting;  // entry numbers
  int m_sortColumn = -1;
  bool m_sortDescending = false;
  bool m_quiet = false;  // selection changes are told once the change is done
};

}  // namespace tavoro::ui
