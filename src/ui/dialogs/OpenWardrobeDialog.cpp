#include "ui/dialogs/OpenWardrobeDialog.h"

#include <QPushButton>

#include "ui/common/QtText.h"
#include "ui/dialogs/BannerPicture.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/FileChoosers.h"
#include "ui/home/RecentWardrobeList.h"

namespace tavoro::ui {

QRect& openWardrobeDialogRect() {
  static QRect rect;
  return rect;
}

OpenWardrobeDialog::OpenWardrobeDialog(QWidget* owner, RecentWardrobes& recentWardrobes)
    : ResizableDialog(owner, dluSize(294, 212), Growth::WidthAndHeight, openWardrobeDialogRect()) {
  setObjectName(QStringLiteral("OpenWardrobeDialog"));
  setWindowTitle(tr("Open Wardrobe"));

  place(new BannerPicture(this), dluRect(0, 0, 299, 43), kWidens);
  place(addSunkenLine(this, dluRect(0, 43, 299, 1)), dluRect(0, 43, 299, 1), kWidens);
  addText(this, tr("Select a wardrobe to open:"), dluRect(9, 53, 163, 8));
  m_list = new RecentWardrobeList(recentWardrobes, this);
  m_list->setObjectName(QStringLiteral("1029"));
  m_list->setFrameShape(QFrame::StyledPanel);
  m_list->setFrameShadow(QFrame::Sunken);
  place(m_list, dluRect(7, 69, 279, 113), kWidens | kGrows);
  m_browse = addButton(this, tr("Browse..."), dluRect(7, 190, 50, 14));
  m_browse->setAutoDefault(false);
  place(m_browse, dluRect(7, 190, 50, 14), kMovesDown);
  m_restore = addButton(this, tr("Restore Backup..."), dluRect(61, 190, 66, 14));
  m_restore->setObjectName(QStringLiteral("RestoreBackupButton"));
  m_restore->setAutoDefault(false);
  m_restore->setToolTip(tr("Unpack a wardrobe from a backup into a new folder and open it"));
  place(m_restore, dluRect(61, 190, 66, 14), kMovesDown);
  m_ok = addButton(this, tr("OK"), dluRect(183, 190, 50, 14));
  m_ok->setDefault(true);
  place(m_ok, dluRect(183, 190, 50, 14), kMovesRight | kMovesDown);
  auto* cancel = addButton(this, tr("Cancel"), dluRect(236, 190, 50, 14));
  cancel->setAutoDefault(false);
  place(cancel, dluRect(236, 190, 50, 14), kMovesRight | kMovesDown);
  setTabOrder(m_list, m_browse);
  setTabOrder(m_browse, m_restore);
  setTabOrder(m_restore, m_ok);
  setTabOrder(m_ok, cancel);

  m_list->fill();
  m_ok->setEnabled(false);
  m_list->setFocus();

  connect(m_list, &RecentWardrobeList::selectionChanged, this, &OpenWardrobeDialog::selectionChanged);
  connect(m_list, &RecentWardrobeList::openRequested, this, &OpenWardrobeDialog::openRow);
  connect(m_browse, &QPushButton::clicked, this, &OpenWardrobeDialog::browse);
  connect(m_restore, &QPushButton::clicked, this, &OpenWardrobeDialog::restore);
  connect(m_ok, &QPushButton::clicked, this, &OpenWardrobeDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &OpenWardrobeDialog::reject);
}

void OpenWardrobeDialog::selectRow(int row) {
  m_list->clearSelection();
  m_list->setRowSelected(row, true, true);
}

void OpenWardrobeDialog::selectionChanged() {
  m_row = m_list->selectedRow();
  m_ok->setEnabled(m_row >= 0);
}

void OpenWardrobeDialog::openRow(int row) {
  m_row = row;
  if (m_row >= 0) QMetaObject::invokeMethod(this, &OpenWardrobeDialog::accept, Qt::QueuedConnection);
}

void OpenWardrobeDialog::browse() {
  const QString chosen = chooseWardrobeFile(this);
  if (chosen.isEmpty()) return;
  m_path = toWString(chosen);
  m_row = -1;
  QMetaObject::invokeMethod(this, &OpenWardrobeDialog::accept, Qt::QueuedConnection);
}

void OpenWardrobeDialog::restore() {
  // The restore asks its own questions once this dialog is gone.
  m_restoreChosen = true;
  ResizableDialog::accept();
}

void OpenWardrobeDialog::accept() {
  if (m_row >= 0) m_path = m_list->rowPath(m_row);
  // Enter reaches here through the default button even while it is disabled.
  if (m_path.empty()) return;
  ResizableDialog::accept();
}

std::optional<OpenWardrobeChoice> showOpenWardrobe(QWidget* owner, RecentWardrobes& recentWardrobes) {
  OpenWardrobeDialog dialog(owner, recentWardrobes);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return OpenWardrobeChoice{dialog.path(), dialog.restoreChosen()};
}

}  // namespace tavoro::ui
