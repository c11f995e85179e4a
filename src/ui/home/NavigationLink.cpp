#include "ui/home/NavigationLink.h"
#include "ui/common/UiText.h"
#include "ui/common/CoreTexts.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

#include "ui/common/MessageBox.h"
#include "ui/common/ResourcePictures.h"
#include "ui/common/UiFonts.h"
#include "ui/common/WebPages.h"

namespace tavoro::ui {

const QColor NavigationLink::kTextColour(61, 75, 102);
const QColor NavigationLink::kHoverColour(50, 120, 220);

NavigationLink::NavigationLink(QWidget* parent, int controlId, const QString& text, const QString& address,
                                 Picture icon, const QString& tooltip, unsigned flags)
    : QWidget(parent),
      m_controlId(controlId),
      m_text(text),
      m_address(address),
      m_icon(resourcePixmap(icon)),
      m_tooltip(tooltip),
      m_flags(flags) {
  setObjectName(QStringLiteral("NavigationLink"));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(preferredSize());
}

QSize NavigationLink::preferredSize() const {
  const QFontMetrics metrics(UiFont());
  int width = metrics.horizontalAdvance(m_text);
  int height = metrics.height();
  if (!m_icon.isNull()) {
    width += m_icon.width() + kIconGap;
    height = qMax(height, m_icon.height());
  }
  return QSize(width, height);
}

QRect NavigationLink::textRect() const {
  const int textWidth = QFontMetrics(UiFont()).horizontalAdvance(m_text);
  return QRect(width() - textWidth, 0, textWidth, height());
}

void NavigationLink::setBackground(const QPixmap& picture) {
  m_backgroundPicture = picture;
  update();
}

void NavigationLink::setBackground(const QColor& colour) {
  m_backgroundColour = colour;
  m_backgroundPicture = QPixmap();
  update();
}

bool NavigationLink::activate() {
  if (m_flags & kCommandLink) {
    if (m_flags & kNotifyOnClick)
      emit clickNotified(m_controlId);
    else
      emit commandSent(m_controlId);
    return true;
  }
  if (openAddress(m_address)) return true;
  if (m_address.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive))
    showMessage(this,
                uiText(tr("Tavoro failed to launch your default Email program, which hasn't\nbeen specified or "
                          "installed in your system.\n\n")),
                programCaption(), kMbOk | kMbIconInformation);
  return false;
}

void NavigationLink::setHot(bool hot) {
  if (hot == m_hot) return;
  m_hot = hot;
  update(textRect());
}

bool NavigationLink::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    if (!(m_flags & kNoTooltip) && !m_tooltip.isEmpty() && textRect().contains(help->pos()))
      QToolTip::showText(help->globalPos(), m_tooltip, this, textRect());
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

void NavigationLink::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (m_backgroundPicture.isNull())
    painter.fillRect(rect(), m_backgroundColour);
  else
    painter.drawPixmap(0, 0, m_backgroundPicture);

  int x = 0;
  if (!m_icon.isNull()) {
    painter.drawPixmap(0, (height() - m_icon.height()) / 2, m_icon);
    x = m_icon.width() + kIconGap;
  }
  painter.setFont(m_hot ? UiFontLink() : UiFont());
  painter.setPen(m_hot ? kHoverColour : kTextColour);
  painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_text);
  if (hasFocus()) {
    QPen pen(m_hot ? kHoverColour : kTextColour);
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(textRect().adjusted(0, 0, -1, -1));
  }
}

void NavigationLink::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && event->modifiers() == Qt::NoModifier) {
    if (!event->isAutoRepeat()) activate();
    return;
  }
  QWidget::keyPressEvent(event);
}

void NavigationLink::focusInEvent(QFocusEvent*) { update(); }

void NavigationLink::focusOutEvent(QFocusEvent*) { update(); }

void NavigationLink::enterEvent(QEnterEvent*) { setHot(true); }

void NavigationLink::leaveEvent(QEvent*) { setHot(false); }

void NavigationLink::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_pressed = true;  // the press grabs the mouse until release
}

void NavigationLink::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !m_pressed) return;
  m_pressed = false;
  if (rect().contains(event->position().toPoint())) activate();
}

}  // namespace tavoro::ui
