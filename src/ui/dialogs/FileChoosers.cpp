#include "ui/dialogs/FileChoosers.h"
#include <QCoreApplication>

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace tavoro::ui {

namespace {

ChooserResponder& responder() {
  static auto* installed = new ChooserResponder;
  return *installed;
}

}  // namespace

QString chooseFolder(QWidget* parent, const QString& title, const QString& start) {
  const QString existing = QFileInfo(start).isDir() ? start : QString();
  if (responder()) return responder()(ChooserKind::Folder, existing);
  return QFileDialog::getExistingDirectory(parent, title, existing, QFileDialog::ShowDirsOnly);
}

QString chooseWardrobeFile(QWidget* parent) {
  if (responder()) return responder()(ChooserKind::WardrobeFile, QString());
  // QFileDialog never changes the process's current folder.
  QFileDialog dialog(parent);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(QCoreApplication::translate("FileChoosers", "Tavoro Wardrobe") + QStringLiteral(" (*.twd)"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().front();
}

QString chooseNewFile(QWidget* parent, const QString& title, const QString& suggested, const QString& filter,
                      const QString& suffix) {
  if (responder()) return responder()(ChooserKind::NewFile, suggested);
  QFileDialog dialog(parent, title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(suffix);
  dialog.selectFile(suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().front();
}

QString chooseNewFolder(QWidget* parent, const QString& title, const QString& suggested) {
  if (responder()) return responder()(ChooserKind::NewFolder, suggested);
  // A save dialog names something that does not exist yet; typing the name
  // of an existing folder opens that folder instead of choosing it.
  QFileDialog dialog(parent, title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  dialog.selectFile(suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().front();
}

QString chooseBackupFile(QWidget* parent, const QString& start) {
  const QString existing = QFileInfo(start).isDir() ? start : QString();
  if (responder()) return responder()(ChooserKind::BackupFile, existing);
  QFileDialog dialog(parent, QCoreApplication::translate("FileChoosers", "Restore Wardrobe"), existing);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(QCoreApplication::translate("FileChoosers", "Tavoro Backup") + QStringLiteral(" (*.zip)"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().front();
}

ChooserResponder setChooserResponder(ChooserResponder next) {
  ChooserResponder previous = std::move(responder());
  responder() = std::move(next);
  return previous;
}

}  // namespace tavoro::ui
