#include "ui/search/MarkupPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <vector>

#include "search/MarkupParser.h"
#include "search/MarkupText.h"
#include "ui/common/QtText.h"

namespace tavoro::ui {

namespace {

Rgb toRgb(const QColor& colour) {
  return Rgb{static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
             static_cast<uint8_t>(colour.blue())};
}

QColor toQColor(const Rgb& rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

std::vector<MarkupRun> runsOf(const MarkupRenderer& renderer, std::wstring_view markup) {
  return parseMarkup(markup, MarkupStyle{toRgb(renderer.textColor), toRgb(renderer.backColor), renderer.opaque});
}

// The run's text as drawn: unescaped, on one line.
QString runText(const MarkupRun& run) {
  QString text = toQString(unescapeMarkupText(run.text));
  text.replace(u'\n', u' ');
  return text;
}

}  // namespace

QSize drawMarkup(QPainter& painter, const MarkupRenderer& renderer, std::wstring_view markup, const QRect& rect,
                 unsigned format) {
  if (markup.empty() || rect.isEmpty()) return QSize(0, 0);
  const QFontMetrics metrics(renderer.font);
  const int lineHeight = metrics.height();
  QRect left = rect;  // what is left for the runs still to come
  int height = 0;
  painter.save();
  painter.setFont(renderer.font);
  for (const MarkupRun& run : runsOf(renderer, markup)) {
    if (left.isEmpty()) break;
    const QString text = runText(run);
    if (text.isEmpty()) break;
    const int width = metrics.horizontalAdvance(text);
    const QString shown = (format & kMarkupEndEllipsis) && width > left.width()
                              ? metrics.elidedText(text, Qt::ElideRight, left.width())
                              : text;
    const int top = (format & kMarkupVCenter) ? left.top() + (left.height() - lineHeight) / 2 : left.top();
    const QRect box(left.left(), top, qMin(metrics.horizontalAdvance(shown), left.width()), lineHeight);
    painter.save();
    painter.setClipRect(left, Qt::IntersectClip);
    if (run.opaque) painter.fillRect(box, toQColor(run.backColor));
    painter.setPen(toQColor(run.textColor));
    painter.drawText(QRect(box.left(), box.top(), left.width(), lineHeight),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown);
    painter.restore();
    height = qMax(height, lineHeight);
    left.setLeft(left.left() + width);
  }
  painter.restore();
  return QSize(left.left() - rect.left(), height);
}

}  // namespace tavoro::ui
