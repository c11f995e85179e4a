#include "ui/items/FileIcons.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QStyle>
#include <memory>

#include "imaging/DibBitmap.h"
#include "ui/common/QtText.h"

namespace tavoro::ui {

namespace {

constexpr int kPlaceholderIconSize = 32;

struct KnownIcon {
  int key = 0;
  QIcon icon;
  // The placeholder made from it, and the background it was made on.
  std::shared_ptr<const DibBitmap> placeholder;
  CellColor placeholderBackground;
};

KnownIcon& iconForSuffix(const QFileInfo& info) {
  static QHash<QString, KnownIcon> bySuffix;
  const QString suffix = info.suffix().toLower();
  if (const auto it = bySuffix.find(suffix); it != bySuffix.end()) return *it;
  static const QFileIconProvider provider;
  QIcon icon = provider.icon(info);
  if (icon.isNull()) icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
  return *bySuffix.insert(suffix, KnownIcon{static_cast<int>(bySuffix.size()), icon});
}

// A 24-bit bitmap of the picture laid over a plain colour.
DibBitmap flattened(const QImage& picture, const CellColor& background) {
  DibBitmap bitmap;
  QImage flat(picture.size(), QImage::Format_RGB888);
  flat.fill(QColor(background.red, background.green, background.blue));
  {
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
  }
  if (!bitmap.create(flat.width(), flat.height(), 24)) return bitmap;
  for (int y = 0; y < flat.height(); ++y) {
    const uchar* from = flat.constScanLine(y);
    uint8_t* to = bitmap.row(y);
    for (int x = 0; x < flat.width(); ++x) {
      to[3 * x] = from[3 * x + 2];
      to[3 * x + 1] = from[3 * x + 1];
      to[3 * x + 2] = from[3 * x];
    }
  }
  return bitmap;
}

}  // namespace

QIcon fileIcon(const QString& path) {
  return iconForSuffix(QFileInfo(path)).icon;
}

PlaceholderIcon placeholderIcon(std::wstring_view path, const ListCellStyle& style) {
  KnownIcon& known = iconForSuffix(QFileInfo(toQString(path)));
  // Asked for at every paint of an entry that waits for its thumbnail.
  if (known.placeholder && known.placeholderBackground == style.background) return {known.key, known.placeholder};
  const QImage picture =
      known.icon.pixmap(kPlaceholderIconSize, kPlaceholderIconSize)
          .toImage()
          .scaled(kPlaceholderIconSize, kPlaceholderIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  if (picture.isNull()) return {};
  auto bitmap = std::make_shared<DibBitmap>(flattened(picture, style.background));
  if (!bitmap->isValid()) return {};
  known.placeholder = bitmap;
  known.placeholderBackground = style.background;
  return PlaceholderIcon{known.key, std::move(bitmap)};
}

}  // namespace tavoro::ui
