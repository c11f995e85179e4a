#include "ui/combinations/WearDateDialog.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogUnits.h"

namespace tavoro::ui {

namespace {

QDate toQDate(Date day) {
  int year = 0, month = 0, dayOfMonth = 0;
  day.parts(year, month, dayOfMonth);
  return QDate(year, month, dayOfMonth);
}

}  // namespace

WearDateDialog::WearDateDialog(QWidget* owner, Date today) : QDialog(owner), m_date(new QDateEdit(this)) {
  setObjectName(QStringLiteral("WearDateDialog"));
  setWindowTitle(tr("Worn on"));
  applyDialogFont(this);
  setFixedSize(dluSize(160, 62));
  auto* label = addText(this, tr("The day it was worn:"), dluRect(7, 7, 146, 8));
  m_date->setObjectName(QStringLiteral("WearDateEdit"));
  m_date->setAccessibleName(tr("Day worn"));
  m_date->setCalendarPopup(true);
  m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  m_date->setMinimumDate(toQDate(Date(Date::kFirstValidDay)));
  m_date->setMaximumDate(toQDate(today));
  m_date->setDate(toQDate(today));
  m_date->setGeometry(dluRect(7, 18, 146, 12));
  label->setBuddy(m_date);
  QPushButton* ok = addButton(this, tr("OK"), dluRect(50, 41, 50, 14));
  ok->setDefault(true);
  QPushButton* cancel = addButton(this, tr("Cancel"), dluRect(103, 41, 50, 14));
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

Date WearDateDialog::day() const {
  const QDate chosen = m_date->date();
  return Date::fromParts(chosen.year(), chosen.month(), chosen.day());
}

std::optional<Date> askWearDate(QWidget* owner, Date today) {
  WearDateDialog dialog(owner, today);
  centreOverOwner(&dialog, owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.day();
}

}  // namespace tavoro::ui
