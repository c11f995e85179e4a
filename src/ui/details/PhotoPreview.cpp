#include "ui/details/PhotoPreview.h"

#include <QPainter>

#include "ui/common/CannotShowPhoto.h"
#include "ui/session/WardrobeSession.h"

namespace tavoro::ui {

PhotoPreview::PhotoPreview(WardrobeSession& session, QWidget* parent)
    : QWidget(parent), m_picture(this, session.previewThumbnails()) {
  setObjectName(QStringLiteral("PhotoPreview"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(&session, &WardrobeSession::photosRefreshed, this, &PhotoPreview::refresh);
}

void PhotoPreview::setItem(Item* item) {
  if (item == m_item) return;
  m_item = item;
  m_picture.setItem(item);
  update();
}

void PhotoPreview::refresh() {
  m_picture.setItem(m_item);
  update();
}

QRect PhotoPreview::photoBox() const {
  return QRect(0, 2, kBoxWidth, qMax(0, height() - 4));
}

void PhotoPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const QRect box = photoBox();
  // Never the picture of another item: a photo that cannot be shown says so.
  if (m_picture.draw(painter, box) == PreviewPicture::State::kUndecodable)
    drawCannotShowPhoto(painter, box.adjusted(4, 4, -4, -4), m_picture.fileName(), QColor(130, 138, 153));
}

}  // namespace tavoro::ui
