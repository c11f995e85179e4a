#include "ui/export/RestoreBackup.h"

#include <QCoreApplication>
#include <memory>

#include "export/WardrobeBackup.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "ui/common/QtText.h"
#include "ui/dialogs/FileChoosers.h"
#include "ui/export/BackgroundWork.h"
#include "ui/export/ExportMessages.h"
#include "ui/export/ExportTarget.h"

namespace tavoro::ui {

namespace {

// "<folder>/<stem>", or "<stem> (2)", "<stem> (3)"... when that is taken.
std::wstring freeFolderName(const std::wstring& folder, const std::wstring& stem) {
  std::wstring path = joinLexical(folder, stem);
  for (int n = 2; pathExists(path); ++n) path = joinLexical(folder, stem + L" (" + std::to_wstring(n) + L")");
  return path;
}

}  // namespace

std::optional<std::wstring> restoreBackup(QWidget* owner) {
  const std::wstring start = pathFolder(suggestedExportPath(L"x"));
  const std::wstring zip = toWString(chooseBackupFile(owner, toQString(start)));
  if (zip.empty()) return std::nullopt;
  rememberExportFolder(zip);
  const QString title = QCoreApplication::translate("RestoreBackup", "Restore Wardrobe");
  const std::wstring folder =
      toWString(chooseNewFolder(owner, QCoreApplication::translate("RestoreBackup", "Restore Into a New Folder"),
                                toQString(freeFolderName(pathFolder(zip), pathStem(zip)))));
  if (folder.empty()) return std::nullopt;
  auto restored = std::make_shared<std::wstring>();
  const ExportResult result = runInBackground(
      owner, title, QCoreApplication::translate("RestoreBackup", "Restoring the wardrobe from \"%1\"...").arg(toQString(pathFileName(zip))),
      [zip, folder, restored](const ProgressCallback& progress) {
        return restoreWardrobe(zip, folder, progress, restored.get());
      });
  if (result.ok()) return *restored;
  if (!result.cancelled)
    showExportFailure(owner, QCoreApplication::translate("RestoreBackup", "The wardrobe could not be restored from \"%1\".").arg(toQString(zip)), result.status,
                      QCoreApplication::translate("RestoreBackup", "Nothing was written."));
  return std::nullopt;
}

}  // namespace tavoro::ui
