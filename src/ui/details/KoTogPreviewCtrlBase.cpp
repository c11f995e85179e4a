#include "ui/details/KoTogPreviewCtrlBase.h"

#include <QPainter>

#include "ui/common/CannotShowPhoto.h"

namespace tavoro::ui {

KoTogPreviewCtrlBase::KoTogPreviewCtrlBase(QWidget* parent) : QWidget(parent), m_picture(this) {
  setObjectName(QStringLiteral("KoTogPreviewCtrlBase"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void KoTogPreviewCtrlBase::setItem(Item* item) {
  if (item == m_item) return;
  m_item = item;
  m_picture.setItem(item);
  update();
}

void KoTogPreviewCtrlBase::refresh() {
  m_picture.setItem(m_item);
  update();
}

QRect KoTogPreviewCtrlBase::photoBox() const {
  return QRect(0, 2, kBoxWidth, qMax(0, height() - 4));
}

void KoTogPreviewCtrlBase::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const QRect box = photoBox();
  // Never the picture of another item: a photo that cannot be shown says so.
  if (m_picture.draw(painter, box) == PreviewPicture::State::kUndecodable)
    drawCannotShowPhoto(painter, box.adjusted(4, 4, -4, -4), m_picture.fileName(), QColor(130, 138, 153));
}

}  // namespace tavoro::ui
