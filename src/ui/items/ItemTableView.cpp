#include "ui/items/ItemTableView.h"

#include <QHeaderView>
#include <QPainter>

#include "ui/common/UiFonts.h"
#include "ui/items/EmptyListHint.h"
#include "ui/items/ItemListDelegate.h"
#include "ui/items/ItemListLook.h"
#include "ui/items/PhotoFileFacts.h"

namespace tavoro::ui {

ItemTableView::ItemTableView(ItemListDelegate& delegate, const EmptyListHint& hint, QWidget* parent)
    : QTreeView(parent), m_hint(hint) {
  setObjectName(QStringLiteral("ItemTableView"));
  setFont(UiFont());
  setItemDelegate(&delegate);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::EditKeyPressed);
  setIconSize(QSize(kSmallIcon, kSmallIcon));
  setFrameShape(QFrame::NoFrame);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::NoDragDrop);
  setTextElideMode(Qt::ElideRight);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, Qt::white);
  setPalette(colours);

  QHeaderView* titles = header();
  titles->setObjectName(QStringLiteral("ItemDetailsHeader"));
  titles->setSectionsMovable(true);
  titles->setSectionsClickable(true);
  titles->setStretchLastSection(false);
  titles->setSortIndicatorShown(false);
  connect(titles, &QHeaderView::sectionClicked, this, &ItemTableView::columnClicked);
}

void ItemTableView::setModel(QAbstractItemModel* model) {
  QTreeView::setModel(model);
  for (int column = 0; column < kColumnCount; ++column) header()->resizeSection(column, columnWidth(column));
}

void ItemTableView::showSortArrow(int column, bool descending) {
  QHeaderView* titles = header();
  if (column < 0) {
    titles->setSortIndicatorShown(false);
    return;
  }
  // The header draws Qt's ascending order as an arrow pointing down; the
  // list's ascending order points up, as the desktop's file lists do.
  titles->setSortIndicator(column, descending ? Qt::AscendingOrder : Qt::DescendingOrder);
  titles->setSortIndicatorShown(true);
}

int ItemTableView::sortArrowColumn() const {
  return header()->isSortIndicatorShown() ? header()->sortIndicatorSection() : -1;
}

bool ItemTableView::sortArrowUp() const {
  return header()->sortIndicatorOrder() == Qt::DescendingOrder;
}

void ItemTableView::paintEvent(QPaintEvent* event) {
  if (model() && model()->rowCount(rootIndex()) == 0) {
    QPainter painter(viewport());
    m_hint.paint(painter, viewport()->rect());
    return;
  }
  QTreeView::paintEvent(event);
}

}  // namespace tavoro::ui
