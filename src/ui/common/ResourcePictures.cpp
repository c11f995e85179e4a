#include "ui/common/ResourcePictures.h"

#include <QPainter>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <array>
#include <optional>

namespace tavoro::ui {

namespace {

// Kept for the life of the process, like the pictures of a resource section;
// an empty slot is a picture not loaded yet.
struct PictureCache {
  std::array<std::optional<QPixmap>, kPictureCount + 1> colour;
  std::array<std::optional<QPixmap>, kPictureCount + 1> grey;
};

PictureCache& cache() {
  static auto* pictures = new PictureCache;
  return *pictures;
}

// The words drawn in pictures (the home page's buttons and headings, the
// banners), offered for translation; the pictures are drawn with the words in
// the user's language.
[[maybe_unused]] constexpr const char* kPictureWords[] = {
    QT_TRANSLATE_NOOP("Pictures", "Wardrobe Manager"),
    QT_TRANSLATE_NOOP("Pictures", "Make a Donation"),
    QT_TRANSLATE_NOOP("Pictures", "Help Tavoro grow"),
    QT_TRANSLATE_NOOP("Pictures", "Get started"),
    QT_TRANSLATE_NOOP("Pictures", "Create a New Wardrobe"),
    QT_TRANSLATE_NOOP("Pictures", "Start a catalogue of your clothes"),
    QT_TRANSLATE_NOOP("Pictures", "Open an Existing Wardrobe"),
    QT_TRANSLATE_NOOP("Pictures", "Carry on with a wardrobe you saved"),
    QT_TRANSLATE_NOOP("Pictures", "Support Tavoro"),
    QT_TRANSLATE_NOOP("Pictures", "View Online Tutorials"),
    QT_TRANSLATE_NOOP("Pictures", "Learn Tavoro step by step"),
};

// The SVG with the text of each <text> element in the user's language.
QByteArray withTranslatedWords(const QByteArray& svg) {
  static const QRegularExpression element(QStringLiteral("(<text[^>]*>)([^<]+)(</text>)"));
  const QString source = QString::fromUtf8(svg);
  QString translated;
  qsizetype done = 0;
  for (QRegularExpressionMatchIterator it = element.globalMatch(source); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    const QByteArray words = match.captured(2).toUtf8();
    translated += source.mid(done, match.capturedStart(2) - done);
    translated += QCoreApplication::translate("Pictures", words.constData()).toHtmlEscaped();
    done = match.capturedEnd(2);
  }
  translated += source.mid(done);
  return translated.toUtf8();
}

QPixmap load(Picture picture) {
  const char* fileName = pictureFileName(picture);
  if (!fileName) return QPixmap();
  const QString path = QStringLiteral(":/pictures/") + QString::fromLatin1(fileName);
  if (!path.endsWith(QStringLiteral(".svg"))) return QPixmap(path);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QPixmap();
  QSvgRenderer renderer(withTranslatedWords(file.readAll()));
  if (!renderer.isValid() || renderer.defaultSize().isEmpty()) return QPixmap();
  QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return QPixmap::fromImage(image);
}

// The slot of a picture in the cache; None and values outside the table share
// slot 0, which stays null.
size_t slot(Picture picture) { return pictureFileName(picture) ? static_cast<size_t>(picture) : 0; }

}  // namespace

QPixmap resourcePixmap(Picture picture) {
  std::optional<QPixmap>& kept = cache().colour[slot(picture)];
  if (!kept) kept = load(picture);
  return *kept;
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

QPixmap greyResourcePixmap(Picture picture) {
  std::optional<QPixmap>& kept = cache().grey[slot(picture)];
  if (!kept) {
    const QPixmap colour = resourcePixmap(picture);
    kept = colour.isNull() ? QPixmap() : QPixmap::fromImage(desaturate(colour.toImage()));
  }
  return *kept;
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
