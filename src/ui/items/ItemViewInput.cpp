#include "ui/items/ItemViewInput.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>

#include "ui/menus/PopupMenu.h"

namespace tavoro::ui {

void ItemViewInput::watch(QAbstractItemView* view) {
  view->installEventFilter(this);
  view->viewport()->installEventFilter(this);
}

namespace {

// A key that an editor inside the view let through (Enter, which ends a
// rename) reaches the view too: it is the editor's, not the view's.
bool fromEditor(const QObject* watched) {
  const auto* widget = qobject_cast<const QWidget*>(watched);
  const QWidget* focus = QApplication::focusWidget();
  return widget && focus && focus != widget && widget->isAncestorOf(focus);
}

}  // namespace

bool ItemViewInput::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    if (fromEditor(watched)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    if (plain && key->key() == Qt::Key_Delete) {
      if (!key->isAutoRepeat()) emit deletePressed();
      return true;
    }
    if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
      if (!key->isAutoRepeat()) emit enterPressed();
      return true;
    }
    return false;
  }
  if (event->type() == QEvent::ContextMenu) {
    // Asked on the view itself (the keyboard) or on its viewport (the mouse):
    // the menu opens relative to the viewport either way.
    auto* view = qobject_cast<QAbstractItemView*>(watched);
    QWidget* viewport = view ? view->viewport() : qobject_cast<QWidget*>(watched);
    if (!viewport) return false;
    auto* request = static_cast<QContextMenuEvent*>(event);
    emit contextMenuRequested(contextMenuPosition(viewport, *request));
    return true;
  }
  return false;
}

}  // namespace tavoro::ui
