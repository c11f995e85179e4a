#include "ui/frame/WindowKeyFilter.h"

#include <QApplication>
#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
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

// A field the user types text into. Input methods alone do not make one:
// item views take them too (for their in-place editor), and their clipboard
// and undo keys belong to the window's commands.
bool isTextField(const QWidget* widget) {
  if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)) return true;
  if (qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget)) return true;
  return false;
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
    if (widget && widget != m_frame && m_frame->isAncestorOf(widget) && isTextField(widget) &&
        isClipboardKey(static_cast<QKeyEvent*>(event))) {
      event->accept();
      return true;
    }
  }
  return false;
}

}  // namespace tavoro::ui
