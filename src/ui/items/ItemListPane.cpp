#include "ui/items/ItemListPane.h"
#include "ui/common/UiText.h"
#include "ui/common/CoreTexts.h"

#include <QApplication>
#include <QCursor>
#include <QItemSelectionModel>
#include <QPointer>
#include <QStackedLayout>
#include <QTimer>
#include <QActionGroup>
#include <algorithm>
#include <thread>
#include <unordered_map>

#include "platform/OpenFolder.h"
#include "ui/combinations/AddToCombination.h"
#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/common/WaitCursor.h"
#include "ui/items/FileDropTarget.h"
#include "ui/items/FileUrls.h"
#include "ui/items/ItemTableView.h"
#include "ui/items/ItemGridView.h"
#include "ui/items/ItemListDelegate.h"
#include "ui/items/ItemListModel.h"
#include "ui/items/ItemViewInput.h"
#include "ui/items/ListThumbnails.h"
#include "ui/items/PhotoFileCheck.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenu.h"
#include "wardrobe/Collection.h"
#include "ui/session/WardrobeSession.h"

namespace tavoro::ui {

ItemListPane::ItemListPane(WardrobeSession& session, QWidget* parent)
    : QWidget(parent),
      m_session(session),
      m_model(new ItemListModel(this)),
      m_selection(new QItemSelectionModel(m_model, this)),
      m_thumbnails(new ListThumbnails(this)),
      m_gridDelegate(new ItemListDelegate(*m_thumbnails, this)),
      m_detailsDelegate(new ItemListDelegate(*m_thumbnails, this)),
      m_grid(new ItemGridView(*m_gridDelegate, m_hint, this)),
      m_details(new ItemTableView(*m_detailsDelegate, m_hint, this)),
      m_stack(new QStackedLayout(this)),
      m_check(new PhotoFileCheck(this)) {
  setObjectName(QStringLiteral("ItemListPane"));
  registerModelMetaTypes();
  m_detailsDelegate->setLook(ItemListLook::Details);
  m_grid->setModel(m_model);
  m_grid->setSelectionModel(m_selection);
  m_details->setModel(m_model);
  m_details->setSelectionModel(m_selection);
  m_stack->setContentsMargins(0, 0, 0, 0);
  m_stack->addWidget(m_grid);
  m_stack->addWidget(m_details);
  m_stack->setCurrentWidget(m_grid);
  setFocusProxy(m_grid);

  auto* input = new ItemViewInput(this);
  auto* drops = new FileDropTarget(this);
  for (QAbstractItemView* view :
       {static_cast<QAbstractItemView*>(m_grid), static_cast<QAbstractItemView*>(m_details)}) {
    input->watch(view);
    drops->watch(view->viewport());
    connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
      if (index.isValid()) openViewer(index.row());
    });
  }
  // After the key's own handling, as a menu's command would come.
  connect(input, &ItemViewInput::deletePressed, this, [this] {
    QTimer::singleShot(0, this, [this] { triggerCommand(this, kCmdDelete); });
  });
  connect(input, &ItemViewInput::enterPressed, this, [this] { openViewer(m_selection->currentIndex().row()); });
  connect(input, &ItemViewInput::contextMenuRequested, this, &ItemListPane::showContextMenu);
  connect(drops, &FileDropTarget::filesDropped, this, &ItemListPane::dropFiles);
  connect(m_selection, &QItemSelectionModel::selectionChanged, this, &ItemListPane::forwardSelection);
  m_model->setRenamer([this](Item* item, const std::wstring& name) { return m_session.renameItem(item, name); });
  connect(m_details, &ItemTableView::columnClicked, this, &ItemListPane::sortByColumn);
  connect(m_grid, &ItemGridView::scrollSettled, this, &ItemListPane::requestVisible);
  connect(m_thumbnails, &ListThumbnails::thumbnailsReady, this, &ItemListPane::onThumbnailsReady);
  connect(m_check, &PhotoFileCheck::checked, this, &ItemListPane::onPhotosChecked);
  connect(m_thumbnails, &ListThumbnails::picturesReplaced, this, [this] {
    if (m_look == ItemListLook::Thumbnails) m_grid->viewport()->update();
  });

  connect(&m_session, &WardrobeSession::currentCollectionChanged, this, &ItemListPane::showCollection);
  connect(&m_session, &WardrobeSession::wardrobeAboutToClose, this, [this] { showCollection(nullptr); });
  connect(&m_session, &WardrobeSession::collectionRenamed, this, [this](Collection* collection) {
    if (collection == m_collection) refreshCollectionName();
  });
  connect(&m_session, &WardrobeSession::itemsAdded, this, &ItemListPane::onItemsAdded);
  connect(&m_session, &WardrobeSession::itemsAboutToBeRemoved, this, &ItemListPane::onItemsAboutToBeRemoved);
  connect(&m_session, &WardrobeSession::itemRenamed, this, &ItemListPane::onItemRenamed);
  connect(&m_session, &WardrobeSession::revealRequested, this, &ItemListPane::reveal);
  connect(&m_session, &WardrobeSession::photosRefreshed, this, &ItemListPane::refresh);
  connect(&m_session, &WardrobeSession::searchChanged, this, &ItemListPane::updateActions);
  makeActions();
}

