#include "ui/keyboard/ContextMenuKeys.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

namespace tavoro::ui {

namespace {

bool asksForMenu(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  return (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
         (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

}  // namespace

ContextMenuKeys::ContextMenuKeys(QObject* owner) : QObject(owner) { qApp->installEventFilter(this); }

ContextMenuKeys::~ContextMenuKeys() { qApp->removeEventFilter(this); }

bool ContextMenuKeys::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      QWidget* focus = QApplication::focusWidget();
      // Each key event passes the filter once per widget it is offered to:
      // only the delivery to the focused widget counts.
      if (!asksForMenu(*key) || watched != focus || !focus) return false;
      if (!key->isAutoRepeat()) {
        m_answeredMenuKey = key->key() == Qt::Key_Menu;
        // Keyboard requests open at the widget's own place (each list works
        // it out from its focused row), so the position given is its middle.
        const QPoint middle = focus->rect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, middle, focus->mapToGlobal(middle), key->modifiers());
        QApplication::sendEvent(focus, &request);
      }
      return true;
    }
    case QEvent::KeyRelease:
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Menu) m_answeredMenuKey = false;
      return false;
    case QEvent::ContextMenu:
      if (m_answeredMenuKey && event->spontaneous() &&
          static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        m_answeredMenuKey = false;
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace tavoro::ui
