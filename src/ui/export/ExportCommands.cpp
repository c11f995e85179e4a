#include "ui/export/ExportCommands.h"

#include <QAction>
#include <QDate>
#include <memory>

#include "export/CsvExport.h"
#include "export/WardrobeBackup.h"
#include "export/WardrobeSnapshot.h"
#include "export/WebCatalogueExport.h"
#include "export/pdf/ContactSheet.h"
#include "platform/PathOps.h"
#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/dialogs/FileChoosers.h"
#include "ui/export/BackgroundWork.h"
#include "ui/export/ExportMessages.h"
#include "ui/export/ExportTarget.h"
#include "ui/export/PrintableSheetDialog.h"
#include "ui/export/WebCatalogueDialog.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

namespace {

// The snapshot is shared with the worker, which may outlive nothing of the
// window's: it reads only this copy.
std::shared_ptr<const WardrobeSnapshot> snapshotOf(const Wardrobe& wardrobe) {
  return std::make_shared<const WardrobeSnapshot>(takeSnapshot(wardrobe));
}

bool isInside(const std::wstring& path, const std::wstring& folder) {
  const std::wstring cleanFolder = normalizePath(folder);
  const std::wstring cleanPath = normalizePath(path);
  return samePath(cleanPath, cleanFolder) ||
         (cleanPath.size() > cleanFolder.size() && cleanPath.compare(0, cleanFolder.size(), cleanFolder) == 0 &&
          cleanPath[cleanFolder.size()] == L'/');
}

}  // namespace

ExportCommands::ExportCommands(MainWindow& frame) : QObject(&frame), m_frame(frame) {
  setObjectName(QStringLiteral("ExportCommands"));
  const auto add = [this](int id, const QString& text, void (ExportCommands::*handler)()) {
    QAction* action = addCommandAction(&m_frame, id, text, [this, handler] { (this->*handler)(); });
    action->setShortcutContext(Qt::WindowShortcut);
  };
  add(kCmdExportWebCatalogue, tr("Export Web Catalogue..."), &ExportCommands::exportWebCatalogue);
  add(kCmdExportSpreadsheet, tr("Export Spreadsheet..."), &ExportCommands::exportSpreadsheet);
  add(kCmdExportPrintableSheet, tr("Export Printable Sheet..."), &ExportCommands::exportPrintableSheet);
  add(kCmdBackUpWardrobe, tr("Back Up Wardrobe..."), &ExportCommands::backUpWardrobe);
  QAction* restore = addCommandAction(&m_frame, kCmdRestoreWardrobe, tr("Restore Wardrobe..."),
                                      [this] { m_frame.lifecycle().restoreWardrobe(); });
  restore->setShortcutContext(Qt::WindowShortcut);
  connect(&m_frame.session(), &WardrobeSession::wardrobeOpened, this, &ExportCommands::updateActions);
  connect(&m_frame.session(), &WardrobeSession::wardrobeClosed, this, &ExportCommands::updateActions);
  updateActions();
}

void ExportCommands::updateActions() {
  const bool open = m_frame.session().isOpen();
  for (const int id : {kCmdExportWebCatalogue, kCmdExportSpreadsheet, kCmdExportPrintableSheet, kCmdBackUpWardrobe})
    if (QAction* action = findCommandAction(&m_frame, id)) action->setEnabled(open);
}

bool ExportCommands::acceptTarget(const std::wstring& target) {
  Wardrobe* wardrobe = m_frame.session().wardrobe();
  if (!wardrobe) return false;
  const std::wstring file = wardrobe->wardrobeFilePath();
  if (samePath(normalizePath(target), normalizePath(file)) || isInside(target, wardrobe->photoFolder())) {
    showExportFailure(&m_frame, tr("Nothing was written."),
                      Status::failure(target, "this is a part of the wardrobe itself; choose a place outside it"));
    return false;
  }
  rememberExportFolder(target);
  return true;
}

void ExportCommands::exportWebCatalogue() {
  Wardrobe* wardrobe = m_frame.session().wardrobe();
  if (!wardrobe) return;
  const std::optional<WebCatalogueOptions> options = askWebCatalogueOptions(&m_frame);
  if (!options) return;
  const QString title = tr("Export Web Catalogue");
  const std::wstring target = toWString(chooseNewFolder(
      &m_frame, title, toQString(suggestedExportPath(toWString(tr("%1 Catalogue").arg(toQString(wardrobe->name())))))));
  if (target.empty() || !acceptTarget(target)) return;
  const auto snapshot = snapshotOf(*wardrobe);
  const ExportResult result =
      runInBackground(&m_frame, title, tr("Making the web catalogue of \"%1\"...").arg(toQString(snapshot->name)),
                      [snapshot, target, options = *options](const ProgressCallback& progress) {
                        return tavoro::exportWebCatalogue(*snapshot, target, options, progress);
                      });
  if (!result.ok() && !result.cancelled)
    showExportFailure(&m_frame, tr("The web catalogue could not be written."), result.status);
}

