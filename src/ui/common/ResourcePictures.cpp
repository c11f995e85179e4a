#include "ui/common/ResourcePictures.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace tavoro::ui {

namespace {

// Kept for the life of the process, like the pictures of a resource section.
QHash<int, QPixmap>& cache() {
  static auto* pictures = new QHash<int, QPixmap>;
  return *pictures;
}

QHash<int, QPixmap>& greyCache() {
  static auto* pictures = new QHash<int, QPixmap>;
  return *pictures;
}

QPixmap load(int id) {
  const QString base = QStringLiteral(":/res/%1").arg(id);
  if (QFile::exists(base + QStringLiteral(".png"))) return QPixmap(base + QStringLiteral(".png"));
  QSvgRenderer renderer(base + QStringLiteral(".svg"));
  if (!renderer.isValid() || renderer.defaultSize().isEmpty()) return QPixmap();
  QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return QPixmap::fromImage(image);
}

}  // namespace

QPixmap resourcePixmap(int id) {
  auto found = cache().constFind(id);
  if (found != cache().constEnd()) return *found;
  QPixmap picture = load(id);
  cache().insert(id, picture);
  return picture;
}

QImage desaturate(const QImage& source) {
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = line[x];
      const int luminance = (qRed(pixel) * 299 + qGreen(pixel) * 587 + qBlue(pixel) * 114) / 1000;
      const int grey = luminance + (255 - luminance) / 3;
      line[x] = qRgba(grey, grey, grey, qAlpha(pixel));
    }
  }
  return image;
}

QPixmap greyResourcePixmap(int id) {
  auto found = greyCache().constFind(id);
  if (found != greyCache().constEnd()) return *found;
  const QPixmap colour = resourcePixmap(id);
  QPixmap grey = colour.isNull() ? QPixmap() : QPixmap::fromImage(desaturate(colour.toImage()));
  greyCache().insert(id, grey);
  return grey;
}

void drawThreeSlice(QPainter& painter, const QRect& target, const QPixmap& image, int capWidth) {
  if (image.isNull() || target.isEmpty()) return;
  const int cap = qMin(capWidth, qMin(image.width() / 2, target.width() / 2));
  const int h = image.height();
  painter.drawPixmap(QRect(target.left(), target.top(), cap, target.height()), image, QRect(0, 0, cap, h));
  painter.drawPixmap(QRect(target.left() + cap, target.top(), target.width() - 2 * cap, target.height()), image,
                     QRect(cap, 0, image.width() - 2 * cap, h));
  painter.drawPixmap(QRect(target.right() - cap + 1, target.top(), cap, target.height()), image,
                     QRect(image.width() - cap, 0, cap, h));
}

}  // namespace tavoro::ui
