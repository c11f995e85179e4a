// The insights' charts, drawn by Qt Charts from the figures: bars of items
// per collection, a donut of items per tag value, a line of wears per month.
// User-interface thread only.
#pragma once

#include <vector>

#include "insights/WardrobeInsights.h"

class QWidget;

namespace tavoro::ui {

// The most bars or slices a chart shows; the plain text lists them all.
inline constexpr size_t kMostChartEntries = 12;

QWidget* makeCollectionsChart(const WardrobeInsights& insights);
QWidget* makeTagValuesChart(const TagValueCounts& counts);
QWidget* makeWearsChart(const std::vector<MonthWears>& months);

}  // namespace tavoro::ui
