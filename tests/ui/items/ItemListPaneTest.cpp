#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>
#include <set>

#include "FindWidget.h"
#include "ItemListFixture.h"
#include "platform/PathOps.h"
#include "ui/common/CommandIds.h"
#include "ui/items/ItemTableView.h"
#include "ui/items/ItemGridView.h"
#include "ui/items/ItemListDelegate.h"
#include "ui/items/ItemListOrder.h"
#include "ui/items/ListThumbnails.h"
#include "ui/menus/PopupMenu.h"

namespace tavoro::ui {
namespace {

using ItemListPaneTest = ItemListFixture;

// The name editor the list has open (a closed one may linger until deleted).
QLineEdit* openEditor(const QWidget& pane) {
  for (auto* editor : pane.findChildren<QLineEdit*>(QStringLiteral("ItemNameEditor")))
    if (editor->isVisible()) return editor;
  return nullptr;
}

void setModified(const std::wstring& path, time_t seconds) {
  const timespec times[2] = {{seconds, 0}, {seconds, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, toUtf8(path).c_str(), times, 0), 0);
}

TEST_F(ItemListPaneTest, TheLooksShareOneModelAndSelectionAndAskForWaitingThumbnailsOnce) {
  addItems(m_shirts, {L"a", L"b", L"c", L"d"});
  test::trigger(&m_pane, kCmdViewDetails);
  show(m_shirts);
  EXPECT_EQ(m_pane.waitingCount(), 4u) << "entries made outside Thumbnails wait";
  select({1, 3});
  std::set<int32_t> arrived;
  QObject::connect(m_pane.thumbnails(), &ListThumbnails::thumbnailsReady, [&](const QList<int32_t>& numbers) {
    for (int32_t n : numbers) EXPECT_TRUE(arrived.insert(n).second) << "entry " << n << " made twice";
  });
  struct Step {
    int command;
    QAbstractItemView* view;
    size_t waiting;
  };
  QAbstractItemView* grid = m_pane.gridView();
  QAbstractItemView* details = m_pane.detailsView();
  for (const Step& step : {Step{kCmdViewIcons, grid, 4}, Step{kCmdViewList, grid, 4}, Step{kCmdViewThumbnails, grid, 0},
                           Step{kCmdViewDetails, details, 0}, Step{kCmdViewThumbnails, grid, 0}}) {
    test::trigger(&m_pane, step.command);
    EXPECT_EQ(m_pane.currentView(), step.view) << step.command;
    EXPECT_TRUE(step.view->isVisible()) << step.command;
    EXPECT_EQ(step.view->model(), m_pane.model());
    EXPECT_EQ(selectedNames(), (std::vector<std::wstring>{L"b", L"d"})) << step.command;
    EXPECT_EQ(m_pane.waitingCount(), step.waiting) << step.command;
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return arrived.size() == 4; }, 10000)) << arrived.size();
  for (int row = 0; row < 4; ++row) EXPECT_TRUE(arrived.count(m_pane.model()->entry(row).number)) << row;
}

TEST_F(ItemListPaneTest, TheEntriesInViewAreFoundByHalvingAndDrawnWithTheirThumbnails) {
  std::vector<std::wstring> many;
  for (int i = 0; i < 40; ++i) many.push_back(L"shirt " + std::to_wstring(i));
  addItems(m_shirts, many);
  show(m_shirts);
  ItemGridView* grid = m_pane.gridView();
  QScrollBar* bar = grid->verticalScrollBar();
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar->maximum() > 0; }, 5000));
  for (int value : {0, bar->maximum() / 3, bar->maximum()}) {
    bar->setValue(value);
    std::vector<int> meeting;
    for (int row = 0; row < m_pane.entryCount(); ++row)
      if (grid->visualRect(m_pane.model()->index(row, 0)).intersects(grid->viewport()->rect())) meeting.push_back(row);
    ASSERT_FALSE(meeting.empty());
    EXPECT_EQ(grid->visibleRows(), std::make_pair(meeting.front(), meeting.back())) << "scrolled to " << value;
    EXPECT_EQ(meeting.back() - meeting.front() + 1, static_cast<int>(meeting.size())) << "one run of rows";

    // The photos are red; until its thumbnail is there an entry shows the file's icon.
    auto* delegate = static_cast<ItemListDelegate*>(grid->itemDelegate());
    QPoint centre(-1, -1);
    for (int row : meeting) {
      const QRect picture = delegate->pictureRect(grid->visualRect(m_pane.model()->index(row, 0)));
      if (grid->viewport()->rect().contains(picture)) {
        centre = picture.center();
        break;
      }
    }
    ASSERT_NE(centre, QPoint(-1, -1)) << "a whole picture in view";
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
          const QColor pixel = grid->viewport()->grab().toImage().pixelColor(centre);
          return pixel.red() > 150 && pixel.green() < 90;
        },
        10000))
        << "scrolled to " << value;
  }
}

