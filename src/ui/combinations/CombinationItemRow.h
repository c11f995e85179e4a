// One row of the items of the chosen combination, 49 pixels high: the
// item's thumbnail, its name and its collection. User-interface thread only.
#pragma once

#include <QPixmap>

#include "ui/combinations/CombinationRow.h"
#include "ui/controls/ListBoxRow.h"

namespace tavoro {
class Item;
}

namespace tavoro::ui {

class CombinationItemRow : public ListBoxRow {
 public:
  static constexpr int kHeight = 49;

  CombinationItemRow(Item* item, const CombinationRowContext& context) : m_item(item), m_context(context) {}

  Item* item() const { return m_item; }
  void dropPicture() { m_thumbnail = QPixmap(); }

  void paint(QPainter& painter, const QRect& rect, const State& state) const override;
  QString accessibleName() const override;
  QString accessibleDescription() const override;

 private:
  Item* m_item;
  const CombinationRowContext& m_context;
  mutable QPixmap m_thumbnail;
};

}  // namespace tavoro::ui
