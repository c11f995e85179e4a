#include "ui/items/ItemGridView.h"

#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "ui/common/UiFonts.h"
#include "ui/items/EmptyListHint.h"
#include "ui/items/ItemListDelegate.h"

namespace tavoro::ui {

ItemGridView::ItemGridView(ItemListDelegate& delegate, const EmptyListHint& hint, QWidget* parent)
    : QListView(parent), m_delegate(delegate), m_hint(hint) {
  setObjectName(QStringLiteral("ItemGridView"));
  setFont(UiFont());
  setItemDelegate(&delegate);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  // Every column of a row is selected with it, as the details table does.
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::EditKeyPressed);
  setResizeMode(QListView::Adjust);
  setMovement(QListView::Static);
  setWrapping(true);
  setSpacing(0);
  setFrameShape(QFrame::NoFrame);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::NoDragDrop);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, Qt::white);
  setPalette(colours);

  QScrollBar* bar = verticalScrollBar();
  connect(bar, &QScrollBar::sliderReleased, this, &ItemGridView::settleLater);
  connect(bar, &QScrollBar::valueChanged, this, [this, bar] {
    if (!bar->isSliderDown()) settleLater();
  });
  setLook(ItemListLook::Thumbnails);
}

void ItemGridView::setLook(ItemListLook look) {
  if (look == ItemListLook::Details) return;
  m_look = look;
  m_delegate.setLook(look);
  const QSize entry = m_delegate.entrySize(look);
  const bool rows = look != ItemListLook::List;
  setFlow(rows ? QListView::LeftToRight : QListView::TopToBottom);
  setIconSize(look == ItemListLook::Thumbnails ? QSize(kThumbnailCell, kThumbnailCell)
              : look == ItemListLook::Icons    ? QSize(kLargeIcon, kLargeIcon)
                                               : QSize(kSmallIcon, kSmallIcon));
  setGridSize(entry);
  setWrapping(true);
  scheduleDelayedItemsLayout();
  viewport()->update();
}

std::pair<int, int> ItemGridView::visibleRows() {
  const QAbstractItemModel* items = model();
  const int count = items ? items->rowCount(rootIndex()) : 0;
  if (count == 0) return {-1, -1};
  // Entries just made have no place until the layout that would come with
  // the next pass of the event loop.
  executeDelayedItemsLayout();
  const QRect area = viewport()->rect();
  const bool rows = flow() == QListView::LeftToRight;
  // Entries lie in row order from the top (rows) or from the left (columns),
  // so the visible ones are found by halving.
  const auto before = [&](int row) {
    const QRect r = visualRect(items->index(row, 0, rootIndex()));
    return rows ? r.bottom() < area.top() : r.right() < area.left();
  };
  const auto after = [&](int row) {
    const QRect r = visualRect(items->index(row, 0, rootIndex()));
    return rows ? r.top() > area.bottom() : r.left() > area.right();
  };
  int low = 0, high = count;  // first row not before the area
  while (low < high) {
    const int mid = low + (high - low) / 2;
    if (before(mid))
      low = mid + 1;
    else
      high = mid;
  }
  const int first = low;
  low = first;
  high = count;  // first row after the area
  while (low < high) {
    const int mid = low + (high - low) / 2;
    if (after(mid))
      high = mid;
    else
      low = mid + 1;
  }
  if (first >= count || low <= first) return {-1, -1};
  return {first, low - 1};
}

void ItemGridView::settleLater() {
  if (m_settlePending) return;
  m_settlePending = true;
  QTimer::singleShot(0, this, [this] {
    m_settlePending = false;
    emit scrollSettled();
  });
}

void ItemGridView::wheelEvent(QWheelEvent* event) {
  QListView::wheelEvent(event);
  settleLater();
}

void ItemGridView::paintEvent(QPaintEvent* event) {
  if (model() && model()->rowCount(rootIndex()) == 0) {
    QPainter painter(viewport());
    m_hint.paint(painter, viewport()->rect());
    return;
  }
  QListView::paintEvent(event);
}

}  // namespace tavoro::ui
