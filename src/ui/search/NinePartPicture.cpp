#include "ui/search/NinePartPicture.h"

#include <QPainter>
#include <algorithm>

namespace tavoro::ui {

void drawNinePart(QPainter& painter, const QRect& target, const QPixmap& picture, int edge) {
  if (picture.isNull() || target.isEmpty()) return;
  const int e =
      std::max(0, std::min({edge, picture.width() / 2, picture.height() / 2, target.width() / 2, target.height() / 2}));
  // Column and row bounds in the picture (source) and on the target.
  const int sx[4] = {0, e, picture.width() - e, picture.width()};
  const int sy[4] = {0, e, picture.height() - e, picture.height()};
  const int tx[4] = {target.left(), target.left() + e, target.right() + 1 - e, target.right() + 1};
  const int ty[4] = {target.top(), target.top() + e, target.bottom() + 1 - e, target.bottom() + 1};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const QRect to(tx[column], ty[row], tx[column + 1] - tx[column], ty[row + 1] - ty[row]);
      const QRect from(sx[column], sy[row], sx[column + 1] - sx[column], sy[row + 1] - sy[row]);
      if (!to.isEmpty() && !from.isEmpty()) painter.drawPixmap(to, picture, from);
    }
  }
}

}  // namespace tavoro::ui
