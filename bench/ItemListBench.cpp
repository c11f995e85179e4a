// bench_item_list: the item list pane over collections of generated photos
// (64 x 48 JPEG files, every other one with an EXIF thumbnail), on the
// offscreen platform. For each size it times, on a cold thumbnail store:
// selecting the collection until the first paint with entries; until every
// entry in view is drawn with its thumbnail; scrolling from top to bottom a
// page at a time (each page painted, thumbnails asked for per visible
// range); the Details table sorted by each column; and, with a time limit,
// until every thumbnail is made. It reports the longest event handler on the
// user-interface thread while thumbnails stream in, and the peak memory.
// The photos and their wardrobe tree are made once into the build's cache.
// The floors: selecting an empty collection (0 items), and for the scroll,
// Qt's own list view over the same names, laid out and scrolled alike, each
// entry drawn with plain painter calls (a picture ready in memory, the name).
//
// Usage: bench_item_list [ITEMS...]   (default: 0 5000 50000)
#include <QApplication>
#include <QEventLoop>
#include <QHeaderView>
#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "PhotoFactory.h"
#include "imaging/thumbnails/ListThumbnailLoader.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "ui/common/CommandIds.h"
#include "ui/items/ItemTableView.h"
#include "ui/items/ItemGridView.h"
#include "ui/items/ItemListLook.h"
#include "ui/items/ItemListModel.h"
#include "ui/items/ItemListPane.h"
#include "ui/session/WardrobeSession.h"
#include "ui/common/CommandActions.h"
#include "ui/items/ListThumbnails.h"
#include "wardrobe/Wardrobe.h"

namespace {

using namespace tavoro;
using namespace tavoro::ui;
using Clock = std::chrono::steady_clock;

constexpr int kDistinctPhotos = 200;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Times every event handler of the user-interface thread, and notes when
// the watched widget has finished a paint.
class TimedApplication : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override {
    const bool outermost = m_depth++ == 0;
    const auto start = Clock::now();
    const bool result = QApplication::notify(receiver, event);
    --m_depth;
    if (outermost && m_timing) {
      const double ms = msSince(start);
      m_longest = std::max(m_longest, ms);
      if (ms > 16) ++m_overBudget;
    }
    if (event->type() == QEvent::Paint && receiver == m_paintTarget) {
      m_lastPaint = Clock::now();
      m_paintMs += msSince(start);
      ++m_paints;
    }
    return result;
  }

  void watchPaints(QObject* target) { m_paintTarget = target; }
  int paints() const { return m_paints; }
  // Time spent painting the watched widget, in all.
  double paintMs() const { return m_paintMs; }
  Clock::time_point lastPaint() const { return m_lastPaint; }
  void startTiming() {
    m_timing = true;
    m_longest = 0;
    m_overBudget = 0;
  }
  void stopTiming() { m_timing = false; }
  double longest() const { return m_longest; }
  int overBudget() const { return m_overBudget; }

 private:
  int m_depth = 0;
  bool m_timing = false;
  double m_longest = 0;
  int m_overBudget = 0;
  QObject* m_paintTarget = nullptr;
  int m_paints = 0;
  double m_paintMs = 0;
  Clock::time_point m_lastPaint;
};

TimedApplication* app() {
  return static_cast<TimedApplication*>(QCoreApplication::instance());
}

// Runs the event loop until the condition holds (checked every millisecond
// and after every event batch); false after timeoutMs.
bool runUntil(const std::function<bool()>& condition, int timeoutMs) {
  if (condition()) return true;
  QEventLoop loop;
  QTimer check;
  check.setInterval(1);
  bool met = false;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (condition()) {
      met = true;
      loop.quit();
    }
  });
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  check.start();
  loop.exec();
  return met;
}

// Runs until the viewport has painted once more.
bool runUntilPainted(int timeoutMs = 10000) {
  const int before = app()->paints();
  return runUntil([before] { return app()->paints() > before; }, timeoutMs);
}

long peakKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

std::wstring cacheFolder() {
  return fromUtf8(TAVORO_BENCH_CACHE_DIR) + L"/item-list";
}

