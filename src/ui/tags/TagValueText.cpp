#include "ui/tags/TagValueText.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/common/QtText.h"
#include "ui/common/UiFonts.h"

namespace tavoro::ui {

void drawTagValue(QPainter& painter, const QRect& rect, const std::wstring& value, const std::wstring& tagName,
                  bool highlight) {
  painter.setFont(UiFontLarge());
  painter.setPen(Qt::black);
  // The highlighted form waits for the markup painter that the search results
  // bring; until then a found item's value is drawn plain like any other. The
  // switch is this one line:
  //   if (highlight) return drawMarkup(painter, SearchEngine::instance().tagValueMarkup(value, tagName), rect, ...);
  static_cast<void>(highlight);
  static_cast<void>(tagName);
  const QString text = QFontMetrics(UiFontLarge()).elidedText(toQString(value), Qt::ElideRight, rect.width());
  painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

}  // namespace tavoro::ui
