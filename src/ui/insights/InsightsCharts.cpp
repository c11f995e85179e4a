#include "ui/insights/InsightsCharts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDate>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QLocale>
#include <QPieSeries>
#include <QValueAxis>
#include <algorithm>

#include "ui/common/QtText.h"
#include "ui/common/UiFonts.h"
#include "ui/insights/InsightsText.h"
#include "wardrobe/Collection.h"

namespace tavoro::ui {

namespace {

const QColor kBarColour(74, 128, 196);

QChartView* viewOf(QChart* chart, int height) {
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->legend()->setVisible(false);
  chart->setBackgroundVisible(false);
  chart->setMargins(QMargins(0, 0, 0, 0));
  auto* view = new QChartView(chart);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumHeight(height);
  return view;
}

QValueAxis* countAxis(size_t largest) {
  auto* axis = new QValueAxis;
  axis->setLabelFormat(QStringLiteral("%d"));
  axis->setRange(0, static_cast<double>(std::max<size_t>(largest, 1)));
  axis->setTickCount(std::clamp(static_cast<int>(largest) + 1, 2, 6));
  axis->setLabelsFont(UiFont());
  return axis;
}

// Horizontal bars, the first label on top.
QWidget* barsOf(const std::vector<std::pair<QString, size_t>>& bars) {
  auto* chart = new QChart;
  auto* set = new QBarSet(QString());
  set->setColor(kBarColour);
  QStringList labels;
  size_t largest = 0;
  for (auto it = bars.rbegin(); it != bars.rend(); ++it) {
    *set << static_cast<double>(it->second);
    labels << it->first;
    largest = std::max(largest, it->second);
  }
  auto* series = new QHorizontalBarSeries;
  series->append(set);
  chart->addSeries(series);
  auto* names = new QBarCategoryAxis;
  names->append(labels);
  names->setLabelsFont(UiFont());
  // Qt elides category labels to "..." before the chart has its size; the
  // names are the point of the chart.
  names->setTruncateLabels(false);
  chart->addAxis(names, Qt::AlignLeft);
  series->attachAxis(names);
  QValueAxis* counts = countAxis(largest);
  chart->addAxis(counts, Qt::AlignBottom);
  series->attachAxis(counts);
  return viewOf(chart, 60 + 24 * static_cast<int>(std::max<size_t>(bars.size(), 1)));
}

}  // namespace

QWidget* makeCollectionsChart(const WardrobeInsights& insights) {
  std::vector<std::pair<QString, size_t>> bars;
  for (const CollectionCount& count : insights.collections)
    bars.emplace_back(toQString(count.collection->name()), count.items);
  // Many collections: the largest ones, largest first.
  if (bars.size() > kMostChartEntries) {
    std::stable_sort(bars.begin(), bars.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    bars.resize(kMostChartEntries);
  }
  return barsOf(bars);
}

QWidget* makeTagValuesChart(const TagValueCounts& counts) {
  auto* chart = new QChart;
  auto* series = new QPieSeries;
  series->setHoleSize(0.45);
  size_t other = 0;
  for (size_t i = 0; i < counts.values.size(); ++i) {
    if (i + 1 < kMostChartEntries || counts.values.size() == kMostChartEntries) {
      const ValueCount& value = counts.values[i];
      series->append(QCoreApplication::translate("InsightsText", "%1: %2")
                         .arg(toQString(value.value), QString::number(value.items)),
                     static_cast<double>(value.items));
    } else {
      other += counts.values[i].items;
    }
  }
  if (other > 0)
    series->append(QCoreApplication::translate("InsightsText", "Other: %1").arg(other), static_cast<double>(other));
  series->setLabelsVisible(true);
  for (QPieSlice* slice : series->slices()) slice->setLabelFont(UiFont());
  chart->addSeries(series);
  return viewOf(chart, 260);
}

QWidget* makeWearsChart(const std::vector<MonthWears>& months) {
  auto* chart = new QChart;
  auto* series = new QLineSeries;
  series->setColor(kBarColour);
  series->setPointsVisible(true);
  QStringList labels;
  size_t largest = 0;
  for (size_t i = 0; i < months.size(); ++i) {
    series->append(static_cast<double>(i), static_cast<double>(months[i].wears));
    labels << QLocale().toString(QDate(months[i].year, months[i].month, 1), QStringLiteral("MMM"));
    largest = std::max(largest, months[i].wears);
  }
  chart->addSeries(series);
  auto* monthAxis = new QBarCategoryAxis;
  monthAxis->append(labels);
  monthAxis->setLabelsFont(UiFont());
  monthAxis->setTruncateLabels(false);
  chart->addAxis(monthAxis, Qt::AlignBottom);
  series->attachAxis(monthAxis);
  QValueAxis* counts = countAxis(largest);
  chart->addAxis(counts, Qt::AlignLeft);
  series->attachAxis(counts);
  return viewOf(chart, 220);
}

}  // namespace tavoro::ui
