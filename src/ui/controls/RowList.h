// RowList: the program's vertically scrolling, owner-drawn row list with its
// selection rules (plain, Ctrl and Shift clicks, right clicks that keep a
// selection, Ctrl+A), the same moves by keys (arrows, Page Up and Down, Home
// and End, with Shift and Ctrl; Ctrl+Space), a dotted frame marking the
// focus row while the list has the keyboard focus, and its selection-changed
// notification. Panes build their lists on it. User-interface thread only.
#pragma once

#include <QAbstractScrollArea>
#include <QPixmap>
#include <memory>
#include <vector>

#include "ui/controls/ListBoxRow.h"

namespace tavoro::ui {

class RowList : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // Every row of the list is rowHeight pixels high.
  explicit RowList(int rowHeight, QWidget* parent = nullptr);
  ~RowList() override;

  int rowHeight() const { return m_rowHeight; }

  // Appends the row; returns its index.
  int addRow(std::unique_ptr<ListBoxRow> row);
  // Appends the rows in order (null ones left out) at the cost of one row:
  // the scroll range and the picture are brought up to date once.
  void addRows(std::vector<std::unique_ptr<ListBoxRow>> rows);
  // Destroys the row; false when it is not a row of this list. Does not
  // notify: the caller knows what it removed.
  bool removeRow(const ListBoxRow* row);
  void removeAllRows();
  // Moves the row at from to index to, the rows between closing up; every
  // row keeps its flags. False when either index is out of range.
  bool moveRow(int from, int to);
  // Exchanges the rows at a and b with their flags.
  bool swapRows(int a, int b);
  int rowCount() const { return static_cast<int>(m_rows.size()); }
  // The row at index, or null when out of range.
  ListBoxRow* row(int index) const;
  int indexOf(const ListBoxRow* row) const;

  // The row under a point of the viewport, or -1.
  int rowAt(QPoint viewportPos) const;
  // The row's rectangle in viewport coordinates.
  QRect rowRect(int index) const;

  int selectedCount() const;
  // Indexes of the selected rows in order.
  std::vector<int> selectedRows() const;
  // The first selected row, or -1.
  int firstSelectedRow() const;

  // Select every selectable row; when any changed, repaint and (when notify)
  // send selectionChanged.
  void selectAll(bool notify);
  // Flip every selectable row; repaint and (when notify) send selectionChanged.
  void invertSelection(bool notify);
  // Deselect every row without notifying; true when any was selected.
  bool clearSelection();
  // Select or deselect one row (repainting it); true when it changed.
  bool setRowSelected(int index, bool selected, bool notify);

  // Selects the row alone, makes it the focus and anchor row and scrolls it
  // into view, without selectionChanged; nothing for an index out of range.
  void selectRowAlone(int index);

  // Scroll so that the row is wholly visible.
  void ensureVisible(int index);

  int hotRow() const { return m_hotRow; }
  int focusRow() const { return m_focusRow; }
  // Sets the row that Shift-clicks start from while no anchor is set (a pane
  // that selects a row itself makes it the focus row).
  void setFocusRow(int index) { m_focusRow = row(index) ? index : -1; }
  int anchorRow() const { return m_anchorRow; }

  // Lists that show deletable things ask for the Delete command on the Del key.
  void setDeleteKeyEnabled(bool enabled) { m_deleteKeyEnabled = enabled; }

  // Lets the user drag rows to new places: rows before firstMovable stay at
  // the top and the last row stays last (see RowDrop.h). A press on a row that
  // canDragRow accepts makes it the candidate; moving more than 2 pixels up or
  // down starts the drag, and releasing inside the list moves the row and
  // sends rowDragged. -1 (the default) turns dragging off.
  void setRowDragging(int firstMovable) { m_firstMovable = firstMovable; }
  bool isDragging() const { return m_dragging; }
  // While dragging: the position the row would be dropped at, else -1.
  int dropPosition() const { return m_dragging ? m_dropPosition : -1; }

 signals:
  // The selection changed through the user (or a call asked to notify).
  void selectionChanged();
  // A left double-click on a row.
  void rowDoubleClicked(int index);
  // A command the list sends itself (Delete for the Del key).
  void commandRequested(int commandId);
  // A dragged row was moved from one index to another.
  void rowDragged(int from, int to);
  // The user moved the focus row (a click or a key), for screen readers.
  void rowFocused(int index);

 protected:
  // Fills the part of the viewport below the last row (white by default);
  // lists with an empty state draw it here.
  virtual void paintBackground(QPainter& painter, const QRect& area);
  // Whether a press on the row may start a drag (any row in the movable range
  // by default; a pane refuses while it edits, for instance).
  virtual bool canDragRow(int index) const;
  // The part of the focus row that the focus frame marks (the whole row by
  // default; a list with columns marks the cell the keys act on).
  virtual QRect focusFrame(int index) const { return rowRect(index); }
  // Where a context menu asked for with the keyboard acts: the middle of the
  // focus frame of the focus row (else of the first selected row); (-1, -1)
  // when the list has neither.
  QPoint keyboardMenuPoint() const;

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool viewportEvent(QEvent* event) override;

  void updateRow(int index);

 private:
  void updateScrollRange();
  void setHotRow(int index);
  bool selectOnly(int index);
  bool selectRange(int from, int to, bool keepOthers);
  void notifyIf(bool changed);
  // The selectable row a navigation key leads to from the focus row, or -1.
  int rowForKey(int key) const;
  void moveFocusByKey(int target, Qt::KeyboardModifiers modifiers);
  void updateDrag(QPoint viewportPos);
  void endDrag(QPoint viewportPos, bool drop);
  void cancelDrag();
  int dropPositionAt(int viewportY) const;
  void paintDrag(QPainter& painter);

  int m_rowHeight;
  std::vector<std::unique_ptr<ListBoxRow>> m_rows;
  int m_hotRow = -1;
  int m_focusRow = -1;
  int m_anchorRow = -1;
  int m_pendingVisible = -1;  // to scroll into view once the list has a height
  bool m_deleteKeyEnabled = false;

  int m_firstMovable = -1;
  int m_dragRow = -1;  // the candidate, from the press until the release
  bool m_dragging = false;
  QPoint m_pressPos;
  int m_grabOffset = 0;  // where the row was grabbed, from its top
  int m_dragY = 0;       // the mouse height while dragging (viewport)
  int m_dropPosition = -1;
  QPixmap m_dragPicture;
};

}  // namespace tavoro::ui