TEST_F(ItemListPaneTest, EntriesAreMadeOnlyForPhotosThatExistAndLetGoWithoutDeleting) {
  const std::vector<Item*> items = addItems(m_shirts, {L"a", L"b", L"c", L"d"});
  show(m_shirts);
  EXPECT_EQ(names(), (std::vector<std::wstring>{L"a", L"b", L"c", L"d"}));
  QSignalSpy preview(&m_ts.session, &WardrobeSession::photosRefreshed);
  QSignalSpy selection(&m_ts.session, &WardrobeSession::selectionChanged);
  // A photo gone, and a folder where a photo should be: Refresh leaves them out.
  ASSERT_TRUE(removeFile(items[1]->mainPhotoPath()));
  ASSERT_TRUE(removeFile(items[2]->mainPhotoPath()));
  ASSERT_TRUE(createFolders(items[2]->mainPhotoPath()));
  select({0});
  test::trigger(&m_pane, kCmdListRefresh);
  EXPECT_EQ(names(), (std::vector<std::wstring>{L"a", L"d"}));
  EXPECT_EQ(m_pane.selectedCount(), 0);
  EXPECT_EQ(preview.count(), 1);
  EXPECT_GE(selection.count(), 2);
  EXPECT_EQ(m_shirts->items().count(), 4u) << "Refresh deletes nothing";

  // Renamed or deleted anywhere: the entries follow the session.
  m_ts.session.renameItem(items[3], L"renamed");
  EXPECT_EQ(m_pane.model()->index(1, kNameColumn).data().toString(), QStringLiteral("renamed"));
  m_ts.session.removeItems({items[0]});
  EXPECT_EQ(names(), std::vector<std::wstring>{L"renamed"});
  items[3]->setName(L"");
  EXPECT_EQ(ItemListModel::displayName(*items[3]), QStringLiteral("unnamed"));
  m_ts.session.setCurrentCollection(m_shirts);
  EXPECT_EQ(m_pane.entryCount(), 1) << "the collection shown already: nothing happens";
}

// A large collection is shown before its photo files are looked at: every
// item with a photo has an entry at once, and those whose photo is missing
// (or is a folder) go once the check has seen them, from the selection too.
TEST_F(ItemListPaneTest, ALargeCollectionShowsEveryEntryAtOnceAndDropsMissingPhotosOnceChecked) {
  const std::vector<Item*> items = addItems(m_shirts, {L"a", L"b", L"c", L"d"});
  Collection* other = m_wardrobe.collections().add(L"Other");
  addItems(other, {L"x", L"y"});
  ASSERT_TRUE(removeFile(items[1]->mainPhotoPath()));
  ASSERT_TRUE(removeFile(items[2]->mainPhotoPath()));
  ASSERT_TRUE(createFolders(items[2]->mainPhotoPath()));
  ASSERT_TRUE(removeFile(other->items().at(0)->mainPhotoPath()));
  m_pane.setCheckedAfterwardsFrom(2);

  // Another collection chosen before the check reports: nothing of it comes.
  show(m_shirts);
  show(other);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !m_pane.checkingPhotos(); }, 10000));
  EXPECT_EQ(names(), std::vector<std::wstring>{L"y"});

  show(m_shirts);
  EXPECT_EQ(names(), (std::vector<std::wstring>{L"a", L"b", L"c", L"d"}));
  EXPECT_TRUE(m_pane.checkingPhotos());
  select({0, 1});
  ASSERT_TRUE(QTest::qWaitFor([&] { return !m_pane.checkingPhotos(); }, 10000));
  EXPECT_EQ(names(), (std::vector<std::wstring>{L"a", L"d"}));
  EXPECT_EQ(m_ts.session.listSelection(), std::vector<Item*>{items[0]});
  EXPECT_EQ(m_pane.model()->entry(1).photoPath(), items[3]->mainPhotoPath());
}