void ItemListPane::makeActions() {
  const auto add = [this](int id, const char* text, void (ItemListPane::*handler)()) {
    return addCommandAction(this, id, tr(text), [this, handler] { (this->*handler)(); });
  };
  add(kCmdAddPhotos, QT_TR_NOOP("Add Photos"), &ItemListPane::addPhotos);
  add(kCmdListPaste, QT_TR_NOOP("Paste"), &ItemListPane::paste);
  add(kCmdListRefresh, QT_TR_NOOP("Refresh"), &ItemListPane::refreshCommand);
  add(kCmdDelete, QT_TR_NOOP("Delete"), &ItemListPane::deleteSelected);
  add(kCmdDeleteSelectedPhotos, QT_TR_NOOP("Delete Selected Photos"), &ItemListPane::deleteSelected);
  add(kCmdRenameEntry, QT_TR_NOOP("Rename"), &ItemListPane::startRename);
  addCommandAction(this, kCmdAddToCombination, tr("Add to Combination"),
                   [this] { addToCombination(m_session, this, m_session.listSelection(), QCursor::pos()); });
  add(kCmdSelectAllEntries, QT_TR_NOOP("Select All"), &ItemListPane::selectAllEntries);
  add(kCmdSelectInverse, QT_TR_NOOP("Select Inverse"), &ItemListPane::selectInverse);
  add(kCmdArrangeByName, QT_TR_NOOP("Name"), &ItemListPane::arrangeByName);
  add(kCmdArrangeByDateAdded, QT_TR_NOOP("Date Added"), &ItemListPane::arrangeByDateAdded);
  auto* looks = new QActionGroup(this);
  const std::pair<int, const char*> views[] = {
      {kCmdViewThumbnails, QT_TR_NOOP("Thumbnails")},
      {kCmdViewIcons, QT_TR_NOOP("Icons")},
      {kCmdViewList, QT_TR_NOOP("List")},
      {kCmdViewDetails, QT_TR_NOOP("Details")}};
  for (int look = 0; look < 4; ++look) {
    QAction* action = addCommandAction(this, views[look].first, tr(views[look].second),
                                       [this, look] { setLook(static_cast<ItemListLook>(look)); });
    action->setCheckable(true);
    action->setActionGroup(looks);
  }
  updateActions();
}

void ItemListPane::updateActions() {
  const int entries = entryCount();
  const int selected = selectedCount();
  const bool realCollection = m_collection && m_collection->id() > 0;
  const auto enable = [this](int id, bool enabled) {
    if (QAction* action = findCommandAction(this, id)) action->setEnabled(enabled);
  };
  enable(kCmdArrangeByName, entries > 1);
  enable(kCmdArrangeByDateAdded, entries > 1);
  enable(kCmdListRefresh, entries > 0);
  enable(kCmdSelectAllEntries, entries > 0);
  enable(kCmdSelectInverse, entries > 0);
  enable(kCmdAddPhotos, realCollection && !m_session.searchShown());
  enable(kCmdDelete, selected > 0);
  enable(kCmdDeleteSelectedPhotos, selected > 0 && !m_session.searchShown());
  enable(kCmdRenameEntry, selected == 1);
  enable(kCmdAddToCombination, selected > 0);
  // Known only when the menu opens: the clipboard is not watched.
  enable(kCmdListPaste, realCollection);
  const int looks[] = {kCmdViewThumbnails, kCmdViewIcons, kCmdViewList, kCmdViewDetails};
  for (int look = 0; look < 4; ++look)
    if (QAction* action = findCommandAction(this, looks[look])) action->setChecked(look == static_cast<int>(m_look));
}

