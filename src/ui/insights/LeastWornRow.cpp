#include "ui/insights/LeastWornRow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/common/QtText.h"
#include "ui/common/UiFonts.h"
#include "ui/insights/InsightsText.h"
#include "wardrobe/Collection.h"
#include "wardrobe/Item.h"

namespace tavoro::ui {

LeastWornRow::LeastWornRow(const ItemWearFigure& figure, PreviewThumbnailCache& thumbnails, QWidget* parent)
    : QWidget(parent), m_figure(figure), m_picture(this, thumbnails) {
  setObjectName(QStringLiteral("LeastWornRow"));
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  m_picture.setItem(figure.item);
  m_name = toQString(figure.item->name());
  m_detail = toQString(figure.collection->name()) + QStringLiteral(" \u00B7 ") + wearText(figure);
  setAccessibleName(m_name);
  setAccessibleDescription(m_detail);
  setToolTip(tr("Show \"%1\" in its collection").arg(m_name));
}

QSize LeastWornRow::sizeHint() const {
  return QSize(320, kThumbnailSize + 8);
}

void LeastWornRow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (m_hot || hasFocus()) painter.fillRect(rect(), QColor(232, 240, 252));
  if (hasFocus()) {
    painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  const QRect box(4, 4, kThumbnailSize, kThumbnailSize);
  if (m_picture.draw(painter, box) != PreviewPicture::State::kShown) painter.fillRect(box, QColor(238, 240, 244));
  const QRect text(box.right() + 10, 4, width() - box.right() - 14, kThumbnailSize);
  painter.setPen(QColor(30, 30, 30));
  painter.setFont(UiFontBold());
  const QRect nameRect(text.left(), text.top() + 4, text.width(), text.height() / 2 - 2);
  painter.drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
                   painter.fontMetrics().elidedText(m_name, Qt::ElideRight, nameRect.width()));
  painter.setFont(UiFont());
  painter.setPen(QColor(0x82, 0x8A, 0x99));
  const QRect detailRect(text.left(), nameRect.bottom() + 2, text.width(), text.height() / 2 - 4);
  painter.drawText(detailRect, Qt::AlignLeft | Qt::AlignVCenter,
                   painter.fontMetrics().elidedText(m_detail, Qt::ElideRight, detailRect.width()));
}

void LeastWornRow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit chosen(m_figure.item);
}

void LeastWornRow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
    emit chosen(m_figure.item);
    return;
  }
  QWidget::keyPressEvent(event);
}

void LeastWornRow::enterEvent(QEnterEvent*) {
  m_hot = true;
  update();
}

void LeastWornRow::leaveEvent(QEvent*) {
  m_hot = false;
  update();
}

}  // namespace tavoro::ui
