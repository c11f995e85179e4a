#include "ui/dialogs/NewWardrobeDialog.h"
#include "ui/common/UiText.h"
#include "ui/common/CoreTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

#include "settings/AppSettings.h"
#include "platform/AppPaths.h"
#include "platform/CharClass.h"
#include "platform/PathOps.h"
#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/dialogs/BannerPicture.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/FileChoosers.h"
#include "wardrobe/WardrobeNaming.h"

namespace tavoro::ui {

namespace {

std::wstring proposedFolder() {
  const std::wstring& folder = AppSettings::settings().wardrobeFolder;
  if (!folder.empty()) return folder;
  return normalizePath(AppPaths::documentsFolder() + L"/My Wardrobes");
}

QLineEdit* makeEdit(QWidget* dialog, const QString& objectName) {
  auto* edit = new QLineEdit(dialog);
  edit->setObjectName(objectName);
  return edit;
}

}  // namespace

QRect& newWardrobeDialogRect() {
  static QRect rect;
  return rect;
}

NewWardrobeDialog::NewWardrobeDialog(QWidget* owner)
    : ResizableDialog(owner, dluSize(261, 158), Growth::WidthOnly, newWardrobeDialogRect()) {
  setObjectName(QStringLiteral("NewWardrobeDialog"));
  setWindowTitle(tr("New Wardrobe"));

  // The wardrobe number is taken now and given back on cancel.
  AppSettings& settings = AppSettings::settings();
  const int32_t number = settings.nextWardrobeId;
  m_tookNumber = number < std::numeric_limits<int32_t>::max();
  if (m_tookNumber) settings.nextWardrobeId = number + 1;

  auto* banner = new BannerPicture(this);
  place(banner, dluRect(0, 0, 263, 43), kWidens);
  place(addSunkenLine(this, dluRect(0, 43, 261, 1)), dluRect(0, 43, 261, 1), kWidens);
  auto* nameLabel = addText(this, tr("Wardrobe name:"), dluRect(9, 57, 128, 8));
  m_name = makeEdit(this, QStringLiteral("1035"));
  m_name->setMaxLength(kNameLimit);
  nameLabel->setBuddy(m_name);
  place(m_name, dluRect(9, 70, 242, 12), kWidens);
  auto* folderLabel = addText(this, tr("Where to save wardrobe files:"), dluRect(9, 92, 128, 8));
  m_folder = makeEdit(this, QStringLiteral("1037"));
  folderLabel->setBuddy(m_folder);
  place(m_folder, dluRect(9, 106, 226, 12), kWidens);
  m_browse = addButton(this, QStringLiteral("..."), dluRect(236, 106, 15, 12));
  m_browse->setObjectName(QStringLiteral("1009"));
  m_browse->setAutoDefault(false);
  place(m_browse, dluRect(236, 106, 15, 12), kMovesRight);
  m_ok = addButton(this, tr("OK"), dluRect(148, 135, 50, 14));
  m_ok->setDefault(true);
  place(m_ok, dluRect(148, 135, 50, 14), kMovesRight);
  auto* cancel = addButton(this, tr("Cancel"), dluRect(201, 135, 50, 14));
  cancel->setAutoDefault(false);
  place(cancel, dluRect(201, 135, 50, 14), kMovesRight);
  setTabOrder(m_name, m_folder);
  setTabOrder(m_folder, m_browse);
  setTabOrder(m_browse, m_ok);
  setTabOrder(m_ok, cancel);

  m_folder->setText(toQString(proposedFolder()));
  m_name->setText(toQString(defaultWardrobeName(number)));
  m_name->selectAll();
  m_name->setFocus();
  updateOk();

  connect(m_name, &QLineEdit::textChanged, this, &NewWardrobeDialog::updateOk);
  connect(m_folder, &QLineEdit::textChanged, this, &NewWardrobeDialog::updateOk);
  connect(m_browse, &QPushButton::clicked, this, &NewWardrobeDialog::browse);
  connect(m_ok, &QPushButton::clicked, this, &NewWardrobeDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &NewWardrobeDialog::reject);
}

void NewWardrobeDialog::updateOk() {
  m_ok->setEnabled(!trimSpace(toWString(m_name->text())).empty() && !trimSpace(toWString(m_folder->text())).empty());
}

void NewWardrobeDialog::browse() {
  const QString chosen = chooseFolder(this, tr("Please select a folder:"), m_folder->text());
  if (!chosen.isEmpty()) {
    m_folder->setText(chosen);
    AppSettings::settings().wardrobeFolder = toWString(chosen);
  }
  m_folder->setFocus();
  m_folder->selectAll();
}

// The check's message in the user's language (the core writes it in English).
std::wstring NewWardrobeDialog::problemMessage(const NewWardrobeCheck& check) {
  switch (check.problem) {
    case NewWardrobeProblem::InvalidName:
      return uiText(tr("Invalid wardrobe name: %1\n\nHint: a wardrobe name cannot contain any of the following "
                       "charactes:\n\t\\ / : * ? \" < > |"),
                    {check.name});
    case NewWardrobeProblem::InvalidFolder:
      return uiText(tr("Invalid folder: \"%1\"\n\nPlease specify another location."), {check.folder});
    case NewWardrobeProblem::AlreadyExists:
      return uiText(tr("A wardrobe with the specified name already exists on disk in the specified location.\n\n"
                       "Please enter a new wardrobe name or choose another folder."));
    case NewWardrobeProblem::None:
      break;
  }
  return check.message;
}

void NewWardrobeDialog::accept() {
  // Enter reaches here through the default button even while it is disabled.
  if (!m_ok->isEnabled()) return;
  const NewWardrobeCheck check = checkNewWardrobe(toWString(m_name->text()), toWString(m_folder->text()));
  if (check.problem != NewWardrobeProblem::None) {
    showMessage(this, problemMessage(check), programCaption(), kMbOk | kMbIconInformation);
    QLineEdit* field = check.problem == NewWardrobeProblem::InvalidFolder ? m_folder : m_name;
    field->setFocus();
    field->selectAll();
    return;
  }
  AppSettings& settings = AppSettings::settings();
  settings.nextWardrobeId = nextWardrobeIdAfterAccept(check.name, settings.nextWardrobeId);
  m_choice = {check.name, check.folder, check.path};
  ResizableDialog::accept();
}

void NewWardrobeDialog::reject() {
  AppSettings& settings = AppSettings::settings();
  if (m_tookNumber) settings.nextWardrobeId = nextWardrobeIdAfterCancel(settings.nextWardrobeId);
  ResizableDialog::reject();
}

std::optional<NewWardrobeChoice> showNewWardrobe(QWidget* owner) {
  NewWardrobeDialog dialog(owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

}  // namespace tavoro::ui