TEST_F(ItemListPaneTest, SortsByNameDateAddedAndEachColumnBothWays) {
  // Files of known sizes (the copies are not decoded), added in this order:
  // their item folders, and so their paths, sort b, B, a.
  struct Made {
    const wchar_t* name;
    const wchar_t* file;
    size_t size;
    int day;  // added on
    time_t modified;
  };
  const Made made[] = {
      {L"b", L"b.jpg", 2000, 1, 3000}, {L"B", L"B.png", 3000, 3, 1000}, {L"a", L"a.bmp", 1000, 2, 2000}};
  for (const Made& m : made) {
    test::writeFile(m_dir / (L"photos/" + std::wstring(m.file)), std::string(m.size, 'x'));
    Item* item = m_shirts->items().addFromPhotoFile(m_dir / (L"photos/" + std::wstring(m.file)));
    ASSERT_NE(item, nullptr);
    item->setName(m.name);
    item->setDateAdded(DateTime(Date::fromParts(2024, 1, m.day), Time()));
    setModified(item->mainPhotoPath(), m.modified);
  }
  show(m_shirts);
  test::trigger(&m_pane, kCmdViewDetails);
  select({2});  // "a" stays selected through every order
  const auto reversed = [](std::vector<std::wstring> v) { return std::vector<std::wstring>(v.rbegin(), v.rend()); };

  struct Arrange {
    int command;
    std::vector<std::wstring> order;
  };
  for (const Arrange& a :
       {Arrange{kCmdArrangeByName, {L"B", L"a", L"b"}}, Arrange{kCmdArrangeByDateAdded, {L"b", L"a", L"B"}}}) {
    test::trigger(&m_pane, a.command);
    EXPECT_EQ(names(), a.order) << a.command;
    EXPECT_EQ(selectedNames(), std::vector<std::wstring>{L"a"});
  }

  QHeaderView* header = m_pane.detailsView()->header();
  const auto clickColumn = [&](int column) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(column) + 8, 5));
  };
  struct Column {
    int column;
    std::vector<std::wstring> ascending;  // empty: checked by the column's texts
  };
  for (const Column& c :
       {Column{kNameColumn, {L"b", L"B", L"a"}}, Column{kSizeColumn, {L"a", L"b", L"B"}}, Column{kTypeColumn, {}},
        Column{kModifiedColumn, {L"B", L"a", L"b"}}, Column{kLocationColumn, {L"b", L"B", L"a"}}}) {
    for (const bool descending : {false, true}) {
      clickColumn(c.column);
      EXPECT_EQ(m_pane.sortColumn(), c.column);
      EXPECT_EQ(m_pane.sortDescending(), descending) << "column " << c.column;
      EXPECT_EQ(m_pane.detailsView()->sortArrowColumn(), c.column);
      EXPECT_EQ(m_pane.detailsView()->sortArrowUp(), !descending);
      EXPECT_EQ(selectedNames(), std::vector<std::wstring>{L"a"});
      if (!c.ascending.empty()) {
        EXPECT_EQ(names(), descending ? reversed(c.ascending) : c.ascending) << "column " << c.column;
        continue;
      }
      for (int row = 1; row < m_pane.entryCount(); ++row) {
        const QString before = m_pane.model()->index(row - 1, c.column).data().toString();
        const QString after = m_pane.model()->index(row, c.column).data().toString();
        const int order = before.compare(after, Qt::CaseInsensitive);
        EXPECT_TRUE(descending ? order >= 0 : order <= 0) << before.toStdString() << " / " << after.toStdString();
      }
    }
  }
}

TEST(ItemListOrderTest, FilesThatCannotBeExaminedComeFirstInTheFactsColumns) {
  // Counting them as equal to every file would give the sort no order at all.
  const auto entry = [](bool readable, int64_t size) {
    ItemListEntry e;
    e.facts = PhotoFileFacts{readable, size, QStringLiteral("JPEG image"), QDateTime(), QStringLiteral("/w")};
    return e;
  };
  std::vector<ItemListEntry> entries;
  for (const auto& [readable, size] :
       std::vector<std::pair<bool, int64_t>>{{true, 30}, {false, 0}, {true, 10}, {false, 5}})
    entries.push_back(entry(readable, size));
  const EntryComparison bySize = columnComparison(kSizeColumn);
  std::vector<size_t> order = {0, 1, 2, 3};
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return bySize(entries[a], entries[b]) < 0; });
  EXPECT_EQ(order, (std::vector<size_t>{1, 3, 2, 0}));
}

