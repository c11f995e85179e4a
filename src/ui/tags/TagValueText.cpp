#include "ui/tags/TagValueText.h"

#include <QFontMetrics>
#include <QPainter>

#include "search/SearchEngine.h"
#include "ui/common/QtText.h"
#include "ui/common/UiFonts.h"
#include "ui/search/MarkupPainter.h"

namespace tavoro::ui {

void drawTagValue(QPainter& painter, const QRect& rect, const std::wstring& value, const std::wstring& tagName,
                  SearchEngine* search) {
  if (search) {
    // The stretches the search matched, on their highlight.
    const std::wstring markup = search->tagValueMarkup(value, tagName);
    if (!markup.empty()) {
      drawMarkup(painter, MarkupRenderer{UiFontLarge(), Qt::black, Qt::white, false}, markup, rect, kMarkupRowFormat);
      return;
    }
  }
  painter.setFont(UiFontLarge());
  painter.setPen(Qt::black);
  const QString text = QFontMetrics(UiFontLarge()).elidedText(toQString(value), Qt::ElideRight, rect.width());
  painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

}  // namespace tavoro::ui
