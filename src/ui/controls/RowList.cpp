#include "ui/controls/RowList.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "ui/common/CommandIds.h"
#include "ui/controls/RowDrop.h"

namespace tavoro::ui {

namespace {

// An index adjusted for the removal of the row at removed.
int afterRemoval(int index, int removed) {
  if (index == removed) return -1;
  return index > removed ? index - 1 : index;
}

}  // namespace

RowList::RowList(int rowHeight, QWidget* parent) : QAbstractScrollArea(parent), m_rowHeight(qMax(1, rowHeight)) {
  setObjectName(QStringLiteral("RowList"));
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::NoFrame);  // a list that wants a sunken edge asks for it
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setMouseTracking(true);
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  verticalScrollBar()->setSingleStep(m_rowHeight);
}

RowList::~RowList() = default;

int RowList::addRow(std::unique_ptr<ListBoxRow> row) {
  if (!row) return -1;
  m_rows.push_back(std::move(row));
  updateScrollRange();
  updateRow(rowCount() - 1);
  return rowCount() - 1;
}

void RowList::addRows(std::vector<std::unique_ptr<ListBoxRow>> rows) {
  const int first = rowCount();
  // Rows may come in many pieces: the list grows as a vector does.
  if (m_rows.capacity() < m_rows.size() + rows.size())
    m_rows.reserve(std::max(m_rows.size() + rows.size(), 2 * m_rows.capacity()));
  for (auto& row : rows)
    if (row) m_rows.push_back(std::move(row));
  if (rowCount() == first) return;
  updateScrollRange();
  viewport()->update();
}

bool RowList::removeRow(const ListBoxRow* row) {
  const int index = indexOf(row);
  if (index < 0) return false;
  m_rows.erase(m_rows.begin() + index);
  cancelDrag();
  m_hotRow = afterRemoval(m_hotRow, index);
  m_focusRow = afterRemoval(m_focusRow, index);
  m_anchorRow = afterRemoval(m_anchorRow, index);
  updateScrollRange();
  viewport()->update();
  return true;
}

void RowList::removeAllRows() {
  m_pendingVisible = -1;
  m_rows.clear();
  cancelDrag();
  m_hotRow = m_focusRow = m_anchorRow = -1;
  updateScrollRange();
  viewport()->update();
}

bool RowList::moveRow(int from, int to) {
  if (!row(from) || !row(to)) return false;
  if (from == to) return true;
  auto moved = std::move(m_rows[static_cast<size_t>(from)]);
  m_rows.erase(m_rows.begin() + from);
  m_rows.insert(m_rows.begin() + to, std::move(moved));
  // Indexes that named rows follow them.
  const auto follow = [from, to](int index) {
    if (index == from) return to;
    if (from < to && index > from && index <= to) return index - 1;
    if (to < from && index >= to && index < from) return index + 1;
    return index;
  };
  m_hotRow = follow(m_hotRow);
  m_focusRow = follow(m_focusRow);
  m_anchorRow = follow(m_anchorRow);
  viewport()->update();
  return true;
}

bool RowList::swapRows(int a, int b) {
  if (!row(a) || !row(b)) return false;
  std::swap(m_rows[static_cast<size_t>(a)], m_rows[static_cast<size_t>(b)]);
  const auto follow = [a, b](int index) { return index == a ? b : index == b ? a : index; };
  m_hotRow = follow(m_hotRow);
  m_focusRow = follow(m_focusRow);
  m_anchorRow = follow(m_anchorRow);
  viewport()->update();
  return true;
}

ListBoxRow* RowList::row(int index) const {
  return index >= 0 && index < rowCount() ? m_rows[static_cast<size_t>(index)].get() : nullptr;
}

int RowList::indexOf(const ListBoxRow* row) const {
  for (int i = 0; i < rowCount(); ++i)
    if (m_rows[static_cast<size_t>(i)].get() == row) return i;
  return -1;
}

int RowList::rowAt(QPoint viewportPos) const {
  if (!viewport()->rect().contains(viewportPos)) return -1;
  const int y = viewportPos.y() + verticalScrollBar()->value();
  const int index = y / m_rowHeight;
  return y >= 0 && index < rowCount() ? index : -1;
}

QRect RowList::rowRect(int index) const {
  return QRect(0, index * m_rowHeight - verticalScrollBar()->value(), viewport()->width(), m_rowHeight);
}

