#include "ui/insights/InsightsText.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QStringList>

#include "ui/common/QtText.h"
#include "wardrobe/Collection.h"
#include "wardrobe/Item.h"

namespace tavoro::ui {

namespace {

QString itemsText(size_t count) {
  const int n = static_cast<int>(count);
  return QCoreApplication::translate("InsightsText", "%n items", nullptr, n);
}

QString itemName(const Collection* collection, const Item* item) {
  return QCoreApplication::translate("InsightsText", "%1 (%2)")
      .arg(toQString(item->name()), toQString(collection->name()));
}

}  // namespace

QString summaryText(const WardrobeInsights& insights) {
  const int collections = static_cast<int>(insights.collections.size());
  const int never = static_cast<int>(insights.neverWorn);
  return QCoreApplication::translate("InsightsText", "%1 in %2; %3")
      .arg(itemsText(insights.items),
           QCoreApplication::translate("InsightsText", "%n collections", nullptr, collections),
           QCoreApplication::translate("InsightsText", "%n never worn", nullptr, never));
}

QString collectionsText(const WardrobeInsights& insights) {
  QStringList lines;
  for (const CollectionCount& count : insights.collections)
    lines << QCoreApplication::translate("InsightsText", "%1: %2")
                 .arg(toQString(count.collection->name()), itemsText(count.items));
  return lines.isEmpty() ? QCoreApplication::translate("InsightsText", "No collections")
                         : lines.join(QLatin1Char('\n'));
}

QString tagValuesText(const TagValueCounts& counts) {
  QStringList lines;
  for (const ValueCount& value : counts.values)
    lines << QCoreApplication::translate("InsightsText", "%1: %2").arg(toQString(value.value), itemsText(value.items));
  return lines.isEmpty()
             ? QCoreApplication::translate("InsightsText", "No values of \"%1\"").arg(toQString(counts.name))
             : lines.join(QLatin1Char('\n'));
}

QString monthName(const MonthWears& month) {
  return QLocale().toString(QDate(month.year, month.month, 1), QStringLiteral("MMMM yyyy"));
}

QString wearsByMonthText(const std::vector<MonthWears>& months) {
  QStringList lines;
  for (const MonthWears& month : months) {
    const int wears = static_cast<int>(month.wears);
    lines << QCoreApplication::translate("InsightsText", "%1: %2")
                 .arg(monthName(month), QCoreApplication::translate("InsightsText", "%n wears", nullptr, wears));
  }
  return lines.join(QLatin1Char('\n'));
}

QString wearText(const ItemWearFigure& figure) {
  const int wears = static_cast<int>(figure.wears);
  const QString worn = figure.wears == 0 ? QCoreApplication::translate("InsightsText", "Never worn")
                                         : QCoreApplication::translate("InsightsText", "Worn %n times", nullptr, wears);
  if (figure.daysUnworn < 0) return worn;
  return QCoreApplication::translate("InsightsText", "%1, not worn for %2")
      .arg(worn, QCoreApplication::translate("InsightsText", "%n days", nullptr, figure.daysUnworn));
}

QString leastWornText(const std::vector<ItemWearFigure>& figures) {
  QStringList lines;
  for (const ItemWearFigure& figure : figures)
    lines << QCoreApplication::translate("InsightsText", "%1: %2")
                 .arg(itemName(figure.collection, figure.item), wearText(figure));
  return lines.isEmpty() ? QCoreApplication::translate("InsightsText", "No items") : lines.join(QLatin1Char('\n'));
}

QString priceText(int64_t cents) {
  return QLocale().toString(static_cast<double>(cents) / 100.0, 'f', 2);
}

QString costText(const CostFigures& cost) {
  QStringList lines;
  lines << QCoreApplication::translate("InsightsText", "Total: %1").arg(priceText(cost.totalCents));
  for (const PricedItem& priced : cost.items) {
    const std::optional<int64_t> perWear = priced.costPerWearCents();
    const int wears = static_cast<int>(priced.wears);
    lines << QCoreApplication::translate("InsightsText", "%1: %2, %3, %4")
                 .arg(itemName(priced.collection, priced.item), priceText(priced.priceCents),
                      QCoreApplication::translate("InsightsText", "%n wears", nullptr, wears),
                      perWear ? QCoreApplication::translate("InsightsText", "%1 per wear").arg(priceText(*perWear))
                              : QCoreApplication::translate("InsightsText", "never worn"));
  }
  for (const UnreadablePrice& value : cost.notAPrice)
    lines << QCoreApplication::translate("InsightsText", "%1: \"%2\" is not a price")
                 .arg(itemName(value.collection, value.item), toQString(value.value));
  return lines.join(QLatin1Char('\n'));
}

}  // namespace tavoro::ui
