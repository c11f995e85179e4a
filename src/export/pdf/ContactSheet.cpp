#include "ContactSheet.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <algorithm>
#include <cstring>
#include <optional>

#include "ContactSheetLayout.h"
#include "export/StagedOutput.h"
#include "imaging/LoadFitted.h"
#include "platform/Utf8.h"

namespace tavoro {

namespace {

constexpr int kResolution = 150;  // dots per inch: sharp enough for thumbnails, small files
constexpr int kThumbnailBox = 360;

QString qText(std::wstring_view text) {
  QString s = QString::fromStdWString(std::wstring(text));
  s.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
  return s;
}

// The photo as a top-down QImage; a null image when it cannot be read.
QImage thumbnailOf(const SnapshotItem& item) {
  if (item.photos.empty()) return {};
  DibBitmap bitmap;
  if (!loadFitted(bitmap, item.photos.front().path, {kThumbnailBox, kThumbnailBox})) return {};
  QImage image(bitmap.width(), bitmap.height(), QImage::Format_BGR888);
  if (image.isNull()) return {};
  for (int y = 0; y < bitmap.height(); ++y)
    std::memcpy(image.scanLine(y), bitmap.row(y), static_cast<size_t>(bitmap.width()) * 3);
  return image;
}

// The tags printed for a collection: their positions in its tag list.
std::vector<size_t> chosenTags(const SnapshotCollection& collection,
                               const std::optional<std::vector<std::wstring>>& names) {
  std::vector<size_t> chosen;
  if (!names) {
    for (size_t t = 0; t < collection.tagNames.size() && t < 2; ++t) chosen.push_back(t);
    return chosen;
  }
  for (const std::wstring& name : *names) {
    const auto found = std::find(collection.tagNames.begin(), collection.tagNames.end(), name);
    if (found != collection.tagNames.end()) chosen.push_back(static_cast<size_t>(found - collection.tagNames.begin()));
  }
  return chosen;
}

class SheetPainter {
 public:
  SheetPainter(QPainter& painter, const QRectF& area, const ContactSheetOptions& options)
      : m_painter(painter), m_area(area), m_options(options) {
    m_title.setPointSizeF(14);
    m_title.setBold(true);
    m_name.setPointSizeF(8);
    m_name.setBold(true);
    m_small.setPointSizeF(7);
  }

