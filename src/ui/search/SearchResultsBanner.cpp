#include "ui/search/SearchResultsBanner.h"
#include "ui/common/CoreTexts.h"
#include <QCoreApplication>

#include <QLinearGradient>
#include <QPainter>

#include "ui/common/QtText.h"
#include "ui/common/ResourcePictures.h"
#include "ui/common/UiFonts.h"
#include "wardrobe/Collection.h"

namespace tavoro::ui {

namespace {

constexpr int kLineTop = 54;
constexpr int kMargin = 13;
constexpr int kFade = 30;
const QColor kTitle(52, 126, 70);
const QColor kSubtitle(130, 138, 153);
const QColor kLine(211, 221, 241);

const QFont& titleFont() {
  static const QFont& font = *new QFont([] {
    QFont large = makeUiFont(22);
    large.setStyleStrategy(QFont::PreferAntialias);
    return large;
  }());
  return font;
}

}  // namespace

QString bannerTitle(const Collection* collection) {
  if (!collection) return QCoreApplication::translate("SearchResultsBanner", "Unknown Collection");
  const QString name = toQString(collection->name());
  if (collection->id() == 0) return displayName(*collection);
  // The rule reads the name as typed, whatever the language shown.
  if (name.endsWith(QStringLiteral(" Collection"), Qt::CaseInsensitive)) return name;
  return QCoreApplication::translate("SearchResultsBanner", "%1 Collection").arg(name);
}

SearchResultsBanner::SearchResultsBanner(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SearchResultsBanner"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedHeight(kHeight);
}

void SearchResultsBanner::setCollection(const Collection* collection) {
  m_collection = collection;
  update();
}

QString SearchResultsBanner::title() const {
  return bannerTitle(m_collection);
}

void SearchResultsBanner::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPixmap background = resourcePixmap(Picture::SearchResultsBannerBackground);
  if (background.isNull())
    painter.fillRect(rect(), Qt::white);
  else
    painter.drawPixmap(rect(), background);

  const QFontMetrics titleMetrics(titleFont());
  const QRect titleRect(kMargin, 7, qMax(0, width() - 2 * kMargin), titleMetrics.height());
  painter.setFont(titleFont());
  painter.setPen(kTitle);
  painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   titleMetrics.elidedText(title(), Qt::ElideRight, titleRect.width()));
  painter.setFont(UiFont());
  painter.setPen(kSubtitle);
  const QRect subtitle(titleRect.left() + 2, titleRect.bottom() + 1 + 2, qMax(0, titleRect.width() - 2),
                       QFontMetrics(UiFont()).height());
  painter.drawText(subtitle, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, tr("Search Results"));

  painter.fillRect(QRect(0, kLineTop, width(), height() - kLineTop), Qt::white);
  const int length = width() - 2 * kMargin;
  if (length <= 0) return;
  const QRect line(kMargin, kLineTop, length, 1);
  if (length <= 72) {
    painter.fillRect(line, kLine);
    return;
  }
  // The first and last 30 pixels fade in from white and out again.
  QLinearGradient fade(line.left(), 0, line.right() + 1, 0);
  const qreal edge = static_cast<qreal>(kFade) / length;
  fade.setColorAt(0, Qt::white);
  fade.setColorAt(edge, kLine);
  fade.setColorAt(1 - edge, kLine);
  fade.setColorAt(1, Qt::white);
  painter.fillRect(line, fade);
}

}  // namespace tavoro::ui
