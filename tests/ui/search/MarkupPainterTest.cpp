#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "ui/common/UiFonts.h"
#include "ui/search/MarkupPainter.h"

namespace tavoro::ui {
namespace {

const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 235, 100);

int countColour(const QImage& image, const QColor& colour, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y) == colour ? 1 : 0;
  return count;
}

struct Drawn {
  QImage image;
  QSize extent;
};

// Draws markup into a rectangle width pixels wide at x 10 of a white image
// 400 pixels wide, so that anything drawn outside it shows.
Drawn draw(std::wstring_view markup, int width) {
  Drawn drawn{QImage(400, 30, QImage::Format_RGB32), {}};
  drawn.image.fill(Qt::white);
  QPainter painter(&drawn.image);
  MarkupRenderer renderer{makeUiFont(14), QColor(61, 75, 102), Qt::white, false};
  drawn.extent = drawMarkup(painter, renderer, markup, QRect(10, 2, width, 26));
  return drawn;
}

int textWidth(const QString& text) {
  return QFontMetrics(makeUiFont(14)).horizontalAdvance(text);
}
// Each run is measured on its own.
int runsWidth(std::initializer_list<const char*> runs) {
  int width = 0;
  for (const char* run : runs) width += textWidth(QString::fromUtf8(run));
  return width;
}

TEST(MarkupPainterTest, RunsFollowEachOtherUntilOneIsCut) {
  const std::wstring longName = L"<color bg=#FFEB64>Tailored&nbsp;linen&nbsp;overshirt&nbsp;with&nbsp;pockets</color>";
  const std::wstring greenTail = L"<color bg=#00FF00>tail</color>";
  struct Case {
    std::wstring markup;
    int width;
    bool yellow;  // a highlighted run shows
    bool green;   // the green run after it shows
    int advance;  // -1: more than the rectangle is wide
  };
  const Case cases[] = {
      {L"Red&nbsp;" + greenTail, 300, false, true, runsWidth({"Red ", "tail"})},
      {L"<color bg=#FFEB64>Red</color>" + greenTail, 300, true, true, runsWidth({"Red", "tail"})},
      {longName + greenTail, 300, true, true, runsWidth({"Tailored linen overshirt with pockets", "tail"})},
      {longName + greenTail, 80, true, false, -1},
      {L"Plain&nbsp;text&nbsp;that&nbsp;goes&nbsp;on&nbsp;and&nbsp;on" + greenTail, 60, false, false, -1},
      // Malformed elements are plain text: no colour at all.
      {L"<color bg=#00FF0>x</color>", 300, false, false, textWidth(QStringLiteral("<color bg=#00FF0>x</color>"))},
      {L"<color bg=#00FF00></color>", 300, false, false, textWidth(QStringLiteral("<color bg=#00FF00></color>"))},
      {L"", 300, false, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(QString::fromStdWString(c.markup).toStdString() + " in " + std::to_string(c.width));
    const Drawn drawn = draw(c.markup, c.width);
    const QRect inside(10, 2, c.width, 26);
    EXPECT_EQ(countColour(drawn.image, kYellow, inside) > 0, c.yellow);
    EXPECT_EQ(countColour(drawn.image, kGreen, drawn.image.rect()) > 0, c.green);
    // Nothing is drawn outside the rectangle.
    const QRect right(inside.right() + 1, 0, 400 - inside.right() - 1, 30);
    EXPECT_EQ(countColour(drawn.image, Qt::white, right), right.width() * right.height());
    if (c.advance >= 0)
      EXPECT_EQ(drawn.extent.width(), c.advance);
    else
      EXPECT_GT(drawn.extent.width(), c.width);
    EXPECT_EQ(drawn.extent.height(), c.markup.empty() ? 0 : QFontMetrics(makeUiFont(14)).height());
  }
}

TEST(MarkupPainterTest, BothAttributesColourTheirRun) {
  const Drawn drawn = draw(L"a<color fg=#FF0000 bg=#00FF00>WWW</color>", 300);
  const int start = 10 + textWidth(QStringLiteral("a"));
  const QRect run(start, 2, textWidth(QStringLiteral("WWW")), 26);
  EXPECT_GT(countColour(drawn.image, kGreen, run), 0);
  int reddish = 0;
  for (int y = run.top(); y <= run.bottom(); ++y)
    for (int x = run.left(); x <= run.right(); ++x) {
      const QColor pixel = drawn.image.pixelColor(x, y);
      reddish += pixel.red() > 150 && pixel.green() < 100 && pixel.blue() < 100 ? 1 : 0;
    }
  EXPECT_GT(reddish, 0) << "the text of the run is red";
  EXPECT_EQ(countColour(drawn.image, kGreen, QRect(10, 0, start - 10, 30)), 0) << "the plain run keeps no background";
}

}  // namespace
}  // namespace tavoro::ui
