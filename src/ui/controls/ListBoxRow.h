// One row of a row list (RowList): a selected flag, a selectable flag and
// its own drawing. The list owns its rows. User-interface thread only.
#pragma once

#include <QRect>
#include <QString>

class QPainter;

namespace tavoro::ui {

class RowList;

class ListBoxRow {
 public:
  // How a row is drawn: selected, under the cursor, and whether the list has
  // the keyboard focus.
  struct State {
    bool selected = false;
    bool hot = false;
    bool listFocused = false;
  };

  virtual ~ListBoxRow() = default;

  // Draws the row into rect (the row's whole rectangle in the list).
  virtual void paint(QPainter& painter, const QRect& rect, const State& state) const = 0;

  // What a screen reader says of the row: its name, and what more there is to
  // know (a count, a value, a path; empty when nothing).
  virtual QString accessibleName() const = 0;
  virtual QString accessibleDescription() const { return QString(); }

  bool isSelected() const { return m_selected; }
  bool isSelectable() const { return m_selectable; }
  // An unselectable row is never selected and never hot (a placeholder or a
  // heading row).
  void setSelectable(bool selectable) {
    m_selectable = selectable;
    if (!selectable) m_selected = false;
  }

 private:
  friend class RowList;  // the list alone changes the selection, so that it can repaint and notify
  bool m_selected = false;
  bool m_selectable = true;
};

}  // namespace tavoro::ui
