#include "ui/dialogs/AboutDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "platform/AppPaths.h"
#include "ui/common/QtText.h"
#include "ui/common/WebPages.h"
#include "ui/dialogs/AboutLink.h"
#include "ui/dialogs/BannerPicture.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/VersionText.h"

namespace tavoro::ui {

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner), m_owner(owner) {
  setObjectName(QStringLiteral("AboutDialog"));
  setWindowTitle(tr("About Tavoro"));
  applyDialogFont(this);
  setFixedSize(dluSize(247, 159));

  auto* banner = new BannerPicture(this);
  banner->setGeometry(dluRect(0, 0, 247, 43));
  addSunkenLine(this, dluRect(0, 43, 247, 1));
  addText(this, tr("Tavoro Wardrobe Manager"), dluRect(16, 57, 133, 8));
  m_version = addText(this, toQString(aboutVersionText(AppPaths::versionString(L"ProductVersion"))),
                      dluRect(123, 57, 105, 8), Qt::AlignRight);
  m_version->setObjectName(QStringLiteral("1126"));
  addText(this, tr("\u00A9 Quillmoor. Free software under the MIT licence."),
          dluRect(16, 71, 207, 8));
  m_link = new AboutLink(webPageAddress(), this);
  m_link->setGeometry(dluRect(16, 85, 154, 8).adjusted(0, -2, 0, 2));
  addSunkenLine(this, dluRect(16, 103, 38, 1));
  addSunkenLine(this, dluRect(0, 134, 247, 1));
  QPushButton* ok = addButton(this, tr("OK"), dluRect(191, 140, 50, 14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  ok->setFocus();
}

void AboutDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) centreOverOwner(this, m_owner);
}

void showAbout(QWidget* owner) {
  AboutDialog dialog(owner);
  dialog.exec();
}

}  // namespace tavoro::ui
