// Drawing highlight markup (see search/MarkupText.h) with a QPainter: the
// runs of the markup one after the other on one line, each in its own
// colours, a run that does not fit cut with an ellipsis, and nothing drawn
// after the cut. Used by the search result rows and by the tag pane for
// values shown from a search. User-interface thread only.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <string_view>

class QPainter;

namespace tavoro::ui {

// What plain text is drawn with; colour elements change the colours of their
// own run only.
struct MarkupRenderer {
  QFont font;
  QColor textColor{Qt::black};
  QColor backColor{Qt::white};
  bool opaque = false;  // whether the background behind plain text is painted
};

// How the line sits in its rectangle. The text is always one line (a line
// feed is drawn as a space) and "&" is always an ordinary character.
enum MarkupFormat : unsigned {
  kMarkupTop = 0x0,
  kMarkupVCenter = 0x1,      // centred vertically in the rectangle
  kMarkupEndEllipsis = 0x2,  // a run that does not fit ends in "..."
};
// What the search result rows use.
inline constexpr unsigned kMarkupRowFormat = kMarkupVCenter | kMarkupEndEllipsis;

// Draws markup into rect. Each run starts where the previous one ended: the
// rectangle left for the runs loses the run's whole width, so once a run has
// been cut the rest find no room and are not drawn. Drawing ends as well at
// a run with no text. Returns the total advance (wider than rect when a run
// was cut) and the height of the tallest run drawn; (0, 0) for empty markup
// or an empty rectangle. Malformed elements are drawn as the text they are.
QSize drawMarkup(QPainter& painter, const MarkupRenderer& renderer, std::wstring_view markup, const QRect& rect,
                 unsigned format = kMarkupRowFormat);

}  // namespace tavoro::ui
