// The small dialog behind "Worn on...": picks the day something was worn
// (today at first, none later than today). User-interface thread only.
#pragma once

#include <QDialog>
#include <optional>

#include "wardrobe/DateTime.h"

class QDateEdit;

namespace tavoro::ui {

class WearDateDialog : public QDialog {
  Q_OBJECT

 public:
  WearDateDialog(QWidget* owner, Date today);

  QDateEdit* dateField() const { return m_date; }
  Date day() const;

 private:
  QDateEdit* m_date;
};

// The day chosen, or nothing when cancelled.
std::optional<Date> askWearDate(QWidget* owner, Date today);

}  // namespace tavoro::ui
