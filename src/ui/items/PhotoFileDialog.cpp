#include "ui/items/PhotoFileDialog.h"
#include <QCoreApplication>

#include <QFileDialog>

namespace tavoro::ui {

namespace {

PhotoFilesResponder& responder() {
  static auto* installed = new PhotoFilesResponder;
  return *installed;
}

}  // namespace

QStringList photoFileFilters() {
  // The chooser reads the patterns between the brackets, separated by blanks.
  return {
      QStringLiteral("BMP (*.bmp *.dib *.rle)"),
      QStringLiteral("JPG (*.jpg *.jpeg *.jpe *.jfif)"),
      QStringLiteral("PNG (*.png)"),
      QCoreApplication::translate("PhotoFileDialog", "All Formats") +
          QStringLiteral(" (*.bmp *.dib *.jfif *.jpg *.jpeg *.jpe *.png *.rle)"),
  };
}

QStringList choosePhotoFiles(QWidget* parent) {
  const QStringList filters = photoFileFilters();
  if (responder()) return responder()(filters);
  // QFileDialog never changes the program's current folder.
  QFileDialog dialog(parent);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.back());
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

PhotoFilesResponder setPhotoFilesResponder(PhotoFilesResponder next) {
  PhotoFilesResponder previous = std::move(responder());
  responder() = std::move(next);
  return previous;
}

}  // namespace tavoro::ui
