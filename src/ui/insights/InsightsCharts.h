// The insights' charts, drawn by Qt Charts from the figures: bars of items
// per collection, a donut of items per tag value, a line of wears per month.
// Each chart is made once and given new figures in place: its series and
// axes stay, only their data are replaced. User-interface thread only.
#pragma once

#include <QChartView>
#include <vector>

#include "insights/WardrobeInsights.h"

class QBarCategoryAxis;
class QBarSet;
class QLineSeries;
class QPieSeries;
class QValueAxis;

namespace tavoro::ui {

// The most bars or slices a chart shows; the plain text lists them all.
inline constexpr size_t kMostChartEntries = 12;

class InsightsChart : public QChartView {
  Q_OBJECT

 public:
  enum class Kind { kBars, kDonut, kLine };
  explicit InsightsChart(Kind kind, QWidget* parent = nullptr);

  Kind kind() const { return m_kind; }
  // What the chart shows now, one entry per bar, slice or point.
  QStringList labels() const;

  // Each for the chart of its kind.
  void showCollections(const WardrobeInsights& insights);
  void showTagValues(const TagValueCounts& counts);
  void showWears(const std::vector<MonthWears>& months);

 private:
  void setBars(const std::vector<std::pair<QString, size_t>>& bars);
  void setCountRange(size_t largest);

  Kind m_kind;
  QBarSet* m_bars = nullptr;
  QPieSeries* m_slices = nullptr;
  QLineSeries* m_line = nullptr;
  QBarCategoryAxis* m_names = nullptr;
  QValueAxis* m_counts = nullptr;
};

}  // namespace tavoro::ui
