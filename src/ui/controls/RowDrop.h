// Where a row dragged within a row list lands: the rules the collection and
// tag panes share. Rows before firstMovable (a heading such as "All
// Collections") stay put, and the last row (an "add" placeholder) always
// stays last. Thread-safe (pure functions).
#pragma once

#include <algorithm>

namespace tavoro::ui {

// The drop position for the dragged picture's centre at centreY (content
// coordinates: 0 is the top of the first row): firstMovable above the rows or
// over a fixed heading row, a movable row's index (plus one when the centre is
// below the row's middle), and rowCount - 1 over the last row or below it.
inline int rowDropPosition(int centreY, int rowHeight, int rowCount, int firstMovable) {
  int position;
  if (centreY < 0) {
    position = firstMovable;
  } else {
    const int row = centreY / rowHeight;
    if (row < firstMovable)
      position = firstMovable;
    else if (row <= rowCount - 2)
      position = row + (centreY - row * rowHeight > rowHeight / 2 ? 1 : 0);
    else
      position = rowCount - 1;
  }
  return std::clamp(position, firstMovable, std::max(firstMovable, rowCount - 1));
}

// The index the row at from moves to when dropped at position drop, or -1
// when it stays where it is (dropped on itself or just after itself).
inline int rowDropTarget(int from, int drop) {
  if (drop == from || drop == from + 1) return -1;
  return from < drop ? drop - 1 : drop;
}

}  // namespace tavoro::ui