TEST_F(ItemListPaneTest, RenamingInPlaceKeepsTheNameUnlessATextIsEntered) {
  addItems(m_shirts, {L"old", L"other"});
  show(m_shirts);
  QSignalSpy renamed(&m_ts.session, &WardrobeSession::itemRenamed);
  QSignalSpy viewer(&m_pane, &ItemListPane::viewerRequested);
  struct Case {
    const char* what;
    QString typed;
    Qt::Key key;
    std::wstring name;
  };
  const Case cases[] = {
      {"empty text", QString(), Qt::Key_Return, L"old"},
      {"cancelled", QStringLiteral("Silk"), Qt::Key_Escape, L"old"},
      {"a new name", QStringLiteral("Linen shirt"), Qt::Key_Return, L"Linen shirt"},
  };
  for (const Case& c : cases) {
    select({0});
    test::trigger(&m_pane, kCmdRenameEntry);
    QLineEdit* editor = openEditor(m_pane);
    ASSERT_NE(editor, nullptr) << c.what;
    editor->selectAll();
    if (c.typed.isEmpty())
      QTest::keyClick(editor, Qt::Key_Delete);
    else
      QTest::keyClicks(editor, c.typed);
    QTest::keyClick(editor, c.key);
    // Enter commits from the event loop.
    EXPECT_TRUE(QTest::qWaitFor([&] { return openEditor(m_pane) == nullptr; }, 5000)) << c.what;
    EXPECT_EQ(m_pane.model()->itemAt(0)->name(), c.name) << c.what;
  }
  EXPECT_EQ(renamed.count(), 1);
  EXPECT_EQ(viewer.count(), 0) << "the Enter that ends a rename belongs to the editor";
  select({0, 1});
  EXPECT_FALSE(findCommandAction(&m_pane, kCmdRenameEntry)->isEnabled()) << "two entries: no rename";
}

TEST_F(ItemListPaneTest, DeleteAsksFirstThenDeletesTheItemsWithTheirFiles) {
  const std::vector<Item*> items = addItems(m_shirts, {L"a", L"b", L"c", L"d"});
  std::vector<std::wstring> folders;
  for (Item* item : items) folders.push_back(item->photoFolder());
  show(m_shirts);
  QSignalSpy aboutToGo(&m_ts.session, &WardrobeSession::itemsAboutToBeRemoved);
  QSignalSpy deleted(&m_ts.session, &WardrobeSession::itemsRemoved);
  struct Case {
    std::vector<int> selected;
    int answer;
    std::wstring question;
    std::wstring caption;
    std::vector<std::wstring> left;
  };
  const Case cases[] = {
      {{1}, kIdNo, L"Are you sure you want to delete \"b\"?", L"Confirm Item Delete", {L"a", L"b", L"c", L"d"}},
      {{1}, kIdYes, L"Are you sure you want to delete \"b\"?", L"Confirm Item Delete", {L"a", L"c", L"d"}},
      {{0, 1, 2}, kIdYes, L"Are you sure you want to delete these 3 items?", L"Confirm Multiple Item Delete", {}},
  };
  for (const Case& c : cases) {
    select(c.selected);
    const size_t asked = m_boxes.count();
    m_boxes.addAnswer(c.answer);
    QTest::keyClick(m_pane.currentView(), Qt::Key_Delete);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_boxes.count() == asked + 1; }, 5000));
    EXPECT_EQ(m_boxes.last().text, c.question);
    EXPECT_EQ(m_boxes.last().caption, c.caption);
    EXPECT_EQ(m_boxes.last().type, unsigned(kMbQuestion));
    EXPECT_EQ(names(), c.left);
    EXPECT_EQ(m_shirts->items().count(), c.left.size());
  }
  EXPECT_EQ(aboutToGo.count(), 2) << "one notice a delete";
  EXPECT_EQ(deleted.count(), 2);
  for (const std::wstring& folder : folders) EXPECT_TRUE(pathExists(folder)) << "kept until the save";
  QTest::keyClick(m_pane.currentView(), Qt::Key_Delete);
  QApplication::processEvents();
  EXPECT_EQ(m_boxes.count(), 3u) << "nothing selected: nothing asked";
}

