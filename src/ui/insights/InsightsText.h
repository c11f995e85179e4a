// The insights in words: the plain text of each figure (what screen readers
// read and "Copy as Text" copies) and the short texts the view shows. In the
// user's language. User-interface thread only.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "insights/WardrobeInsights.h"

namespace tavoro::ui {

QString summaryText(const WardrobeInsights& insights);
QString collectionsText(const WardrobeInsights& insights);
QString tagValuesText(const TagValueCounts& counts);
// "March 2026"
QString monthName(const MonthWears& month);
QString wearsByMonthText(const std::vector<MonthWears>& months);
// "Never worn" or "Worn 3 times", then "not worn for N days" where known.
QString wearText(const ItemWearFigure& figure);
QString leastWornText(const std::vector<ItemWearFigure>& figures);
QString priceText(int64_t cents);
QString costText(const CostFigures& cost);

}  // namespace tavoro::ui
