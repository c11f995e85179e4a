#include "ui/combinations/CombinationNameDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/common/UiText.h"
#include "ui/common/CoreTexts.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogUnits.h"
#include "wardrobe/Combination.h"
#include "wardrobe/CombinationList.h"
#include "wardrobe/CombinationNames.h"

namespace tavoro::ui {

CombinationNameDialog::CombinationNameDialog(QWidget* owner, const CombinationList& list, const Combination* renamed,
                                             const std::wstring& name)
    : QDialog(owner), m_list(list), m_renamed(renamed), m_name(new QLineEdit(this)) {
  setObjectName(QStringLiteral("CombinationNameDialog"));
  setWindowTitle(renamed ? tr("Rename Combination") : tr("New Combination"));
  applyDialogFont(this);
  setFixedSize(dluSize(200, 62));
  auto* label = addText(this, tr("Combination name:"), dluRect(7, 7, 186, 8));
  m_name->setObjectName(QStringLiteral("CombinationNameEdit"));
  m_name->setAccessibleName(tr("Combination name"));
  m_name->setMaxLength(static_cast<int>(kCombinationNameLimit));
  m_name->setGeometry(dluRect(7, 18, 186, 12));
  label->setBuddy(m_name);
  QPushButton* ok = addButton(this, tr("OK"), dluRect(90, 41, 50, 14));
  ok->setObjectName(QStringLiteral("CombinationNameOk"));
  ok->setDefault(true);
  QPushButton* cancel = addButton(this, tr("Cancel"), dluRect(143, 41, 50, 14));
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &CombinationNameDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &CombinationNameDialog::reject);
  m_name->setText(toQString(name));
  m_name->selectAll();
  m_name->setFocus();
}

void CombinationNameDialog::accept() {
  const CombinationNameCheck check = checkCombinationName(m_list, toWString(m_name->text()), m_renamed);
  std::wstring message;
  switch (check.problem) {
    case CombinationNameProblem::None:
      m_accepted = check.name;
      QDialog::accept();
      return;
    case CombinationNameProblem::Empty:
      message = uiText(tr("Please enter a name for the combination."));
      break;
    case CombinationNameProblem::Invalid:
      message = uiText(tr("Invalid combination name. Please try another name."));
      break;
    case CombinationNameProblem::TooLong:
      message = uiText(tr("The name is too long: a combination's name has at most 260 characters."));
      break;
    case CombinationNameProblem::Taken:
      message = uiText(tr("There is already a combination named \"%1\". Please choose another name."), {check.name});
      break;
  }
  showMessage(this, message, programCaption(), kMbOk | kMbIconInformation);
  m_name->setFocus();
  m_name->selectAll();
}

std::optional<std::wstring> askNewCombinationName(QWidget* owner, const CombinationList& list) {
  CombinationNameDialog dialog(owner, list, nullptr, list.suggestNewName());
  centreOverOwner(&dialog, owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.name();
}

std::optional<std::wstring> askCombinationRename(QWidget* owner, const Combination& combination) {
  if (!combination.owner()) return std::nullopt;
  CombinationNameDialog dialog(owner, *combination.owner(), &combination, combination.name());
  centreOverOwner(&dialog, owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.name();
}

}  // namespace tavoro::ui