// The distinct photos, made once.
std::wstring sourcePhoto(int i) {
  const std::wstring path = cacheFolder() + L"/photos/photo_" + std::to_wstring(i) + L".jpg";
  if (!isFile(path)) {
    createFolders(cacheFolder() + L"/photos");
    std::string bytes = test::jpegBytes(64, 48, i, 85);
    if (i % 2 == 0) bytes = test::withExif(bytes, test::jpegBytes(32, 24, i, 80));
    std::ofstream(toUtf8(path + L".part"), std::ios::binary) << bytes;
    std::filesystem::rename(toUtf8(path + L".part"), toUtf8(path));
  }
  return path;
}

// A wardrobe of one collection of count items, each with its own photo file
// (links to the distinct photos) where the wardrobe keeps it.
Collection* makeCollection(Wardrobe& wardrobe, int count) {
  Collection* collection = wardrobe.collections().add(L"Bench");
  const std::wstring complete = wardrobe.photoFolder() + L"/complete";
  const bool made = isFile(complete);
  for (int i = 0; i < count; ++i) {
    Item* item = collection->items().add(L"Item " + std::to_wstring(i + 1), i + 1);
    item->setDateAdded(DateTime::now());
    Photo* photo = item->photos().addExisting(ImageType::Jpg, 1);
    if (made) continue;
    const std::wstring path = photo->filePath();
    createFolders(item->photoFolder());
    std::error_code error;
    std::filesystem::create_hard_link(toUtf8(sourcePhoto(i % kDistinctPhotos)), toUtf8(path), error);
    if (error) std::filesystem::copy_file(toUtf8(sourcePhoto(i % kDistinctPhotos)), toUtf8(path), error);
  }
  if (!made) std::ofstream(toUtf8(complete)) << "made\n";
  return collection;
}

// Draws one picture, ready in memory, and the name under it, with plain
// painter calls: the least an entry of the item list can cost.
class PlainDelegate : public QStyledItemDelegate {
 public:
  explicit PlainDelegate(QSize cell) : m_picture(cell, QImage::Format_RGB32) { m_picture.fill(QColor(218, 222, 229)); }
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QRect entry = option.rect;
    painter->drawImage(QPoint(entry.left() + (entry.width() - m_picture.width()) / 2, entry.top() + 2), m_picture);
    const QRect label(entry.left() + 2, entry.top() + m_picture.height() + 6, entry.width() - 4,
                      entry.height() - m_picture.height() - 6);
    painter->drawText(label, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, index.data().toString());
  }

 private:
  QImage m_picture;
};

// The floor of the scroll: Qt's list view over the same names, in the same
// grid and viewport, scrolled the same way, each entry drawn plainly.
// Scrolls from top to bottom a page at a time, each page painted, and prints
// the time taken and the share of it spent painting.
void printScroll(const char* what, QScrollBar* bar) {
  const auto start = Clock::now();
  const double paintedBefore = app()->paintMs();
  int pages = 0;
  for (int value = 0; value < bar->maximum(); value = std::min(bar->maximum(), value + bar->pageStep())) {
    bar->setValue(std::min(bar->maximum(), value + bar->pageStep()));
    runUntilPainted();
    ++pages;
  }
  const double ms = msSince(start);
  std::printf("  %s: %d pages in %.0f ms (%.2f ms a page, painting %.3f ms)\n", what, pages, ms,
              pages ? ms / pages : 0.0, pages ? (app()->paintMs() - paintedBefore) / pages : 0.0);
}

void scrollFloor(const Collection& collection, QSize grid, QSize viewportSize) {
  QStringList names;
  for (const auto& item : collection.items().items()) names.push_back(QString::fromStdWString(item->name()));
  QStringListModel model(names);
  QListView view;
  PlainDelegate plain(QSize(kThumbnailCell, kThumbnailCell));
  view.setItemDelegate(&plain);
  view.setModel(&model);
  view.setViewMode(QListView::IconMode);
  view.setUniformItemSizes(true);
  view.setMovement(QListView::Static);
  view.setResizeMode(QListView::Adjust);
  view.setWrapping(true);
  view.setGridSize(grid);
  view.setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  view.resize(viewportSize + QSize(view.verticalScrollBar()->sizeHint().width(), 0));
  view.show();
  QApplication::processEvents();
  app()->watchPaints(view.viewport());
  printScroll("floor: Qt's list view, a ready picture and the name", view.verticalScrollBar());
}