ItemListPane::~ItemListPane() {
  // Nothing may paint or ask for thumbnails of entries whose items go away,
  // and the views go before the model, delegates and thumbnails they use.
  m_model->setEntries({});
  delete m_details;
  delete m_grid;
}

QAbstractItemView* ItemListPane::currentView() const {
  return m_look == ItemListLook::Details ? static_cast<QAbstractItemView*>(m_details) : m_grid;
}

int ItemListPane::entryCount() const {
  return m_model->rowCount();
}

std::vector<int> ItemListPane::selectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : m_selection->selectedRows(kNameColumn)) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

int ItemListPane::selectedCount() const {
  return static_cast<int>(m_selection->selectedRows(kNameColumn).size());
}

Item* ItemListPane::selectedItem() const {
  const QModelIndexList rows = m_selection->selectedRows(kNameColumn);
  return rows.size() == 1 ? m_model->itemAt(rows.front().row()) : nullptr;
}

void ItemListPane::forwardSelection() {
  if (m_quiet) return;
  std::vector<Item*> items;
  for (int row : selectedRows()) items.push_back(m_model->itemAt(row));
  m_session.setListSelection(std::move(items));
  updateActions();
}

// --- Entries -------------------------------------------------------------------

namespace {

// From this many items on, a second thread shares looking at the photo files.
constexpr size_t kItemsLookedAtOnce = 4096;

}  // namespace

std::vector<ItemListEntry> ItemListPane::makeEntries(const std::vector<Item*>& items) {
  // The photos lie below the collection's folder: their paths are made from
  // it, worked out once, and they are looked at from it, held open.
  const std::wstring folder = m_collection ? m_collection->namedPhotoFolder() : std::wstring();
  std::vector<std::wstring> paths(items.size());
  for (size_t i = 0; i < items.size(); ++i) {
    const ItemList* owner = items[i]->owner();
    paths[i] = owner && owner->collection() == m_collection ? items[i]->mainPhotoPathIn(folder)
                                                            : items[i]->mainPhotoPath();
  }
  // A missing photo, or a folder where the photo should be, makes no entry.
  // Looking at each file is most of the cost of a large collection (a path
  // lookup in the kernel each), so both cores share it.
  const OpenFolder photos(folder);
  std::vector<char> present(items.size(), 0);
  const auto look = [&](size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) present[i] = !paths[i].empty() && photos.isFile(paths[i]) ? 1 : 0;
  };
  if (items.size() >= kItemsLookedAtOnce) {
    std::jthread helper(look, items.size() / 2, items.size());
    look(0, items.size() / 2);
  } else {
    look(0, items.size());
  }
  std::vector<ItemListEntry> entries;
  entries.reserve(items.size());
  for (size_t i = 0; i < items.size(); ++i) {
    if (!present[i]) continue;
    ItemListEntry entry;
    entry.number = nextEntryNumber();
    entry.item = items[i];
    entry.setPhotoPath(std::move(paths[i]));
    entries.push_back(std::move(entry));
  }
  return entries;
}

void ItemListPane::requestThumbnails(const std::vector<ItemListEntry>& entries, bool asOneBatch) {
  if (m_look != ItemListLook::Thumbnails) {
    for (const ItemListEntry& entry : entries) m_waiting.insert(entry.number);
  } else if (asOneBatch) {
    std::vector<ThumbnailRequest> batch;
    batch.reserve(entries.size());
    for (const ItemListEntry& entry : entries) batch.push_back({entry.number, entry.photoPath()});
    m_thumbnails->requestBatch(std::move(batch));
  } else {
    for (const ItemListEntry& entry : entries) m_thumbnails->request(entry.number, entry.photoPath());
  }
}

void ItemListPane::fill() {
  m_inListOrder = true;
  if (!m_collection || m_collection->id() <= 0) return;
  if (m_collection->items().count() >= m_checkedAfterwardsFrom) {
    fillLarge();
    return;
  }
  std::vector<Item*> items;
  items.reserve(m_collection->items().count());
  for (const auto& item : m_collection->items().items()) items.push_back(item.get());
  std::vector<ItemListEntry> entries = makeEntries(items);
  // A whole collection is asked for in one batch, in list order, with the
  // entries in view ahead of it: one request at a time would cost the
  // thread's lock and a wake-up each, and serve the last entries first.
  requestThumbnails(entries, true);
  m_model->setEntries(std::move(entries));
  requestVisible();
}

