// The "Filtering Files..." dialog: runs the filter walk over pasted or
// dropped paths on its own thread and shows the count of files queued so
// far. It stays out of sight for its first eight ticks of 50 ms (a quick
// walk never shows it) while the user's input waits, then shows itself,
// modal, and moves its band on every tick. Cancel pauses the walk while it
// asks "Cancel filtering?": No lets the walk go on, Yes stops it.
// User-interface thread only; the walk reports through queued calls.
#pragma once

#include <QDialog>
#include <QTimer>
#include <memory>

#include "imaging/import/ImportList.h"

class QEventLoop;
class QLabel;
class QPushButton;

namespace tavoro {
class FilterThread;
}

namespace tavoro::ui {

class ProgressBand;

class FilteringFilesDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kTickMs = 50;
  static constexpr int kHiddenTicks = 8;
  // The dialog's size in dialog units.
  static constexpr int kWidthUnits = 175;
  static constexpr int kHeightUnits = 47;

  // The walk is made here and started by run(), so that its run permission
  // can be held before it takes its first step.
  FilteringFilesDialog(ImportList paths, QWidget* owner);
  // Waits for the walk to end.
  ~FilteringFilesDialog() override;

  // Walks the paths; true when the walk completed (accepted() holds its
  // files), false when it was cancelled or could not start.
  bool run();
  ImportList accepted() const;

  FilterThread& filterThread() const { return *m_thread; }
  ProgressBand* band() const { return m_band; }
  QLabel* countLabel() const { return m_count; }
  QPushButton* cancelButton() const { return m_cancel; }
  int ticks() const { return m_ticks; }
  // The tick at which the dialog showed itself; 0 while it has not.
  int shownAtTick() const { return m_shownAtTick; }

 public slots:
  // Cancel, Escape or closing the dialog: asks first.
  void reject() override;

 private:
  void tick();
  void onProgress(size_t count);
  void onDone();

  std::unique_ptr<FilterThread> m_thread;
  ProgressBand* m_band;
  QLabel* m_count;
  QPushButton* m_cancel;
  QTimer m_timer;
  QEventLoop* m_hiddenLoop = nullptr;
  int m_ticks = 0;
  int m_shownAtTick = 0;
  bool m_done = false;
  bool m_asking = false;
  bool m_doneWhileAsking = false;
};

}  // namespace tavoro::ui