void measure(int count) {
  auto made = std::make_unique<Wardrobe>(cacheFolder() + L"/W" + std::to_wstring(count), L"Bench");
  const auto makeStart = Clock::now();
  Collection* collection = makeCollection(*made, count);
  WardrobeSession session;
  session.open(made);
  std::printf("\n%d items (model and files ready in %.0f ms)\n", count, msSince(makeStart));

  {
    // What the model's path building alone costs (the list asks for each
    // item's main photo path once when it fills).
    const auto start = Clock::now();
    size_t length = 0;
    for (const auto& item : collection->items().items()) length += item->mainPhotoPath().size();
    std::printf("  the model's main photo paths alone: %.1f ms (%zu characters)\n", msSince(start), length);
  }

  ItemListPane pane(session);
  pane.resize(660, 560);
  pane.show();
  QApplication::processEvents();
  QWidget* viewport = pane.gridView()->viewport();
  app()->watchPaints(viewport);

  // When each entry's thumbnail was announced (after the pane asked for its redraw).
  std::map<int32_t, Clock::time_point> arrived;
  QObject::connect(pane.thumbnails(), &ListThumbnails::thumbnailsReady, [&](const QList<int32_t>& numbers) {
    for (int32_t number : numbers) arrived.emplace(number, Clock::now());
  });

  // Selecting the collection, as a click would: one event handler.
  app()->startTiming();
  const auto select = Clock::now();
  double showMs = 0;
  QTimer::singleShot(0, [&] {
    const auto start = Clock::now();
    session.setCurrentCollection(collection);
    showMs = msSince(start);
  });
  runUntil([&] { return pane.entryCount() == count && app()->paints() > 0 && app()->lastPaint() > select; }, 30000);
  const double firstPaint = std::chrono::duration<double, std::milli>(app()->lastPaint() - select).count();
  const double selectHandler = app()->longest();
  std::printf("  select to first paint with entries: %.1f ms (showCollection %.1f ms)\n", firstPaint, showMs);
  if (count == 0) return;

  // Every entry in view drawn with its thumbnail.
  app()->startTiming();
  const auto [first, last] = pane.gridView()->visibleRows();
  const auto visibleDone = [&, first = first, last = last] {
    for (int row = first; row <= last; ++row)
      if (!arrived.count(pane.model()->entry(row).number)) return false;
    return true;
  };
  runUntil(visibleDone, 60000);
  // The last of them is drawn by the paint that follows its announcement.
  Clock::time_point lastArrival;
  for (int row = first; row <= last; ++row)
    lastArrival = std::max(lastArrival, arrived[pane.model()->entry(row).number]);
  runUntil([&] { return app()->lastPaint() >= lastArrival; }, 10000);
  std::printf("  select to every visible thumbnail drawn (%d entries): %.1f ms; peak memory %.0f MiB\n",
              last - first + 1, msSince(select), peakKilobytes() / 1024.0);

  // A page at a time from top to bottom, each page painted.
  printScroll("scroll top to bottom", pane.gridView()->verticalScrollBar());

  std::printf("  longest event handler while thumbnails stream in: %.1f ms (%d over 16 ms); selecting: %.1f ms\n",
              app()->longest(), app()->overBudget(), selectHandler);
  app()->stopTiming();
  scrollFloor(*collection, pane.gridView()->gridSize(), pane.gridView()->viewport()->size());

  // Details, sorted by each column (the first click on a column sorts ascending).
  triggerCommand(&pane, kCmdViewDetails);
  app()->watchPaints(pane.detailsView()->viewport());
  runUntilPainted();
  QHeaderView* header = pane.detailsView()->header();
  std::printf("  Details sorted by");
  for (int column = 0; column < kColumnCount; ++column) {
    const auto start = Clock::now();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(column) + 8, 5));
    runUntilPainted();
    std::printf(" %s %.0f ms;", qPrintable(columnTitle(column)), msSince(start));
  }
  std::printf("\n");

  const auto allStart = Clock::now();
  const bool all = runUntil([&] { return arrived.size() >= static_cast<size_t>(count); }, 120000);
  std::printf("  every thumbnail made: %s after %.1f s more (%zu of %d)\n", all ? "done" : "not yet",
              msSince(allStart) / 1000, arrived.size(), count);
  std::printf("  peak memory so far: %.0f MiB\n", peakKilobytes() / 1024.0);
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TimedApplication application(argc, argv);
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {0, 5000, 50000};
  std::printf("peak memory at start: %.0f MiB\n", peakKilobytes() / 1024.0);
  for (int count : sizes)
    if (count >= 0) measure(count);
  return 0;
}
