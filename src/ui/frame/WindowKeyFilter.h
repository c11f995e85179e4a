// The main window's filter of keyboard input before it is dispatched: the
// clipboard keys Ctrl+C, Ctrl+X, Ctrl+V and Ctrl+Z reach a text field that
// has the focus inside the main window although the window's accelerators
// hold them; every other accelerator key is taken by the window.
// User-interface thread only.
#pragma once

#include <QObject>

class QWidget;

namespace tavoro::ui {

class WindowKeyFilter : public QObject {
  Q_OBJECT

 public:
  // Installs itself on the application for the life of frame.
  explicit WindowKeyFilter(QWidget* frame);
  ~WindowKeyFilter() override;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* m_frame;
};

}  // namespace tavoro::ui
