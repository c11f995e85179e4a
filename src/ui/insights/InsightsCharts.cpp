#include "ui/insights/InsightsCharts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
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
#include "wardrobe/Collection.h"

namespace tavoro::ui {

namespace {

const QColor kBarColour(74, 128, 196);

QBarCategoryAxis* namesAxis() {
  auto* axis = new QBarCategoryAxis;
  axis->setLabelsFont(UiFont());
  // Qt elides category labels to "..." before the chart has its size; the
  // names are the point of the chart.
  axis->setTruncateLabels(false);
  return axis;
}

QValueAxis* countAxis() {
  auto* axis = new QValueAxis;
  axis->setLabelFormat(QStringLiteral("%d"));
  axis->setLabelsFont(UiFont());
  return axis;
}

// Still, no legend and no animation: a refresh shows the figures at once.
QChart* plainChart() {
  auto* chart = new QChart;
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->legend()->setVisible(false);
  chart->setBackgroundVisible(false);
  chart->setMargins(QMargins(0, 0, 0, 0));
  return chart;
}

}  // namespace

InsightsChart::InsightsChart(Kind kind, QWidget* parent) : QChartView(plainChart(), parent), m_kind(kind) {
  setObjectName(QStringLiteral("InsightsChart"));
  // Nothing to do in a chart: its card takes the focus and carries its text.
  setFocusPolicy(Qt::NoFocus);
  viewport()->setFocusPolicy(Qt::NoFocus);
  QChart* chart = this->chart();
  switch (kind) {
    case Kind::kBars: {
      m_bars = new QBarSet(QString());
      m_bars->setColor(kBarColour);
      auto* series = new QHorizontalBarSeries;
      series->append(m_bars);
      chart->addSeries(series);
      m_names = namesAxis();
      chart->addAxis(m_names, Qt::AlignLeft);
      series->attachAxis(m_names);
      m_counts = countAxis();
      chart->addAxis(m_counts, Qt::AlignBottom);
      series->attachAxis(m_counts);
      break;
    }
    case Kind::kDonut:
      m_slices = new QPieSeries;
      m_slices->setHoleSize(0.45);
      chart->addSeries(m_slices);
      setMinimumHeight(260);
      break;
    case Kind::kLine: {
      m_line = new QLineSeries;
      m_line->setColor(kBarColour);
      m_line->setPointsVisible(true);
      chart->addSeries(m_line);
      m_names = namesAxis();
      chart->addAxis(m_names, Qt::AlignBottom);
      m_line->attachAxis(m_names);
      m_counts = countAxis();
      chart->addAxis(m_counts, Qt::AlignLeft);
      m_line->attachAxis(m_counts);
      setMinimumHeight(220);
      break;
    }
  }
  setRenderHint(QPainter::Antialiasing);
}

QStringList InsightsChart::labels() const {
  if (m_slices) {
    QStringList labels;
    for (const QPieSlice* slice : m_slices->slices()) labels << slice->label();
    return labels;
  }
  return m_names->categories();
}

void InsightsChart::setCountRange(size_t largest) {
  m_counts->setRange(0, static_cast<double>(std::max<size_t>(largest, 1)));
  m_counts->setTickCount(std::clamp(static_cast<int>(largest) + 1, 2, 6));
}

// Horizontal bars, the first label on top.
void InsightsChart::setBars(const std::vector<std::pair<QString, size_t>>& bars) {
  QList<qreal> values;
  QStringList labels;
  size_t largest = 0;
  for (auto it = bars.rbegin(); it != bars.rend(); ++it) {
    values << static_cast<double>(it->second);
    labels << it->first;
    largest = std::max(largest, it->second);
  }
  m_bars->remove(0, m_bars->count());
  m_bars->append(values);
  m_names->setCategories(labels);
  setCountRange(largest);
  setMinimumHeight(60 + 24 * static_cast<int>(std::max<size_t>(bars.size(), 1)));
}

void InsightsChart::showCollections(const WardrobeInsights& insights) {
  std::vector<std::pair<QString, size_t>> bars;
  for (const CollectionCount& count : insights.collections)
    bars.emplace_back(toQString(count.collection->name()), count.items);
  // Many collections: the largest ones, largest first.
  if (bars.size() > kMostChartEntries) {
    std::stable_sort(bars.begin(), bars.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    bars.resize(kMostChartEntries);
  }
  setBars(bars);
}

void InsightsChart::showTagValues(const TagValueCounts& counts) {
  const auto sliceOf = [](const QString& label, size_t items) {
    auto* slice = new QPieSlice(label, static_cast<double>(items));
    slice->setLabelFont(UiFont());
    slice->setLabelVisible(true);
    return slice;
  };
  QList<QPieSlice*> slices;
  size_t other = 0;
  for (size_t i = 0; i < counts.values.size(); ++i) {
    if (i + 1 < kMostChartEntries || counts.values.size() == kMostChartEntries) {
      const ValueCount& value = counts.values[i];
      slices << sliceOf(QCoreApplication::translate("InsightsText", "%1: %2")
                            .arg(toQString(value.value), QString::number(value.items)),
                        value.items);
    } else {
      other += counts.values[i].items;
    }
  }
  if (other > 0) slices << sliceOf(QCoreApplication::translate("InsightsText", "Other: %1").arg(other), other);
  // All at once: Qt Charts lays the donut out again on every append.
  m_slices->clear();
  m_slices->append(slices);
}

void InsightsChart::showWears(const std::vector<MonthWears>& months) {
  QList<QPointF> points;
  QStringList labels;
  size_t largest = 0;
  for (size_t i = 0; i < months.size(); ++i) {
    points << QPointF(static_cast<double>(i), static_cast<double>(months[i].wears));
    labels << QLocale().toString(QDate(months[i].year, months[i].month, 1), QStringLiteral("MMM"));
    largest = std::max(largest, months[i].wears);
  }
  m_names->setCategories(labels);
  m_line->replace(points);
  setCountRange(largest);
}

}  // namespace tavoro::ui
