// The progress of an export, a backup or a restore running in the
// background: what is being made, a bar, and Cancel. Cancel (also Escape and
// the window's close button) only asks the work to stop: the dialog stays
// until the work has ended and left nothing behind, and closes only through
// finish(). User-interface thread only.
#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tavoro::ui {

class ExportProgressDialog : public QDialog {
  Q_OBJECT

 public:
  ExportProgressDialog(QWidget* owner, const QString& title, const QString& text);

  // done of total steps; a total of 0 shows a busy bar.
  void setProgress(uint64_t done, uint64_t total);
  bool stopRequested() const { return m_stopRequested; }
  // The work has ended: the dialog closes.
  void finish();

  QProgressBar* bar() const { return m_bar; }
  QPushButton* cancelButton() const { return m_cancel; }

  void reject() override;

 signals:
  void stopRequestedChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* m_text;
  QProgressBar* m_bar;
  QPushButton* m_cancel;
  bool m_stopRequested = false;
  bool m_finished = false;
};

}  // namespace tavoro::ui
