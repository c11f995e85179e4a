// The list of the wardrobe's combinations in the combinations view, in the
// order they were made, each drawn as a CombinationRow. It follows the
// session (combinations added, changed, removed, by any pane or by undo) and
// says which combination is chosen (the first selected). User-interface
// thread only.
#pragma once

#include "ui/combinations/CombinationRow.h"
#include "ui/common/ModelMetaTypes.h"
#include "ui/controls/RowList.h"

namespace tavoro::ui {

class WardrobeSession;

class CombinationListView : public RowList {
  Q_OBJECT

 public:
  explicit CombinationListView(WardrobeSession& session, QWidget* parent = nullptr);

  // The chosen combination, or null.
  Combination* chosen() const;
  // Chooses the combination (selects its row alone); null chooses none.
  void choose(Combination* combination);
  CombinationRow* combinationRow(int index) const { return static_cast<CombinationRow*>(row(index)); }
  int rowOf(const Combination* combination) const;

 signals:
  void chosenChanged(tavoro::Combination* combination);
  void menuRequested(QPoint globalPos);

 protected:
  void paintBackground(QPainter& painter, const QRect& area) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // Every row made anew, the chosen combination kept while it is there.
  void rebuild();
  void refresh(Combination* combination);
  void announce();

  WardrobeSession& m_session;
  CombinationRowContext m_context;
  Combination* m_announced = nullptr;
};

}  // namespace tavoro::ui