void ExportCommands::exportSpreadsheet() {
  Wardrobe* wardrobe = m_frame.session().wardrobe();
  if (!wardrobe) return;
  const QString title = tr("Export Spreadsheet");
  const std::wstring chosen =
      toWString(chooseNewFile(&m_frame, title, toQString(suggestedExportPath(wardrobe->name() + L".csv")),
                              tr("Spreadsheet") + QStringLiteral(" (*.csv)"), QStringLiteral("csv")));
  if (chosen.empty() || !acceptTarget(chosen)) return;
  auto target = std::make_shared<ExportTarget>(chosen);
  const auto snapshot = snapshotOf(*wardrobe);
  ExportResult result =
      runInBackground(&m_frame, title, tr("Writing the spreadsheet of \"%1\"...").arg(toQString(snapshot->name)),
                      [snapshot, path = target->writePath()](const ProgressCallback& progress) {
                        return exportCsv(*snapshot, path, progress);
                      });
  if (result.ok()) result.status = target->commit();
  if (!result.ok() && !result.cancelled)
    showExportFailure(&m_frame, tr("The spreadsheet could not be written."), result.status);
}

void ExportCommands::exportPrintableSheet() {
  Wardrobe* wardrobe = m_frame.session().wardrobe();
  if (!wardrobe) return;
  const auto snapshot = snapshotOf(*wardrobe);
  const std::optional<ContactSheetOptions> options = askPrintableSheetOptions(&m_frame, *snapshot);
  if (!options) return;
  const QString title = tr("Export Printable Sheet");
  const std::wstring chosen =
      toWString(chooseNewFile(&m_frame, title, toQString(suggestedExportPath(wardrobe->name() + L".pdf")),
                              tr("PDF Document") + QStringLiteral(" (*.pdf)"), QStringLiteral("pdf")));
  if (chosen.empty() || !acceptTarget(chosen)) return;
  auto target = std::make_shared<ExportTarget>(chosen);
  ExportResult result = runInBackground(
      &m_frame, title, tr("Writing the printable sheet of \"%1\"...").arg(toQString(snapshot->name)),
      [snapshot, path = target->writePath(), options = *options](const ProgressCallback& progress) {
        return exportContactSheet(*snapshot, path, options, progress);
      });
  if (result.ok()) result.status = target->commit();
  if (!result.ok() && !result.cancelled)
    showExportFailure(&m_frame, tr("The printable sheet could not be written."), result.status);
}

void ExportCommands::backUpWardrobe() {
  Wardrobe* wardrobe = m_frame.session().wardrobe();
  if (!wardrobe) return;
  const QString title = tr("Back Up Wardrobe");
  const QString name = tr("%1 Backup %2")
                           .arg(toQString(wardrobe->name()), QDate::currentDate().toString(Qt::ISODate)) +
                       QStringLiteral(".zip");
  const std::wstring chosen = toWString(chooseNewFile(&m_frame, title, toQString(suggestedExportPath(toWString(name))),
                                                      tr("Tavoro Backup") + QStringLiteral(" (*.zip)"),
                                                      QStringLiteral("zip")));
  if (chosen.empty() || !acceptTarget(chosen)) return;
  // The backup holds the wardrobe as the window shows it: the files on disk
  // are brought up to date first (a failed save has been told and stops it).
  if (!m_frame.lifecycle().saveWardrobe()) return;
  auto target = std::make_shared<ExportTarget>(chosen);
  auto summary = std::make_shared<BackupSummary>();
  const std::wstring file = m_frame.session().wardrobe()->wardrobeFilePath();
  ExportResult result = runInBackground(
      &m_frame, title, tr("Backing up \"%1\"...").arg(toQString(wardrobe->name())),
      [file, summary, path = target->writePath()](const ProgressCallback& progress) {
        return backupWardrobe(file, path, progress, summary.get());
      });
  if (result.ok()) result.status = target->commit();
  if (!result.ok()) {
    if (!result.cancelled) showExportFailure(&m_frame, tr("The backup could not be written."), result.status);
    return;
  }
  if (!summary->skipped.empty()) {
    QString list;
    for (size_t i = 0; i < summary->skipped.size() && i < 10; ++i) list += QStringLiteral("\n") + toQString(summary->skipped[i]);
    if (summary->skipped.size() > 10) list += QStringLiteral("\n...");
    showMessage(&m_frame,
                toWString(tr("The backup was written. These links in the photo folder are not files and were "
                             "not stored:") +
                          list),
                toWString(title), kMbOk | kMbIconInformation);
  }
}

}  // namespace tavoro::ui
