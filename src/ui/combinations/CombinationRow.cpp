#include "ui/combinations/CombinationRow.h"

#include <QCoreApplication>
#include <QPainter>

#include "ui/combinations/CombinationCollage.h"
#include "ui/combinations/CombinationRowLook.h"
#include "ui/search/SearchResultRow.h"
#include "ui/combinations/WearText.h"
#include "ui/common/QtText.h"
#include "ui/common/UiFonts.h"
#include "wardrobe/Combination.h"

namespace tavoro::ui {

namespace {

QString itemCount(const Combination& combination) {
  const int count = static_cast<int>(combination.count());
  // English has no catalogue: one is said apart rather than as "1 items".
  if (count == 1) return QCoreApplication::translate("CombinationRow", "1 item");
  return QCoreApplication::translate("CombinationRow", "%n items", nullptr, count);
}

}  // namespace

void CombinationRow::paint(QPainter& painter, const QRect& rect, const State& state) const {
  paintResultRowBackground(painter, rect, state);
  const QRect box(rect.left() + 14, rect.top() + (rect.height() - kCollageSize) / 2, kCollageSize, kCollageSize);
  if (m_collage.isNull() && m_context.previews) {
    bool complete = false;
    const QImage collage = makeCollage(
        collagePictures(*m_context.previews, *m_combination, m_context.thumbnailReady, &complete), kCollageSize);
    if (!complete) {
      painter.drawImage(box.topLeft(), collage);
    } else {
      m_collage = QPixmap::fromImage(collage);
    }
  }
  if (!m_collage.isNull()) painter.drawPixmap(box.topLeft(), m_collage);

  const int left = box.right() + 12;
  const QRect text(left, rect.top() + 10, qMax(0, rect.right() - 13 - left), rect.height() - 20);
  const QRect upper(text.left(), text.top(), text.width(), text.height() / 2);
  const QRect lower(text.left(), text.top() + text.height() / 2, text.width(), text.height() / 2);
  painter.setFont(UiFontLarge());
  painter.setPen(kCombinationText);
  painter.drawText(upper, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   painter.fontMetrics().elidedText(toQString(m_combination->name()), Qt::ElideRight, upper.width()));
  painter.setFont(UiFont());
  painter.setPen(kCombinationDetail);
  painter.drawText(lower, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   painter.fontMetrics().elidedText(accessibleDescription(), Qt::ElideRight, lower.width()));
}

QString CombinationRow::accessibleName() const { return toQString(m_combination->name()); }

QString CombinationRow::accessibleDescription() const {
  return itemCount(*m_combination) + QStringLiteral(" \u00b7 ") + wearSummary(m_combination->worn());
}

}  // namespace tavoro::ui
