#include "ui/combinations/CombinationItemRow.h"

#include <QPainter>

#include "ui/combinations/CombinationRowLook.h"
#include "ui/search/SearchResultRow.h"
#include "ui/common/CoreTexts.h"
#include "ui/common/UiFonts.h"
#include "ui/search/ResultThumbnail.h"
#include "wardrobe/Collection.h"

namespace tavoro::ui {

void CombinationItemRow::paint(QPainter& painter, const QRect& rect, const State& state) const {
  paintResultRowBackground(painter, rect, state);
  const QRect box(rect.left() + 13, rect.top() + (rect.height() - 40) / 2, 55, 40);
  if (m_thumbnail.isNull() && m_context.previews) {
    if (std::optional<QImage> image = resultThumbnail(*m_context.previews, *m_item, m_context.thumbnailReady))
      m_thumbnail = QPixmap::fromImage(image->scaled(box.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
  if (!m_thumbnail.isNull())
    painter.drawPixmap(box.left() + (box.width() - m_thumbnail.width()) / 2,
                       box.top() + (box.height() - m_thumbnail.height()) / 2, m_thumbnail);
  const int left = rect.left() + 74;
  const QRect text(left, box.top(), qMax(0, rect.right() - 13 - left), box.height());
  const QRect upper(text.left(), text.top(), text.width(), text.height() / 2);
  const QRect lower(text.left(), text.top() + text.height() / 2, text.width(), text.height() / 2);
  painter.setFont(UiFontLarge());
  painter.setPen(kCombinationText);
  painter.drawText(upper, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   painter.fontMetrics().elidedText(accessibleName(), Qt::ElideRight, upper.width()));
  painter.setFont(UiFont());
  painter.setPen(kCombinationDetail);
  painter.drawText(lower, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   painter.fontMetrics().elidedText(accessibleDescription(), Qt::ElideRight, lower.width()));
}

QString CombinationItemRow::accessibleName() const { return displayName(*m_item); }

QString CombinationItemRow::accessibleDescription() const {
  const ItemList* list = m_item->owner();
  const Collection* collection = list ? list->collection() : nullptr;
  return collection ? displayName(*collection) : QString();
}

}  // namespace tavoro::ui
