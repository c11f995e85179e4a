#include "ui/combinations/WearText.h"

#include <QCoreApplication>

#include "ui/common/QtText.h"
#include "wardrobe/WearDates.h"

namespace tavoro::ui {

QString wearSummary(const WearDates& worn) {
  if (worn.empty()) return QCoreApplication::translate("WearText", "Never worn");
  const QString last = toQString(worn.last().toText());
  const int count = static_cast<int>(worn.count());
  // English has no catalogue: once is said apart rather than as "1 time(s)".
  if (count == 1) return QCoreApplication::translate("WearText", "Worn once, on %1").arg(last);
  return QCoreApplication::translate("WearText", "Worn %n times, last on %1", nullptr, count).arg(last);
}

}  // namespace tavoro::ui
