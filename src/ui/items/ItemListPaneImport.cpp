// The item list's ways of taking in photos: Add Photos (the file chooser),
// Paste (files on the clipboard) and files dropped on the list. Pasted and
// dropped paths are filtered first (folders searched, only photo files
// kept); then each file becomes a new item and the new entries are selected.
#include <QApplication>
#include <QItemSelectionModel>
#include <QPointer>

#include "imaging/import/AddFiles.h"
#include "imaging/import/ImportMessages.h"
#include "ui/common/MessageBox.h"
#include "ui/common/UiText.h"
#include "ui/common/CoreTexts.h"
#include "ui/common/QtText.h"
#include "ui/items/FileUrls.h"
#include "ui/items/FilteringFilesDialog.h"
#include "ui/items/ItemGridView.h"
#include "ui/items/ItemListModel.h"
#include "ui/items/ItemListPane.h"
#include "ui/items/PhotoFileDialog.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Collection.h"

namespace tavoro::ui {

namespace {

std::wstring notAddedMessage(size_t notAdded, size_t total) {
  if (total == 1) return uiText(QCoreApplication::translate("ItemListPaneImport", "The photo could not be added."));
  // lupdate reads the count only as a plain name.
  const int photos = static_cast<int>(total);
  return uiText(QCoreApplication::translate("ItemListPaneImport", "%1 of the %n photos could not be added.", nullptr,
                                            photos),
                {std::to_wstring(notAdded)});
}

}  // namespace

bool ItemListPane::acceptsPhotos() {
  if (!m_collection || m_collection->id() < 0) return false;
  if (m_collection->id() == 0) {
    showMessage(this, coreText(kAllCollectionsRefusal), coreText(kImportCaption), kMbOk | kMbIconInformation);
    return false;
  }
  return true;
}

void ItemListPane::addPhotos() {
  if (!acceptsPhotos()) return;
  QWidget* owner = QApplication::activeWindow();
  QPointer<ItemListPane> self(this);
  const QStringList chosen = choosePhotoFiles(owner ? owner : window());
  if (!self) return;
  ImportList files;
  for (const QString& path : chosen) files.add(toWString(path));
  if (!files.empty()) addFiles(files);
}

void ItemListPane::paste() {
  if (!acceptsPhotos()) return;
  const ImportList files = clipboardFiles();
  if (files.empty()) return;
  QPointer<ItemListPane> self(this);
  // Accepted files that could not be added were reported already: the paste
  // failed for want of a supported file only when none was accepted.
  bool accepted = false;
  if (filterAndAdd(files, &accepted) < 1 && self && !accepted)
    showMessage(this, coreText(kPasteFailedMessage), coreText(kImportCaption), kMbOk | kMbIconInformation);
}

void ItemListPane::dropFiles(const ImportList& paths) {
  if (!acceptsPhotos() || paths.empty()) return;
  QPointer<ItemListPane> self(this);
  if (filterAndAdd(paths) > 0 && self) focusList();
}

int ItemListPane::filterAndAdd(const ImportList& paths, bool* anyAccepted) {
  ImportList accepted;
  {
    FilteringFilesDialog dialog(paths, this);
    if (!dialog.run()) return 0;
    accepted = dialog.accepted();
  }
  if (anyAccepted) *anyAccepted = !accepted.empty();
  return addFiles(accepted);
}

int ItemListPane::addFiles(const ImportList& files) {
  if (files.empty()) return 0;
  QPointer<ItemListPane> self(this);
  if (files.count() >= kAddFilesConfirmationCount) {
    const int answer = showMessage(this, addFilesQuestionText(files.count()), coreText(kAddFilesCaption), kMbQuestion);
    if (!self || answer != kIdYes) return 0;
  }
  AddedFiles added;
  {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The entries come with the session's news of the new items.
    added = m_session.addPhotoFiles(m_collection, files);
    QApplication::restoreOverrideCursor();
  }
  if (!self) return 0;
  // The new items' entries were appended as the session told of them.
  const int made = added.items.empty() ? 0 : m_appendedCount;
  if (made > 0) {
    const int first = entryCount() - made;
    selectRows(first, entryCount() - 1);
    m_selection->setCurrentIndex(m_model->index(first, kNameColumn), QItemSelectionModel::NoUpdate);
    currentView()->scrollTo(m_model->index(entryCount() - 1, kNameColumn));
    requestVisible();
  }
  focusList();
  // Files that could not be copied are skipped; the user learns how many.
  const size_t notAdded = files.count() - static_cast<size_t>(made);
  if (notAdded > 0) showMessage(this, notAddedMessage(notAdded, files.count()), coreText(kImportCaption), kMbOk | kMbIconWarning);
  return made;
}

}  // namespace tavoro::ui
