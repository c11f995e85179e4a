#include "ui/dialogs/AboutLink.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "ui/common/WebPages.h"

namespace tavoro::ui {

AboutLink::AboutLink(const QString& address, QWidget* parent) : QWidget(parent), m_address(address) {
  setObjectName(QStringLiteral("AboutLink"));
  setCursor(Qt::PointingHandCursor);
  setToolTip(address);
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_Hover);
}

QColor AboutLink::textColour() const {
  if (!isEnabled()) return palette().color(QPalette::Disabled, QPalette::WindowText);
  return QColor(m_visited ? kVisitedColour : kLinkColour);
}

bool AboutLink::activate() {
  if (!openAddress(m_address)) return false;
  if (!m_visited) {
    m_visited = true;
    update();
  }
  return true;
}

QRect AboutLink::textRect() const {
  QFont font = this->font();
  font.setUnderline(true);
  const QFontMetrics metrics(font);
  return QRect(0, 0, std::min(width(), metrics.horizontalAdvance(m_address) + 2), height());
}

void AboutLink::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QFont font = this->font();
  font.setUnderline(m_hovered && isEnabled());
  painter.setFont(font);
  painter.setPen(textColour());
  const QRect text = textRect();
  painter.drawText(text.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_address);
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = text;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

void AboutLink::enterEvent(QEnterEvent*) {
  m_hovered = true;
  update();
}

void AboutLink::leaveEvent(QEvent*) {
  m_hovered = false;
  update();
}

void AboutLink::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_pressed = textRect().contains(event->position().toPoint());
}

void AboutLink::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = m_pressed && event->button() == Qt::LeftButton && textRect().contains(event->position().toPoint());
  m_pressed = false;
  if (click) activate();
}

void AboutLink::keyPressEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                                 event->key() == Qt::Key_Space)) {
    activate();
    return;
  }
  QWidget::keyPressEvent(event);
}

void AboutLink::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void AboutLink::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace tavoro::ui