int RowList::selectedCount() const {
  int count = 0;
  for (const auto& row : m_rows) count += row->m_selected ? 1 : 0;
  return count;
}

std::vector<int> RowList::selectedRows() const {
  std::vector<int> rows;
  for (int i = 0; i < rowCount(); ++i)
    if (m_rows[static_cast<size_t>(i)]->m_selected) rows.push_back(i);
  return rows;
}

int RowList::firstSelectedRow() const {
  for (int i = 0; i < rowCount(); ++i)
    if (m_rows[static_cast<size_t>(i)]->m_selected) return i;
  return -1;
}

bool RowList::setRowSelected(int index, bool selected, bool notify) {
  ListBoxRow* target = row(index);
  if (!target || target->m_selected == selected || (selected && !target->m_selectable)) return false;
  target->m_selected = selected;
  updateRow(index);
  if (notify) emit selectionChanged();
  return true;
}

void RowList::selectAll(bool notify) {
  bool changed = false;
  for (int i = 0; i < rowCount(); ++i) changed |= setRowSelected(i, true, false);
  if (changed && notify) emit selectionChanged();
}

void RowList::invertSelection(bool notify) {
  for (int i = 0; i < rowCount(); ++i) {
    ListBoxRow* target = row(i);
    if (target->m_selectable) setRowSelected(i, !target->m_selected, false);
  }
  if (notify) emit selectionChanged();
}

bool RowList::clearSelection() {
  bool changed = false;
  for (int i = 0; i < rowCount(); ++i) changed |= setRowSelected(i, false, false);
  return changed;
}

void RowList::selectRowAlone(int index) {
  if (!row(index)) return;
  selectOnly(index);
  m_focusRow = m_anchorRow = index;
  ensureVisible(index);
}

bool RowList::selectOnly(int index) {
  bool changed = false;
  for (int i = 0; i < rowCount(); ++i) changed |= setRowSelected(i, i == index, false);
  return changed;
}

bool RowList::selectRange(int from, int to, bool keepOthers) {
  const int low = qMin(from, to);
  const int high = qMax(from, to);
  bool changed = false;
  for (int i = 0; i < rowCount(); ++i) {
    const bool inside = i >= low && i <= high;
    if (inside)
      changed |= setRowSelected(i, true, false);
    else if (!keepOthers)
      changed |= setRowSelected(i, false, false);
  }
  return changed;
}

void RowList::notifyIf(bool changed) {
  if (changed) emit selectionChanged();
}

void RowList::ensureVisible(int index) {
  if (!row(index)) return;
  // Before its layout the list has no height: scrolling now would scroll as
  // if no row fitted. It scrolls once it knows how many do.
  if (viewport()->height() < m_rowHeight) {
    m_pendingVisible = index;
    return;
  }
  m_pendingVisible = -1;
  QScrollBar* bar = verticalScrollBar();
  const int top = index * m_rowHeight;
  const int bottom = top + m_rowHeight;
  if (top < bar->value())
    bar->setValue(top);
  else if (bottom > bar->value() + viewport()->height())
    bar->setValue(bottom - viewport()->height());
}

void RowList::updateRow(int index) {
  if (row(index)) viewport()->update(rowRect(index));
}

void RowList::updateScrollRange() {
  QScrollBar* bar = verticalScrollBar();
  bar->setPageStep(qMax(1, viewport()->height()));
  bar->setRange(0, qMax(0, rowCount() * m_rowHeight - viewport()->height()));
}

void RowList::setHotRow(int index) {
  if (index >= 0 && !row(index)->m_selectable) index = -1;
  if (index == m_hotRow) return;
  updateRow(m_hotRow);
  m_hotRow = index;
  updateRow(m_hotRow);
}

void RowList::paintBackground(QPainter& painter, const QRect& area) { painter.fillRect(area, Qt::white); }

void RowList::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QRect area = viewport()->rect();
  const int first = qMax(0, verticalScrollBar()->value() / m_rowHeight);
  const bool focused = hasFocus();
  int bottom = area.top();
  for (int i = first; i < rowCount(); ++i) {
    const QRect rect = rowRect(i);
    if (rect.top() > area.bottom()) break;
    const ListBoxRow* current = row(i);
    painter.save();
    painter.setClipRect(rect);
    current->paint(painter, rect, {current->m_selected, i == m_hotRow, focused});
    painter.restore();
    bottom = rect.bottom() + 1;
  }
  if (bottom <= area.bottom()) paintBackground(painter, QRect(area.left(), bottom, area.width(), area.bottom() + 1 - bottom));
  if (focused && row(m_focusRow)) {
    // The keyboard's place, as a dotted frame over the row's own drawing.
    QPen pen(QColor(61, 75, 102));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(focusFrame(m_focusRow).adjusted(1, 1, -2, -2));
  }
  if (m_dragging) paintDrag(painter);
}

