#include "ui/frame/WindowKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tavoro::ui {

namespace {

// The keys a text field handles itself: the clipboard's, and undo and redo
// of its own typing (not of the wardrobe).
bool isClipboardKey(const QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) return event->key() == Qt::Key_Z;
  if (modifiers != Qt::ControlModifier) return false;
  switch (event->key()) {
    case Qt::Key_C:
    case Qt::Key_X:
    case Qt::Key_V:
    case Qt::Key_Z:
    case Qt::Key_Y:
      return true;
    default:
      return false;
  }
}

}  // namespace

WindowKeyFilter::WindowKeyFilter(QWidget* frame) : QObject(frame), m_frame(frame) { qApp->installEventFilter(this); }

WindowKeyFilter::~WindowKeyFilter() { qApp->removeEventFilter(this); }

bool WindowKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  // Before a key press Qt asks the focused widget whether it wants the key
  // itself (ShortcutOverride); accepting gives it the key instead of the
  // window's accelerator. Text fields are the widgets that take text input.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget != m_frame && m_frame->isAncestorOf(widget) &&
        widget->testAttribute(Qt::WA_InputMethodEnabled) && isClipboardKey(static_cast<QKeyEvent*>(event))) {
      event->accept();
      return true;
    }
  }
  return false;
}

}  // namespace tavoro::ui
