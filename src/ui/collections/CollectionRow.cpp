#include "ui/collections/CollectionRow.h"

#include <QCoreApplication>
#include "ui/common/CoreTexts.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/common/QtText.h"
#include "ui/common/ResourcePictures.h"
#include "ui/common/UiFonts.h"
#include "wardrobe/CollectionList.h"

namespace tavoro::ui {

namespace {

const QColor kLineStart(202, 211, 229);
const QColor kNameColour(61, 75, 102);
const QColor kPlaceholderColour(160, 166, 178);
constexpr int kIconLeft = 15;
constexpr int kBadgeHeight = 20;

// The collection icon at a third of its opacity, for the placeholder row.
const QPixmap& fadedIcon() {
  static const QPixmap faded = [] {
    QImage image = resourcePixmap(Picture::CollectionIcon).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x)
        line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), qAlpha(line[x]) / 3);
    }
    return QPixmap::fromImage(image);
  }();
  return faded;
}

void paintBackground(QPainter& painter, const QRect& rect, const ListBoxRow::State& state) {
  painter.fillRect(rect, CollectionRow::kBackground);
  if (state.selected)
    drawThreeSlice(painter, rect,
                   resourcePixmap(state.hot ? Picture::CollectionRowSelectedHover : Picture::CollectionRowSelected),
                   14);
  else if (state.hot)
    drawThreeSlice(painter, rect, resourcePixmap(Picture::CollectionRowHover), 4);
  QLinearGradient line(rect.left(), 0, rect.right() + 1, 0);
  line.setColorAt(0, kLineStart);
  line.setColorAt(1, CollectionRow::kBackground);
  painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), line);
}

// Draws the count badge at the right end of the text area; returns its left edge.
int paintBadge(QPainter& painter, const QRect& rect, int textRight, int count) {
  const QString number = QString::number(count);
  const QFontMetrics metrics(UiFontBold());
  const int width = number.size() >= 2 ? metrics.horizontalAdvance(number) + 14 : 22;
  const QRect badge(textRight - width, rect.top() + (rect.height() - kBadgeHeight) / 2, width, kBadgeHeight);
  drawThreeSlice(painter, badge, resourcePixmap(Picture::CollectionCountBadge), 10);
  painter.setFont(UiFontBold());
  painter.setPen(Qt::white);
  painter.drawText(badge, Qt::AlignCenter | Qt::TextSingleLine, number);
  return badge.left();
}

}  // namespace

CollectionRow::CollectionRow(Collection* collection) : m_collection(collection) { setSelectable(!isPlaceholder()); }

bool CollectionRow::isAllCollections() const { return m_collection->id() == 0; }
bool CollectionRow::isPlaceholder() const { return m_collection->id() == -1; }
bool CollectionRow::isReal() const { return m_collection->id() > 0; }

void CollectionRow::paint(QPainter& painter, const QRect& rect, const State& state) const {
  paintBackground(painter, rect, state);

  int textLeft = rect.left() + kIconLeft;
  if (!isAllCollections()) {
    const QPixmap& icon = isPlaceholder() ? fadedIcon() : resourcePixmap(Picture::CollectionIcon);
    painter.drawPixmap(textLeft, rect.top() + (rect.height() - icon.height()) / 2, icon);
    textLeft += isPlaceholder() ? 27 : 29;
  }
  int textRight = rect.right() + 1 - 10;
  const int count = isPlaceholder() ? 0 : m_collection->owner()->itemCount(m_collection);
  if (count > 0) textRight = paintBadge(painter, rect, textRight, count) - 5;

  QFont font = isPlaceholder() ? makeUiFont(13, false, true) : UiFontBold();
  painter.setFont(font);
  painter.setPen(isPlaceholder() ? kPlaceholderColour : kNameColour);
  const QRect textRect(textLeft, rect.top(), qMax(0, textRight - textLeft), rect.height());
  const QString text = QFontMetrics(font).elidedText(displayName(*m_collection), Qt::ElideRight, textRect.width());
  painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

QString CollectionRow::accessibleName() const { return displayName(*m_collection); }

QString CollectionRow::accessibleDescription() const {
  const int count = isPlaceholder() ? 0 : m_collection->owner()->itemCount(m_collection);
  return count > 0 ? QCoreApplication::translate("CollectionRow", "%n items", nullptr, count) : QString();
}

}  // namespace tavoro::ui
