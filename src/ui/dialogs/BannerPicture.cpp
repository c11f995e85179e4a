#include "ui/dialogs/BannerPicture.h"

#include <QPainter>

#include "ui/common/ResourcePictures.h"

namespace tavoro::ui {

BannerPicture::BannerPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("BannerPicture"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BannerPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPixmap picture = resourcePixmap(Picture::DialogBanner);
  if (picture.isNull()) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  const int height = this->height();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(QRect(0, 0, picture.width(), height), picture);
  if (width() > picture.width()) {
    painter.drawPixmap(QRect(picture.width(), 0, width() - picture.width(), height), picture,
                       QRect(picture.width() - 1, 0, 1, picture.height()));
  }
}

}  // namespace tavoro::ui