void ItemListPane::fillLarge() {
  // Looking at each photo file and making its path were most of the time
  // a click on a large collection took: the entries come first, the paths
  // when a view asks for them, and the files are looked at on the check's
  // thread, which also gives the whole collection's thumbnail requests.
  const auto folder = std::make_shared<const std::wstring>(m_collection->namedPhotoFolder());
  if (folder->empty()) return;  // no photo folder: no photo exists
  const auto& items = m_collection->items().items();
  std::vector<ItemListEntry> entries;
  std::vector<PhotoPlace> places;
  entries.reserve(items.size());
  places.reserve(items.size());
  for (const auto& item : items) {
    if (item->photos().count() == 0) continue;
    const Photo* photo = item->photos().at(0);
    ItemListEntry entry;
    entry.number = nextEntryNumber();
    entry.item = item.get();
    entry.collectionFolder = folder;
    places.push_back({entry.number, item->id(), photo->id(), photo->format()});
    entries.push_back(std::move(entry));
  }
  m_check->start(*folder, std::move(places));
  m_model->setEntries(std::move(entries));
  requestVisible();
}

bool ItemListPane::checkingPhotos() const { return m_check->busy(); }

void ItemListPane::requestChecked(std::vector<ThumbnailRequest> batch) {
  if (m_look != ItemListLook::Thumbnails) {
    for (const ThumbnailRequest& request : batch) m_waiting.insert(request.itemId);
  } else {
    m_thumbnails->requestBatch(std::move(batch));
  }
}

void ItemListPane::onPhotosChecked(const std::vector<ThumbnailRequest>& present, const std::vector<int32_t>& missing) {
  requestChecked(present);
  // Those in view stay ahead of the piece just asked for.
  requestVisible();
  if (missing.empty()) return;
  const std::unordered_set<int32_t> gone(missing.begin(), missing.end());
  std::vector<int> rows;
  for (int row = 0; row < entryCount(); ++row)
    if (gone.count(m_model->entry(row).number)) rows.push_back(row);
  if (rows.empty()) return;
  // An entry whose photo is missing goes, as if it had never been made.
  dropEntries(rows);
  updateActions();
}

void ItemListPane::dropEntries(const std::vector<int>& rows) {
  for (const int row : rows) {
    const int32_t number = m_model->entry(row).number;
    m_thumbnails->forget(number);
    m_waiting.erase(number);
  }
  m_quiet = true;
  m_model->removeEntries(rows);
  m_quiet = false;
  forwardSelection();
}

void ItemListPane::clearEntries() {
  m_check->stop();
  // Resetting the model drops an edit in progress without saving it.
  m_quiet = true;
  m_model->setEntries({});
  m_waiting.clear();
  m_quiet = false;
}

void ItemListPane::showCollection(Collection* collection) {
  if (collection == m_collection) return;
  m_thumbnails->reset(collection && collection->id() > 0 ? collection->items().count() : 1);
  clearEntries();
  m_collection = collection;
  refreshCollectionName();
  fill();
  currentView()->viewport()->update();
  forwardSelection();
  updateActions();
}

void ItemListPane::refreshCommand() {
  if (entryCount() > 0) m_session.refreshPhotos();
}

void ItemListPane::refresh() {
  if (entryCount() == 0) return;
  m_thumbnails->clearThumbnails();
  {
    // Redraws wait until the list is whole again.
    QWidget* view = currentView();
    view->setUpdatesEnabled(false);
    clearEntries();
    fill();
    view->setUpdatesEnabled(true);
  }
  forwardSelection();
}

void ItemListPane::refreshCollectionName() {
  const bool real = m_collection && m_collection->id() > 0;
  m_hint.setCollection(real ? toQString(m_collection->name()) : QString(), real);
  currentView()->viewport()->update();
}

void ItemListPane::onItemsAboutToBeRemoved(const std::vector<Item*>& items) {
  std::vector<int> rows;
  for (Item* item : items)
    if (const int row = m_model->rowOfItem(item); row >= 0) rows.push_back(row);
  // The entries go before their items, so that nothing paints an item gone.
  if (!rows.empty()) dropEntries(rows);
}

void ItemListPane::onItemRenamed(Item* item) { m_model->refreshRow(m_model->rowOfItem(item)); }

