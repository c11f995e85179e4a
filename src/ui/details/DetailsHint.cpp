#include "ui/details/DetailsHint.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/common/ResourcePictures.h"
#include "ui/common/UiFonts.h"

namespace tavoro::ui {

namespace {

constexpr int kIconColumn = 32;
constexpr int kMargin = 10;

}  // namespace

HintPlacement placeHint(const QRect& client, QSize textSize) {
  const QRect area = client.adjusted(kMargin, kMargin, -kMargin, -kMargin);
  int left = area.left() + kIconColumn;
  const int block = textSize.width() + kIconColumn;
  if (block <= area.width()) {
    // Centred, then a twelfth of the spare room to the left.
    const int spare = area.width() - block;
    left = area.left() + spare / 2 - spare / 12 + kIconColumn;
  }
  int top = area.top();
  if (area.height() > 90) top += (area.height() - 90) / 3;
  const QRect text(left, top, qMax(0, area.right() + 1 - left), qMax(0, area.bottom() + 1 - top));
  return {text, QPoint(left - kIconColumn, top - 5)};
}

QString DetailsHint::hintText() { return tr("Select a photo to view details."); }

DetailsHint::DetailsHint(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("DetailsHint"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
}

void DetailsHint::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const QFontMetrics metrics(UiFontLarge());
  const int room = qMax(1, width() - 2 * kMargin - kIconColumn);
  const QSize textSize = metrics.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, hintText()).size();
  const HintPlacement place = placeHint(rect(), textSize);
  painter.drawPixmap(place.icon, resourcePixmap(Picture::DetailsHintIcon));
  painter.setFont(UiFontLarge());
  painter.setPen(QColor(160, 160, 160));
  // Word breaks; a word that cannot fit is cut with an ellipsis.
  QString text;
  for (const QString& word : hintText().split(QLatin1Char(' '))) {
    if (!text.isEmpty()) text += QLatin1Char(' ');
    text += metrics.elidedText(word, Qt::ElideRight, place.text.width());
  }
  painter.drawText(place.text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

void DetailsHint::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  event->accept();
}

}  // namespace tavoro::ui