bool RowList::canDragRow(int index) const {
  return m_firstMovable >= 0 && index >= m_firstMovable && index <= rowCount() - 2;
}

void RowList::updateDrag(QPoint viewportPos) {
  if (!m_dragging) {
    if (qAbs(viewportPos.y() - m_pressPos.y()) <= 2) return;
    m_dragging = true;
    // The picture that follows the mouse: the row as it looks selected.
    const ListBoxRow* dragged = row(m_dragRow);
    m_dragPicture = QPixmap(viewport()->width(), m_rowHeight);
    m_dragPicture.fill(Qt::white);
    QPainter picture(&m_dragPicture);
    dragged->paint(picture, m_dragPicture.rect(), {true, false, true});
  }
  // Near the edges the list scrolls, a row at a time.
  QScrollBar* bar = verticalScrollBar();
  if (viewportPos.y() < 0)
    bar->setValue(bar->value() - m_rowHeight);
  else if (viewportPos.y() >= viewport()->height())
    bar->setValue(bar->value() + m_rowHeight);
  m_dragY = viewportPos.y();
  m_dropPosition = dropPositionAt(m_dragY);
  viewport()->update();
}

int RowList::dropPositionAt(int y) const {
  // The height of the dragged picture's centre decides, not the mouse's.
  const int centre = y - m_grabOffset + m_rowHeight / 2 + verticalScrollBar()->value();
  return rowDropPosition(centre, m_rowHeight, rowCount(), m_firstMovable);
}

void RowList::cancelDrag() { endDrag(QPoint(), false); }

void RowList::endDrag(QPoint viewportPos, bool drop) {
  const int from = m_dragRow;
  const bool dragging = m_dragging;
  m_dragRow = -1;
  m_dragging = false;
  m_dragPicture = QPixmap();
  if (!dragging) return;
  viewport()->update();
  if (!drop || !viewport()->rect().contains(viewportPos)) return;
  const int to = rowDropTarget(from, dropPositionAt(viewportPos.y()));
  if (to >= 0 && moveRow(from, to)) emit rowDragged(from, to);
}

void RowList::paintDrag(QPainter& painter) {
  const int lineY = m_dropPosition * m_rowHeight - verticalScrollBar()->value();
  painter.fillRect(QRect(0, lineY - 1, viewport()->width(), 2), QColor(61, 75, 102));
  painter.setOpacity(0.6);
  painter.drawPixmap(0, m_dragY - m_grabOffset, m_dragPicture);
  painter.setOpacity(1.0);
}

void RowList::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollRange();
  if (m_pendingVisible >= 0 && viewport()->height() >= m_rowHeight) ensureVisible(m_pendingVisible);
}

void RowList::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const int index = rowAt(event->position().toPoint());
  const ListBoxRow* target = row(index);
  const Qt::KeyboardModifiers modifiers = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);

  if (event->button() == Qt::RightButton) {
    // A right click keeps a selection it lands in, so that a context menu acts on all of it.
    if (target && target->m_selectable && modifiers == Qt::NoModifier && !target->m_selected) {
      const bool changed = selectOnly(index);
      m_focusRow = m_anchorRow = index;
      notifyIf(changed);
    }
    return;
  }
  if (event->button() != Qt::LeftButton) return;

  if (!target) {
    if (modifiers == Qt::NoModifier) {
      notifyIf(clearSelection());
    }
    return;
  }
  if (!target->m_selectable) return;

  if (modifiers & Qt::ShiftModifier) {
    const int from = m_anchorRow >= 0 ? m_anchorRow : m_focusRow;
    bool changed;
    if (from < 0) {
      changed = (modifiers & Qt::ControlModifier) ? setRowSelected(index, true, false) : selectOnly(index);
      m_anchorRow = index;
    } else {
      changed = selectRange(from, index, modifiers & Qt::ControlModifier);
    }
    m_focusRow = index;
    notifyIf(changed);
  } else if (modifiers & Qt::ControlModifier) {
    setRowSelected(index, !target->m_selected, false);
    m_focusRow = m_anchorRow = index;
    emit selectionChanged();
  } else {
    const bool changed = selectOnly(index);
    m_focusRow = m_anchorRow = index;
    notifyIf(changed);
    emit rowFocused(index);
  }
  // The selection handling may have changed the list (a pane reacting to it).
  if (modifiers == Qt::NoModifier && row(index) == target && canDragRow(index)) {
    m_dragRow = index;
    m_pressPos = event->position().toPoint();
    m_grabOffset = m_pressPos.y() - rowRect(index).top();
  }
}

