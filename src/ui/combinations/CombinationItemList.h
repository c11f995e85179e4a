// The items of the chosen combination in the combinations view, in the
// combination's order: each with its thumbnail, name and collection. Rows
// are dragged to a new order (one session call); a double-click asks to show
// the item in its collection. Follows the session. User-interface thread only.
#pragma once

#include <vector>

#include "ui/combinations/CombinationRow.h"
#include "ui/common/ModelMetaTypes.h"
#include "ui/controls/RowList.h"

namespace tavoro::ui {

class CombinationItemRow;
class WardrobeSession;

class CombinationItemList : public RowList {
  Q_OBJECT

 public:
  explicit CombinationItemList(WardrobeSession& session, QWidget* parent = nullptr);

  Combination* combination() const { return m_combination; }
  // Shows the combination's items (none for null).
  void setCombination(Combination* combination);
  CombinationItemRow* itemRow(int index) const;
  std::vector<Item*> selectedItems() const;
  // The items as the rows show them.
  std::vector<Item*> shownItems() const;

 signals:
  void itemActivated(tavoro::Item* item);
  void menuRequested(QPoint globalPos);

 protected:
  void paintBackground(QPainter& painter, const QRect& area) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void rebuild();

  WardrobeSession& m_session;
  CombinationRowContext m_context;
  Combination* m_combination = nullptr;
};

}  // namespace tavoro::ui
