#include "ui/home/KoHyperLinkCtrl.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

#include "ui/common/MessageBox.h"
#include "ui/common/ResourcePictures.h"
#include "ui/common/UiFonts.h"
#include "ui/common/WebPages.h"

namespace tavoro::ui {

const QColor KoHyperLinkCtrl::kTextColour(61, 75, 102);
const QColor KoHyperLinkCtrl::kHoverColour(50, 120, 220);

KoHyperLinkCtrl::KoHyperLinkCtrl(QWidget* parent, int controlId, const QString& text, const QString& address,
                                 int iconId, const QString& tooltip, unsigned flags)
    : QWidget(parent),
      m_controlId(controlId),
      m_text(text),
      m_address(address),
      m_icon(iconId ? resourcePixmap(iconId) : QPixmap()),
      m_tooltip(tooltip),
      m_flags(flags) {
  setObjectName(QStringLiteral("KoHyperLinkCtrl"));
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(preferredSize());
}

QSize KoHyperLinkCtrl::preferredSize() const {
  const QFontMetrics metrics(UiFont());
  int width = metrics.horizontalAdvance(m_text);
  int height = metrics.height();
  if (!m_icon.isNull()) {
    width += m_icon.width() + kIconGap;
    height = qMax(height, m_icon.height());
  }
  return QSize(width, height);
}

QRect KoHyperLinkCtrl::textRect() const {
  const int textWidth = QFontMetrics(UiFont()).horizontalAdvance(m_text);
  return QRect(width() - textWidth, 0, textWidth, height());
}

void KoHyperLinkCtrl::setBackground(const QPixmap& picture) {
  m_backgroundPicture = picture;
  update();
}

void KoHyperLinkCtrl::setBackground(const QColor& colour) {
  m_backgroundColour = colour;
  m_backgroundPicture = QPixmap();
  update();
}

bool KoHyperLinkCtrl::activate() {
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
                L"Tavoro failed to launch your default Email program, which hasn't\nbeen specified or installed in "
                L"your system.\n\n",
                L"Tavoro Wardrobe Manager", kMbOk | kMbIconInformation);
  return false;
}

void KoHyperLinkCtrl::setHot(bool hot) {
  if (hot == m_hot) return;
  m_hot = hot;
  update(textRect());
}

bool KoHyperLinkCtrl::event(QEvent* event) {
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

void KoHyperLinkCtrl::paintEvent(QPaintEvent*) {
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
}

void KoHyperLinkCtrl::enterEvent(QEnterEvent*) { setHot(true); }

void KoHyperLinkCtrl::leaveEvent(QEvent*) { setHot(false); }

void KoHyperLinkCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_pressed = true;  // the press grabs the mouse until release
}

void KoHyperLinkCtrl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !m_pressed) return;
  m_pressed = false;
  if (rect().contains(event->position().toPoint())) activate();
}

}  // namespace tavoro::ui
