// The insights of the open wardrobe, in the middle of the wardrobe page:
// what there is (items per collection, items per value of a tag the user
// picks), what is worn (wears per month over the last year, the least worn
// items, each a jump to the item) and what each wear cost. Every figure is a
// card with its plain text for screen readers and "Copy as Text". It follows
// the session's changes while shown, and catches up when shown again.
// User-interface thread only.
#pragma once

#include <QWidget>
#include <vector>

#include "insights/WardrobeInsights.h"

class QComboBox;
class QLabel;
class QScrollArea;
class QTreeWidget;
class QVBoxLayout;

namespace tavoro {
class Item;
}

namespace tavoro::ui {

class InsightsCard;
class InsightsChart;
class LeastWornRow;
class WardrobeSession;

class InsightsView : public QWidget {
  Q_OBJECT

 public:
  static constexpr size_t kLeastWornShown = 12;
  static constexpr int kCostRowsShown = 50;

  explicit InsightsView(WardrobeSession& session, QWidget* parent = nullptr);

  // The figures shown (pointers into the model, dropped before it changes).
  const WardrobeInsights& insights() const { return m_insights; }
  InsightsCard* collectionsCard() const { return m_collections; }
  InsightsCard* valuesCard() const { return m_values; }
  InsightsCard* wearsCard() const { return m_wears; }
  InsightsCard* leastWornCard() const { return m_leastWorn; }
  InsightsCard* costCard() const { return m_cost; }
  QComboBox* tagChooser() const { return m_tagChooser; }
  InsightsChart* valuesChart() const { return m_valuesChart; }
  const std::vector<LeastWornRow*>& leastWornRows() const { return m_rows; }
  // Whether a change waits to be shown.
  bool isStale() const { return m_stale; }

  // Computes every figure anew and redraws the cards.
  void refresh();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // After a change: at once while shown (once for a burst of changes), else
  // when next shown.
  void markStale();
  // Before the model lets go of objects: nothing shown may point at them.
  void dropFigures();
  void fillTagChooser();
  void showCollections();
  void showValues();
  void showWears();
  void showLeastWorn();
  void showCost();
  void jumpTo(const tavoro::Item* item);

  WardrobeSession& m_session;
  WardrobeInsights m_insights;
  QScrollArea* m_scroll;
  QLabel* m_summary;
  InsightsCard* m_collections;
  InsightsChart* m_collectionsChart;
  InsightsCard* m_values;
  QComboBox* m_tagChooser;
  InsightsChart* m_valuesChart;
  InsightsCard* m_wears;
  InsightsChart* m_wearsChart;
  InsightsCard* m_leastWorn;
  QVBoxLayout* m_rowsLayout;
  std::vector<LeastWornRow*> m_rows;
  InsightsCard* m_cost;
  QTreeWidget* m_costTable;
  QLabel* m_costNote;
  bool m_stale = true;
  bool m_refreshQueued = false;
};

}  // namespace tavoro::ui