  void header(const QString& title, const QString& subtitle) {
    m_painter.setPen(Qt::black);
    m_painter.setFont(m_title);
    const QFontMetricsF titleMetrics(m_title, m_painter.device());
    m_painter.drawText(QRectF(m_area.left(), m_area.top(), m_area.width(), titleMetrics.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, titleMetrics.elidedText(title, Qt::ElideRight, m_area.width()));
    m_painter.setFont(m_small);
    m_painter.setPen(Qt::darkGray);
    const QFontMetricsF smallMetrics(m_small, m_painter.device());
    m_painter.drawText(QRectF(m_area.left(), m_area.top() + titleMetrics.height(), m_area.width(), smallMetrics.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, smallMetrics.elidedText(subtitle, Qt::ElideRight, m_area.width()));
    m_gridTop = m_area.top() + titleMetrics.height() + smallMetrics.height() * 2;
  }

  void footer(const QString& text) {
    m_painter.setFont(m_small);
    m_painter.setPen(Qt::darkGray);
    const QFontMetricsF metrics(m_small, m_painter.device());
    m_painter.drawText(QRectF(m_area.left(), m_area.bottom() - metrics.height(), m_area.width(), metrics.height()),
                       Qt::AlignHCenter | Qt::AlignVCenter, text);
    m_gridBottom = m_area.bottom() - metrics.height() * 2;
  }

  void cell(int index, const QImage& picture, const QString& name, const QStringList& lines) {
    const int columns = std::max(m_options.columns, 1), rows = std::max(m_options.rows, 1);
    const qreal width = m_area.width() / columns, height = (m_gridBottom - m_gridTop) / rows;
    const QRectF cell(m_area.left() + (index % columns) * width, m_gridTop + (index / columns) * height, width, height);
    const qreal gap = width * 0.05;
    const QRectF inner = cell.adjusted(gap, gap, -gap, -gap);
    const QFontMetricsF nameMetrics(m_name, m_painter.device());
    const QFontMetricsF smallMetrics(m_small, m_painter.device());
    const qreal textHeight = nameMetrics.height() + smallMetrics.height() * static_cast<qreal>(lines.size());
    const QRectF pictureArea(inner.left(), inner.top(), inner.width(), std::max<qreal>(inner.height() - textHeight, 1));
    if (!picture.isNull()) {
      QSizeF size = picture.size().toSizeF();
      size.scale(pictureArea.size(), Qt::KeepAspectRatio);
      const QRectF target(pictureArea.center().x() - size.width() / 2, pictureArea.center().y() - size.height() / 2,
                          size.width(), size.height());
      m_painter.drawImage(target, picture);
    } else {
      m_painter.setPen(Qt::lightGray);
      m_painter.drawRect(pictureArea);
      m_painter.setFont(m_small);
      m_painter.drawText(pictureArea, Qt::AlignCenter, QStringLiteral("No photo"));
    }
    qreal y = pictureArea.bottom();
    m_painter.setPen(Qt::black);
    m_painter.setFont(m_name);
    m_painter.drawText(QRectF(inner.left(), y, inner.width(), nameMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                       nameMetrics.elidedText(name, Qt::ElideRight, inner.width()));
    y += nameMetrics.height();
    m_painter.setFont(m_small);
    m_painter.setPen(Qt::darkGray);
    for (const QString& line : lines) {
      m_painter.drawText(QRectF(inner.left(), y, inner.width(), smallMetrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, smallMetrics.elidedText(line, Qt::ElideRight, inner.width()));
      y += smallMetrics.height();
    }
  }

 private:
  QPainter& m_painter;
  QRectF m_area;
  const ContactSheetOptions& m_options;
  QFont m_title, m_name, m_small;
  qreal m_gridTop = 0, m_gridBottom = 0;
};

}  // namespace

QPageSize::PageSizeId paperForLocale(const QLocale& locale) {
  return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

ExportResult exportContactSheet(const WardrobeSnapshot& snapshot, std::wstring_view path,
                                const ContactSheetOptions& options, const ProgressCallback& callback) {
  const int cellsPerPage = std::max(options.columns, 1) * std::max(options.rows, 1);
  const std::vector<SheetPage> pages = layOutSheet(snapshot, static_cast<size_t>(cellsPerPage));
  ProgressReporter progress(callback, snapshot.itemCount() + pages.size());
  StagedOutput output;
  if (Status begun = output.begin(path, StagedOutput::Kind::File); !begun) return ExportResult::failure(begun);

  const QPageSize::PageSizeId paper = options.paper == ContactSheetOptions::Paper::A4       ? QPageSize::A4
                                      : options.paper == ContactSheetOptions::Paper::Letter ? QPageSize::Letter
                                                                                            : paperForLocale(QLocale());
  bool painted = false;
  {
    QPdfWriter writer(QString::fromStdWString(output.stagingPath()));
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                                     QPageLayout::Millimeter));
    writer.setTitle(qText(snapshot.name));
    writer.setCreator(QStringLiteral("Tavoro"));
    QPainter painter;
    if (!painter.begin(&writer)) return ExportResult::failure(Status::failure(path, "cannot be written"));
    const QRectF area(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    SheetPainter sheet(painter, area, options);
    for (size_t p = 0; p < pages.size(); ++p) {
      if (p > 0) writer.newPage();
      const SheetPage& page = pages[p];
      sheet.footer(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size()));
      if (page.collection >= snapshot.collections.size()) {
        sheet.header(qText(snapshot.name), QStringLiteral("No collections"));
      } else {
        const SnapshotCollection& collection = snapshot.collections[page.collection];
        QString subtitle = qText(snapshot.name) + QStringLiteral(" \u00B7 %1 items").arg(collection.items.size());
        if (page.pageOfCollection > 0) subtitle += QStringLiteral(" \u00B7 continued");
        sheet.header(qText(collection.name), subtitle);
        const std::vector<size_t> tags = chosenTags(collection, options.tagNames);
        for (size_t i = 0; i < page.itemCount; ++i) {
          const SnapshotItem& item = collection.items[page.firstItem + i];
          QStringList lines;
          for (size_t t : tags)
            if (t < item.values.size() && !item.values[t].empty())
              lines << qText(collection.tagNames[t]) + QStringLiteral(": ") + qText(item.values[t]);
          sheet.cell(static_cast<int>(i), thumbnailOf(item), qText(item.name), lines);
          if (!progress.advance()) break;
        }
      }
      if (progress.stopRequested() || !progress.advance()) break;
    }
    painted = painter.end();
  }
  if (progress.stopRequested()) return ExportResult::stopped();
  if (!painted) return ExportResult::failure(Status::failure(path, "cannot be written"));
  if (Status committed = output.commit(); !committed) return ExportResult::failure(committed);
  return {};
}

}  // namespace tavoro