void ItemListPane::onItemsAdded(Collection* collection, const std::vector<Item*>& items) {
  m_appendedCount = 0;
  if (collection != m_collection || items.empty()) return;
  std::vector<ItemListEntry> entries = makeEntries(items);
  m_appendedCount = static_cast<int>(entries.size());
  // Each new entry's thumbnail ahead of the background work.
  requestThumbnails(entries, false);
  // New items come last; items that undo brought back go to their old rows
  // while the rows are in the list's order (not after a sort).
  const ItemList& list = collection->items();
  const bool last = list.at(list.count() - 1) == items.back() && list.count() >= items.size() &&
                    list.at(list.count() - items.size()) == items.front();
  if (last || !m_inListOrder) {
    m_model->appendEntries(std::move(entries));
  } else {
    std::unordered_map<const Item*, size_t> place;
    place.reserve(list.count());
    for (size_t i = 0; i < list.count(); ++i) place.emplace(list.at(i), i);
    m_quiet = true;
    for (ItemListEntry& entry : entries) {
      const size_t at = place[entry.item];
      int row = 0;
      int end = entryCount();
      while (row < end) {  // the first row whose item comes later in the list
        const int middle = (row + end) / 2;
        if (place[m_model->itemAt(middle)] < at)
          row = middle + 1;
        else
          end = middle;
      }
      m_model->insertEntry(row, std::move(entry));
    }
    m_quiet = false;
  }
  updateActions();
}

