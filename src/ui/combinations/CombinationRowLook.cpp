#include "ui/combinations/CombinationRowLook.h"

#include <QPainter>

#include "ui/common/ResourcePictures.h"
#include "ui/search/NinePartPicture.h"

namespace tavoro::ui {

void paintCombinationRowBackground(QPainter& painter, const QRect& rect, const ListBoxRow::State& state) {
  painter.fillRect(rect, Qt::white);
  const QRect picture(rect.left() + 8, rect.top(), rect.width() - 16, rect.height() - 1);
  Picture background = Picture::None;
  if (state.selected)
    background = state.listFocused ? Picture::SearchResultSelectedFocused : Picture::SearchResultSelected;
  else if (state.hot)
    background = Picture::SearchResultHover;
  if (background != Picture::None) drawNinePart(painter, picture, resourcePixmap(background), 8);
  painter.fillRect(QRect(rect.left() + 8, rect.bottom(), rect.width() - 16, 1), QColor(215, 220, 230));
}

}  // namespace tavoro::ui