void RowList::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (m_dragRow >= 0 && (event->buttons() & Qt::LeftButton)) {
    updateDrag(pos);
    return;
  }
  setHotRow(rowAt(pos));
}

void RowList::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && m_dragRow >= 0) endDrag(event->position().toPoint(), true);
  event->accept();
}

void RowList::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int index = rowAt(event->position().toPoint());
  if (row(index)) emit rowDoubleClicked(index);
}

int RowList::rowForKey(int key) const {
  const int page = qMax(1, viewport()->height() / m_rowHeight - 1);
  int from = m_focusRow;
  int step = 1;
  switch (key) {
    case Qt::Key_Down:
      break;
    case Qt::Key_Up:
      step = -1;
      if (from < 0) from = rowCount();
      break;
    case Qt::Key_PageDown:
      from = qMin(rowCount() - 1, qMax(from, 0) + page - 1);
      break;
    case Qt::Key_PageUp:
      step = -1;
      from = qMax(0, (from < 0 ? 0 : from) - page + 1);
      break;
    case Qt::Key_Home:
      from = -1;
      break;
    case Qt::Key_End:
      step = -1;
      from = rowCount();
      break;
    default:
      return -1;
  }
  for (int i = from + step; i >= 0 && i < rowCount(); i += step)
    if (row(i)->m_selectable) return i;
  // Past the last selectable row the focus row stays where it is.
  return row(m_focusRow) && row(m_focusRow)->m_selectable ? m_focusRow : -1;
}

void RowList::moveFocusByKey(int target, Qt::KeyboardModifiers modifiers) {
  const int previous = m_focusRow;
  bool changed = false;
  if (modifiers & Qt::ShiftModifier) {
    const int from = m_anchorRow >= 0 ? m_anchorRow : (m_focusRow >= 0 ? m_focusRow : target);
    changed = selectRange(from, target, modifiers & Qt::ControlModifier);
    m_anchorRow = from;
  } else if (!(modifiers & Qt::ControlModifier)) {
    changed = selectOnly(target);
    m_anchorRow = target;
  }
  m_focusRow = target;
  updateRow(previous);
  updateRow(target);
  ensureVisible(target);
  notifyIf(changed);
  emit rowFocused(target);
}

QPoint RowList::keyboardMenuPoint() const {
  const int index = row(m_focusRow) ? m_focusRow : firstSelectedRow();
  return row(index) ? focusFrame(index).center() : QPoint(-1, -1);
}

void RowList::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
  if (const int target = rowForKey(event->key()); target >= 0) {
    moveFocusByKey(target, modifiers);
    return;
  }
  if (event->key() == Qt::Key_Space && modifiers == Qt::ControlModifier && row(m_focusRow)) {
    // Ctrl+Space adds the focus row to the selection or takes it out, as a Ctrl-click does.
    if (setRowSelected(m_focusRow, !row(m_focusRow)->m_selected, false)) emit selectionChanged();
    m_anchorRow = m_focusRow;
    return;
  }
  if (event->matches(QKeySequence::SelectAll)) {
    if (!event->isAutoRepeat()) selectAll(true);
    return;
  }
  if (m_deleteKeyEnabled && event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    if (!event->isAutoRepeat()) emit commandRequested(kCmdDelete);
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void RowList::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  for (int index : selectedRows()) updateRow(index);
}

void RowList::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  // Losing the focus ends a drag as losing the mouse capture would: nothing moves.
  if (m_dragRow >= 0 && event->reason() != Qt::PopupFocusReason) cancelDrag();
  for (int index : selectedRows()) updateRow(index);
}

bool RowList::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) setHotRow(-1);
  return QAbstractScrollArea::viewportEvent(event);
}

}  // namespace tavoro::ui
