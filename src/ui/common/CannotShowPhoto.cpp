#include "ui/common/CannotShowPhoto.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/common/QtText.h"
#include "ui/common/UiFonts.h"

namespace tavoro::ui {

void drawCannotShowPhoto(QPainter& painter, const QRect& rect, const std::wstring& fileName, const QColor& colour) {
  if (rect.isEmpty()) return;
  painter.save();
  QColor frame = colour;
  frame.setAlphaF(0.33f);
  painter.setPen(frame);
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
  const QRect inside = rect.adjusted(6, 4, -6, -4);
  const QFontMetrics notice(UiFontLarge());
  const QFontMetrics name(UiFont());
  // The notice wraps in a narrow box; the name is cut in its middle.
  const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
  const int noticeHeight = notice.boundingRect(QRect(0, 0, inside.width(), 1000), flags, kCannotShowPhoto).height();
  const int height = noticeHeight + 4 + name.height();
  const int top = inside.top() + qMax(0, (inside.height() - height) / 2);
  painter.setPen(colour);
  painter.setFont(UiFontLarge());
  painter.drawText(QRect(inside.left(), top, inside.width(), noticeHeight), flags, kCannotShowPhoto);
  painter.setFont(UiFont());
  painter.drawText(QRect(inside.left(), top + noticeHeight + 4, inside.width(), name.height()),
                   Qt::AlignHCenter | Qt::TextSingleLine,
                   name.elidedText(toQString(fileName), Qt::ElideMiddle, inside.width()));
  painter.restore();
}

}  // namespace tavoro::ui
