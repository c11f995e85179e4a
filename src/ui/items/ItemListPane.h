// The item list pane, in the middle of the wardrobe page: the items of the
// session's current collection whose main photo exists, one entry each,
// shown as thumbnails, icons, a list or a details table over one model.
// Photos are added here (Add Photos, Paste, dropping files), items are
// renamed in place, sorted, deleted with their photo files and opened in the
// viewer, each change made through the session; the pane follows the
// session's news of items added, renamed and deleted wherever that
// happened, and tells the session what is selected. User-interface thread
// only.
#pragma once

#include <QWidget>
#include <unordered_set>
#include <vector>

#include "imaging/import/ImportList.h"
#include "imaging/thumbnails/ThumbnailRequest.h"
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
class PhotoFileCheck;
class WardrobeSession;

class ItemListPane : public QWidget {
  Q_OBJECT

 public:
  explicit ItemListPane(WardrobeSession& session, QWidget* parent = nullptr);
  ~ItemListPane() override;

  // The collection shown: the session's current one; null or "All
  // Collections" shows no entries (and the hint that asks for a collection).
  tavoro::Collection* collection() const { return m_collection; }

  int entryCount() const;
  int selectedCount() const;
  // The one selected item, else null.
  tavoro::Item* selectedItem() const;
  // The selected rows, in list order.
  std::vector<int> selectedRows() const;

  ItemListLook look() const { return m_look; }
  void setLook(ItemListLook look);
  // The details column the list was last sorted by (-1: none) and its direction.
  int sortColumn() const { return m_sortColumn; }
  bool sortDescending() const { return m_sortDescending; }
  // Entries made while the look was not Thumbnails, waiting for a thumbnail.
  size_t waitingCount() const { return m_waiting.size(); }
  // A collection of at least this many items is shown at once, its entries'
  // photo files looked at on a thread afterwards (an entry whose photo is
  // missing then goes); a smaller one makes entries only for the photos
  // that exist. Tests set a smaller number.
  static constexpr size_t kCheckedAfterwardsFrom = 4096;
  void setCheckedAfterwardsFrom(size_t items) { m_checkedAfterwardsFrom = items; }
  // Whether the photo files of the shown entries are still being looked at.
  bool checkingPhotos() const;

  // Shows the context menu at the screen position and carries out the
  // command chosen (the pane's actions, one per command).
  void showContextMenu(QPoint globalPos);

  // The three ways photos come in (each refuses "All Collections").
  void addPhotos();
  void paste();
  void dropFiles(const tavoro::ImportList& paths);
  // Filters the paths with the "Filtering Files..." dialog, then adds what
  // it accepted; the number of entries made. accepted (when given) tells
  // whether the filter accepted any file.
  int filterAndAdd(const tavoro::ImportList& paths, bool* accepted = nullptr);
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
  // The photo viewer over these items, starting at index.
  void viewerRequested(const std::vector<tavoro::Item*>& items, int index);

 private:
  void makeActions();
  // The enabled state of every command, in one place.
  void updateActions();
  void showCollection(tavoro::Collection* collection);
  void refreshCollectionName();
  void onItemsAdded(tavoro::Collection* collection, const std::vector<tavoro::Item*>& items);
  void onItemsAboutToBeRemoved(const std::vector<tavoro::Item*>& items);
  void onItemRenamed(tavoro::Item* item);
  // Selects the items' entries and brings the first into view (after an undo).
  void reveal(const std::vector<tavoro::Item*>& items);
  // Entries for the items whose main photo exists.
  std::vector<ItemListEntry> makeEntries(const std::vector<tavoro::Item*>& items);
  // Asks for the entries' thumbnails, one at a time ahead of the background
  // work or as one background batch; outside Thumbnails they wait.
  void requestThumbnails(const std::vector<ItemListEntry>& entries, bool asOneBatch);
  void requestChecked(std::vector<ThumbnailRequest> batch);
  void fill();
  // Entries for every item with a photo, their files looked at afterwards.
  void fillLarge();
  void onPhotosChecked(const std::vector<ThumbnailRequest>& present, const std::vector<int32_t>& missing);
  void clearEntries();
  // Takes the entries of these rows out of the list, their thumbnails with them.
  void dropEntries(const std::vector<int>& rows);
  // Refresh: the session makes every thumbnail anew, and the pane fills again.
  void refreshCommand();
  void refresh();
  void arrangeByName();
  void arrangeByDateAdded();
  void selectAllEntries();
  void selectInverse();
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
  // The session learns the selection (once a change of the pane's own is done).
  void forwardSelection();
  bool acceptsPhotos();
  void focusList();

  WardrobeSession& m_session;
  ItemListModel* m_model;
  QItemSelectionModel* m_selection;
  ListThumbnails* m_thumbnails;
  ItemListDelegate* m_gridDelegate;     // follows the grid's look
  ItemListDelegate* m_detailsDelegate;  // always the details look
  EmptyListHint m_hint;
  ItemGridView* m_grid;
  ItemTableView* m_details;
  QStackedLayout* m_stack;
  PhotoFileCheck* m_check;
  size_t m_checkedAfterwardsFrom = kCheckedAfterwardsFrom;

  tavoro::Collection* m_collection = nullptr;
  ItemListLook m_look = ItemListLook::Thumbnails;
  std::unordered_set<int32_t> m_waiting;  // entry numbers
  int m_sortColumn = -1;
  bool m_sortDescending = false;
  int m_appendedCount = 0;  // entries made for the items last added
  bool m_quiet = false;
  bool m_inListOrder = true;  // the rows follow the collection's order (no sort since filling)  // selection changes are told once the change is done
};

}  // namespace tavoro::ui
