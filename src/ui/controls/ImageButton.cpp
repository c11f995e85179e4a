#include "ui/controls/ImageButton.h"

#include <QKeyEvent>
#include <QPainter>

namespace tavoro::ui {

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
  setObjectName(QStringLiteral("WTL_BitmapButton"));
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_Hover);
}

void ImageButton::setImages(const QPixmap& strip, int imageWidth, int normal, int pressed, int hot, int disabled) {
  m_strip = strip;
  m_imageWidth = imageWidth > 0 ? imageWidth : strip.width();
  m_indexes[0] = normal;
  m_indexes[1] = pressed;
  m_indexes[2] = hot;
  m_indexes[3] = disabled;
  updateGeometry();
  update();
}

ImageButton::State ImageButton::state() const {
  if (!isEnabled()) return State::Disabled;
  if (isDown()) return State::Pressed;
  if (m_hot) return State::Hot;
  return State::Normal;
}

QPixmap ImageButton::image(State state) const {
  int index = m_indexes[static_cast<int>(state)];
  if (index < 0) index = m_indexes[0];
  if (index < 0 || m_strip.isNull() || (index + 1) * m_imageWidth > m_strip.width()) return QPixmap();
  return m_strip.copy(index * m_imageWidth, 0, m_imageWidth, m_strip.height());
}

QSize ImageButton::sizeHint() const {
  return m_strip.isNull() ? QSize(16, 16) : QSize(m_imageWidth, m_strip.height());
}

void ImageButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, image(state()));
  if (hasFocus()) {
    QPen pen(QColor(110, 130, 170));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
  }
}

void ImageButton::enterEvent(QEnterEvent* event) {
  m_hot = true;
  update();
  QAbstractButton::enterEvent(event);
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
    if (!event->isAutoRepeat()) click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
  m_hot = false;
  update();
  QAbstractButton::leaveEvent(event);
}

}  // namespace tavoro::ui
