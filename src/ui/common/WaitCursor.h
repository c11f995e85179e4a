// The wait cursor over the whole program for as long as the object lives,
// around work the user waits for (opening, saving, sorting a long list).
// User-interface thread only.
#pragma once

#include <QApplication>

namespace tavoro::ui {

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace tavoro::ui
