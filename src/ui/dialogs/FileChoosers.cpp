#include "ui/dialogs/FileChoosers.h"
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

ChooserResponder setChooserResponder(ChooserResponder next) {
  ChooserResponder previous = std::move(responder());
  responder() = std::move(next);
  return previous;
}

}  // namespace tavoro::ui