TEST_F(ItemListPaneTest, DeletedPhotosStayUntilTheSaveThenGoToTheTrashAndUndoBringsThemBack) {
  // A file the wardrobe does not name stays, and with it the item's folder.
  const std::vector<Item*> items = addItems(m_shirts, {L"noted", L"clean", L"kept"});
  std::vector<std::wstring> photos;
  for (Item* item : items) photos.push_back(item->mainPhotoPath());
  test::writeFile(items[0]->photoFolder() + L"/notes.txt", "mine");
  show(m_shirts);
  select({0, 1});
  m_boxes.addAnswer(kIdYes);
  test::trigger(&m_pane, kCmdDelete);
  EXPECT_EQ(m_boxes.count(), 1u) << "only the question";
  EXPECT_EQ(names(), std::vector<std::wstring>{L"kept"});
  for (const std::wstring& photo : photos) EXPECT_TRUE(isFile(photo)) << "nothing deleted before the save";

  ASSERT_TRUE(m_ts.session.save());
  EXPECT_FALSE(pathExists(photos[0]));
  EXPECT_FALSE(pathExists(photos[1]));
  EXPECT_FALSE(pathExists(pathFolder(photos[1]))) << "an empty item folder goes";
  EXPECT_TRUE(isFile(pathFolder(photos[0]) + L"/notes.txt"));
  EXPECT_TRUE(isFile(photos[2]));
  std::vector<FolderEntry> trashed;
  ASSERT_TRUE(listFolder(m_ts.trashFiles(), trashed));
  EXPECT_EQ(trashed.size(), 2u);

  // Undo after the save: the photos come back from the trash, the entries to their rows, selected.
  m_ts.session.history().undo();
  EXPECT_EQ(names(), (std::vector<std::wstring>{L"noted", L"clean", L"kept"}));
  EXPECT_EQ(selectedNames(), (std::vector<std::wstring>{L"noted", L"clean"}));
  for (const std::wstring& photo : photos) EXPECT_TRUE(isFile(photo));
  ASSERT_TRUE(listFolder(m_ts.trashFiles(), trashed));
  EXPECT_TRUE(trashed.empty());
}

TEST_F(ItemListPaneTest, SelectingAndOpeningTheViewer) {
  const std::vector<Item*> items = addItems(m_shirts, {L"a", L"b", L"c", L"d"});
  show(m_shirts);
  select({1});
  test::trigger(&m_pane, kCmdSelectInverse);
  EXPECT_EQ(selectedNames(), (std::vector<std::wstring>{L"a", L"c", L"d"}));
  test::trigger(&m_pane, kCmdSelectAllEntries);
  EXPECT_EQ(m_pane.selectedCount(), 4);

  std::vector<Item*> shown;
  int at = -1;
  QObject::connect(&m_pane, &ItemListPane::viewerRequested, [&](const std::vector<Item*>& list, int index) {
    shown = list;
    at = index;
  });
  struct Case {
    const char* what;
    std::vector<int> selected;
    int current;
    bool doubleClick;
    std::vector<Item*> list;
    int index;
  };
  const Case cases[] = {
      {"Enter with one selected: every entry", {2}, 2, false, items, 2},
      {"Enter with two selected: those two", {1, 3}, 3, false, {items[1], items[3]}, 1},
      {"the focused entry not among them", {1, 2}, 0, false, {items[1], items[2]}, 0},
      {"a double-click selects its entry first", {1, 3}, 0, true, items, 0},
  };
  for (const Case& c : cases) {
    select(c.selected);
    const QModelIndex current = m_pane.model()->index(c.current, 0);
    m_pane.selection()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    at = -1;
    QAbstractItemView* view = m_pane.currentView();
    if (c.doubleClick) {
      const QPoint centre = view->visualRect(current).center();
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
      QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    } else {
      QTest::keyClick(view, Qt::Key_Return);
    }
    EXPECT_EQ(shown, c.list) << c.what;
    EXPECT_EQ(at, c.index) << c.what;
  }
}