void ItemListPane::reveal(const std::vector<Item*>& items) {
  std::vector<int> rows;
  for (const Item* item : items)
    if (const int row = m_model->rowOfItem(item); row >= 0) rows.push_back(row);
  if (rows.empty()) return;
  std::sort(rows.begin(), rows.end());
  m_quiet = true;
  m_selection->clearSelection();
  for (int row : rows)
    m_selection->select(m_model->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  m_selection->setCurrentIndex(m_model->index(rows.front(), kNameColumn), QItemSelectionModel::NoUpdate);
  m_quiet = false;
  currentView()->scrollTo(m_model->index(rows.front(), kNameColumn));
  requestVisible();
  forwardSelection();
}

// --- Looks and thumbnails --------------------------------------------------------

void ItemListPane::setLook(ItemListLook look) {
  if (look == m_look) return;
  const bool hadFocus = currentView()->hasFocus();
  m_look = look;
  if (look == ItemListLook::Details) {
    m_stack->setCurrentWidget(m_details);
  } else {
    m_grid->setLook(look);
    m_stack->setCurrentWidget(m_grid);
  }
  setFocusProxy(currentView());
  if (hadFocus) currentView()->setFocus(Qt::OtherFocusReason);
  if (m_selection->currentIndex().isValid()) currentView()->scrollTo(m_selection->currentIndex());
  if (look == ItemListLook::Thumbnails) requestWaiting();
}

void ItemListPane::requestWaiting() {
  if (m_waiting.empty()) return;
  // One batch, in list order.
  std::vector<ThumbnailRequest> batch;
  batch.reserve(m_waiting.size());
  for (int row = 0; row < entryCount(); ++row) {
    const ItemListEntry& entry = m_model->entry(row);
    if (m_waiting.count(entry.number)) batch.push_back({entry.number, entry.photoPath()});
  }
  m_waiting.clear();
  m_thumbnails->requestBatch(std::move(batch));
}

void ItemListPane::requestVisible() {
  if (m_look != ItemListLook::Thumbnails) return;
  const auto [first, last] = m_grid->visibleRows();
  if (first < 0) return;
  std::vector<ThumbnailRequest> batch;
  batch.reserve(static_cast<size_t>(last - first + 1));
  for (int row = first; row <= last; ++row)
    batch.push_back({m_model->entry(row).number, m_model->entry(row).photoPath()});
  m_thumbnails->requestBatch(std::move(batch));
}

void ItemListPane::onThumbnailsReady(const QList<int32_t>& numbers) {
  if (m_look != ItemListLook::Thumbnails) return;
  // Only entries in view are drawn again: look among them, not among them all.
  const auto [first, last] = m_grid->visibleRows();
  if (first < 0) return;
  const std::unordered_set<int32_t> arrived(numbers.begin(), numbers.end());
  for (int row = first; row <= last; ++row)
    if (arrived.count(m_model->entry(row).number)) m_grid->update(m_model->index(row, kNameColumn));
}

// --- Commands -------------------------------------------------------------------

void ItemListPane::showContextMenu(QPoint globalPos) {
  updateActions();
  if (QAction* paste = findCommandAction(this, kCmdListPaste))
    paste->setEnabled(m_collection && m_collection->id() > 0 && clipboardHoldsFiles());
  runCommandMenu(kMenuItemListContext, this, globalPos, 0, true);
  updateActions();
}

void ItemListPane::arrangeByName() { arrange(kCmdArrangeByName); }
void ItemListPane::arrangeByDateAdded() { arrange(kCmdArrangeByDateAdded); }
void ItemListPane::selectAllEntries() { selectAll(false); }
void ItemListPane::selectInverse() { selectAll(true); }

void ItemListPane::arrange(int commandId) {
  if (entryCount() < 2) return;
  m_inListOrder = false;
  m_model->sortEntries(
      commandId == kCmdArrangeByName ? EntryComparison(compareByName) : EntryComparison(compareByDateAdded), false);
}

void ItemListPane::sortByColumn(int column) {
  if (column < 0 || column >= kColumnCount) return;
  WaitCursor wait;
  m_inListOrder = false;
  m_sortDescending = column == m_sortColumn && !m_sortDescending;
  m_sortColumn = column;
  m_model->sortEntries(columnComparison(column), m_sortDescending);
  m_details->showSortArrow(m_sortColumn, m_sortDescending);
}

void ItemListPane::startRename() {
  const std::vector<int> rows = selectedRows();
  if (rows.size() != 1) return;
  const QModelIndex index = m_model->index(rows.front(), kNameColumn);
  QAbstractItemView* view = currentView();
  view->scrollTo(index);
  view->setFocus(Qt::OtherFocusReason);
  view->edit(index);
}

void ItemListPane::selectAll(bool invert) {
  if (entryCount() == 0) return;
  const QItemSelection all(m_model->index(0, 0), m_model->index(entryCount() - 1, kColumnCount - 1));
  m_selection->select(all, invert ? QItemSelectionModel::Toggle : QItemSelectionModel::Select);
}

void ItemListPane::selectRows(int first, int last) {
  const QItemSelection rows(m_model->index(first, 0), m_model->index(last, kColumnCount - 1));
  m_selection->select(rows, QItemSelectionModel::ClearAndSelect);
}

void ItemListPane::focusList() {
  if (!currentView()->hasFocus()) currentView()->setFocus(Qt::OtherFocusReason);
}

// --- Deleting ---------------------------------------------------------------------

void ItemListPane::deleteSelected() {
  std::vector<int> rows = selectedRows();
  if (rows.empty() || !m_collection) return;
  const std::wstring question =
      rows.size() == 1
          ? uiText(tr("Are you sure you want to delete \"%1\"?"), {m_model->itemAt(rows.front())->name()})
          : uiText(tr("Are you sure you want to delete these %n items?", nullptr, static_cast<int>(rows.size())));
  QPointer<ItemListPane> self(this);
  const int answer = showMessage(
      this, question, uiText(rows.size() == 1 ? tr("Confirm Item Delete") : tr("Confirm Multiple Item Delete")),
      kMbQuestion);
  if (!self || answer != kIdYes) return;
  // What is selected now (nothing could change it while the question was open).
  rows = selectedRows();
  if (rows.empty() || !m_collection) return;
  std::vector<Item*> items;
  for (int row : rows) items.push_back(m_model->itemAt(row));
  // Their photos stay on disk until the next save (undo brings them back whole).
  m_session.removeItems(items);
  focusList();
}

// --- The viewer -------------------------------------------------------------------

void ItemListPane::openViewer(int row) {
  if (entryCount() == 0) return;
  std::vector<int> rows = selectedRows();
  if (rows.size() <= 1) {
    rows.resize(static_cast<size_t>(entryCount()));
    for (int n = 0; n < entryCount(); ++n) rows[static_cast<size_t>(n)] = n;
  }
  std::vector<Item*> items;
  items.reserve(rows.size());
  int index = 0;
  for (size_t n = 0; n < rows.size(); ++n) {
    if (rows[n] == row) index = static_cast<int>(n);
    items.push_back(m_model->itemAt(rows[n]));
  }
  emit viewerRequested(items, index);
}

}  // namespace tavoro::ui
