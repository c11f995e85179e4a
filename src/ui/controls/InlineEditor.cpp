#include "ui/controls/InlineEditor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include "ui/common/UiFonts.h"

namespace tavoro::ui {

InlineEditor::InlineEditor(QWidget* parent, bool rightAligned) : QLineEdit(parent) {
  setObjectName(QStringLiteral("InlineEditor"));
  setFont(makeUiFont(14));
  setFrame(false);
  setTextMargins(1, 0, 1, 0);
  setAlignment((rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  hide();
}

void InlineEditor::setBorderColor(const QColor& colour) {
  m_border = colour;
  update();
}

int InlineEditor::editorHeight() const { return QFontMetrics(font()).height() + 4; }

void InlineEditor::place(const QRect& target, bool takeFocus) {
  const int height = editorHeight();
  const int top = target.height() > height ? target.top() + (target.height() - height) / 2 : target.top();
  setGeometry(target.left(), top, target.width(), height);
  show();
  raise();
  if (takeFocus) {
    QWidget* current = QApplication::focusWidget();
    if (current != this) m_previousFocus = current;
    setFocus(Qt::OtherFocusReason);
    selectAll();
  }
}

bool InlineEditor::endEdit(int reason) {
  if (m_ending || !isVisible()) return true;
  m_ending = true;
  m_focusTakenByPress = false;
  QPointer<InlineEditor> self(this);

  if (reason != kEndEscape && window()->isMinimized()) reason = kEndEscape;
  if (reason != kEndEscape) {
    bool accept = true;
    emit validateRequested(&accept);
    if (!self) return true;
    if (!accept) {
      m_ending = false;
      // Back into the editor with its text selected. Deferred when the focus
      // is moving away right now, so that the move completes first.
      if (hasFocus()) {
        selectAll();
      } else {
        QTimer::singleShot(0, this, [this] {
          if (!isVisible()) return;
          setFocus(Qt::OtherFocusReason);
          selectAll();
        });
      }
      return false;
    }
  }
  emit editEnded(reason);
  if (!self) return true;
  if (hasFocus()) returnFocus();
  hide();
  m_ending = false;
  return true;
}

void InlineEditor::returnFocus() {
  QWidget* target = m_previousFocus;
  if (!target || !target->isVisible() || !target->isEnabled() || target == this) target = parentWidget();
  if (target) target->setFocus(Qt::OtherFocusReason);
}

void InlineEditor::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if ((enter || event->key() == Qt::Key_Escape) && !(event->modifiers() & Qt::ControlModifier)) {
    if (!event->isAutoRepeat()) endEdit(enter ? kEndEnter : kEndEscape);
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void InlineEditor::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // The editor's own context menu takes the focus for a moment only.
  if (event->reason() == Qt::PopupFocusReason || !isVisible() || m_ending) return;
  if (event->reason() == Qt::MouseFocusReason) {
    // A press took the focus and is being delivered now: the press itself ends
    // the edit (see eventFilter), so that the parent is asked once and a
    // refusal can swallow it. Should the press never arrive, end it here.
    m_focusTakenByPress = true;
    QTimer::singleShot(0, this, [this] {
      if (m_focusTakenByPress && isVisible() && !hasFocus()) {
        m_focusTakenByPress = false;
        endEdit(kEndFocusLost);
      }
    });
    return;
  }
  endEdit(kEndFocusLost);
}

void InlineEditor::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  QPainter painter(this);
  painter.setPen(m_border);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setPen(Qt::white);
  painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

void InlineEditor::showEvent(QShowEvent* event) {
  QLineEdit::showEvent(event);
  if (!m_filtering) {
    qApp->installEventFilter(this);
    m_filtering = true;
  }
}

void InlineEditor::hideEvent(QHideEvent* event) {
  QLineEdit::hideEvent(event);
  if (m_filtering) {
    qApp->removeEventFilter(this);
    m_filtering = false;
  }
}

bool InlineEditor::eventFilter(QObject* watched, QEvent* event) {
  if (!isVisible() || m_ending) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (!(mouse->button() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton))) return false;
      // A press from the window system is seen first by its window, before the
      // widget under it takes the focus: judging it there ends the edit once,
      // not a second time through the focus loss. Presses sent to a widget
      // directly are judged at the widget.
      if (auto* window = qobject_cast<QWindow*>(watched)) {
        if (window->type() == Qt::Popup) return false;
      } else if (auto* widget = qobject_cast<QWidget*>(watched)) {
        // A press on a popup (such as the editor's own context menu) is not outside the edit.
        if (widget->window()->windowType() == Qt::Popup) return false;
      } else {
        return false;
      }
      if (rect().contains(mapFromGlobal(mouse->globalPosition().toPoint()))) return false;
      m_focusTakenByPress = false;
      // When the parent refuses the text the press is swallowed: the user stays in the editor.
      return !endEdit(kEndFocusLost);
    }
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
      if (!enter || !(key->modifiers() & Qt::ControlModifier) || !qobject_cast<QWidget*>(watched)) return false;
      if (!key->isAutoRepeat()) endEdit(kEndCtrlEnter);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace tavoro::ui