TEST_F(ItemListPaneTest, TheContextMenuEnablesWhatApplies) {
  Collection* accessories = m_wardrobe.collections().add(L"Accessories");
  addItems(m_shirts, {L"a", L"b", L"c"});
  Collection* hats = m_wardrobe.collections().add(L"Hats");
  addItems(hats, {L"cap"});
  const int commands[] = {kCmdArrangeByName, kCmdArrangeByDateAdded, kCmdListRefresh,      kCmdListPaste,
                          kCmdDelete,        kCmdRenameEntry,        kCmdSelectAllEntries, kCmdSelectInverse};
  struct Case {
    const char* what;
    Collection* collection;
    std::vector<int> selected;
    bool filesOnClipboard;
    const char* enabled;  // in the order of commands
  };
  const Case cases[] = {
      {"no collection", nullptr, {}, true, "00000000"},
      {"an empty collection, files on the clipboard", accessories, {}, true, "00010000"},
      {"one entry, selected", hats, {0}, false, "00101111"},
      {"three entries, two selected", m_shirts, {0, 2}, false, "11101011"},
  };
  for (const Case& c : cases) {
    auto* data = new QMimeData;
    if (c.filesOnClipboard)
      data->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/photo.jpg"))});
    else
      data->setText(QStringLiteral("red shirt"));
    QGuiApplication::clipboard()->setMimeData(data);
    show(c.collection);
    select(c.selected);
    std::string states;
    std::string marked;
    QTimer::singleShot(0, [&] {
      auto* menu = test::findTopLevel<PopupMenu>(QStringLiteral("TogList Context"));
      for (int id : commands) states += menu->commandAction(id)->isEnabled() ? '1' : '0';
      for (int id : {kCmdViewThumbnails, kCmdViewIcons, kCmdViewList, kCmdViewDetails})
        marked += menu->commandAction(id)->isChecked() ? '1' : '0';
      menu->close();
    });
    m_pane.showContextMenu(m_pane.mapToGlobal(QPoint(20, 20)));
    EXPECT_EQ(states, c.enabled) << c.what;
    EXPECT_EQ(marked, "1000") << c.what << ": the view shown is marked";
  }
  test::trigger(&m_pane, kCmdViewList);
  std::string marked;
  QTimer::singleShot(0, [&] {
    auto* menu = test::findTopLevel<PopupMenu>(QStringLiteral("TogList Context"));
    marked = menu->commandAction(kCmdViewList)->isChecked() ? "List" : "not List";
    menu->close();
  });
  m_pane.showContextMenu(m_pane.mapToGlobal(QPoint(20, 20)));
  EXPECT_EQ(marked, "List");
}

TEST_F(ItemListPaneTest, TheEmptyPaneAsksForACollectionOrForPhotos) {
  Collection* accessories = m_wardrobe.collections().add(L"Accessories");
  struct Case {
    Collection* collection;
    QString hint;
  };
  const QString choose = QStringLiteral("Select a collection on the left, then add photos here.");
  const Case cases[] = {
      {accessories, QStringLiteral("Add photos here for \"Accessories\".\n\nYou can:\n\n1) Click \"Add Photos\" on the "
                                   "toolbar;\n2) Or, drag photos into this pane.")},
      {m_wardrobe.collections().allCollections(), choose},
      {nullptr, choose},
  };
  for (const ItemListLook look : {ItemListLook::Thumbnails, ItemListLook::Details}) {
    m_pane.setLook(look);
    for (const Case& c : cases) {
      show(c.collection);
      EXPECT_EQ(m_pane.hint().text(), c.hint);
      QWidget* area = m_pane.currentView()->viewport();
      const QImage drawn = area->grab().toImage();
      const QRect text = m_pane.hint().textRect(area->rect()) & drawn.rect();
      int grey = 0;
      for (int y = text.top(); y <= text.bottom(); ++y)
        for (int x = text.left(); x <= text.right(); ++x) grey += drawn.pixelColor(x, y) != Qt::white;
      EXPECT_GT(grey, 50) << "the hint is drawn";
      EXPECT_EQ(drawn.pixelColor(area->width() - 2, area->height() - 2), QColor(Qt::white));
    }
  }
}

}  // namespace
}  // namespace tavoro::ui
