#include "ui/session/PhotoTrash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "ui/common/QtText.h"

namespace tavoro::ui {

namespace {

// The trash's record of a file moved into it, which a file manager reads to
// restore it: <trash>/info/<name>.trashinfo beside <trash>/files/<name>.
QString trashInfoOf(const QString& inTrash) {
  const QFileInfo file(inTrash);
  return QFileInfo(file.absolutePath() + QStringLiteral("/../info")).absoluteFilePath() + QLatin1Char('/') +
         file.fileName() + QStringLiteral(".trashinfo");
}

}  // namespace

void PhotoTrash::setAside(const std::vector<std::wstring>& files, const std::vector<std::wstring>& folders) {
  m_pending.insert(files.begin(), files.end());
  m_folders.insert(folders.begin(), folders.end());
}

void PhotoTrash::takeBack(const std::vector<std::wstring>& files) {
  for (const std::wstring& file : files) {
    m_pending.erase(file);
    const auto trashed = m_trashed.find(file);
    if (trashed == m_trashed.end()) continue;
    // Back from the trash, unless something has taken its place meanwhile.
    if (!pathExists(file) && createFolders(pathFolder(file)) &&
        QFile::rename(toQString(trashed->second), toQString(file)))
      QFile::remove(trashInfoOf(toQString(trashed->second)));
    m_trashed.erase(trashed);
  }
}

PhotoTrash::Emptied PhotoTrash::empty() {
  Emptied done;
  // The home trash is made when missing, as the trash's rules allow: without
  // it Qt would make one in the current folder.
  const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  const bool haveTrash = !home.isEmpty() && QDir().mkpath(home + QStringLiteral("/Trash"));
  for (const std::wstring& file : m_pending) {
    if (!pathExists(file)) {
      ++done.missing;
      continue;
    }
    QFile photo(toQString(file));
    if (haveTrash && photo.moveToTrash()) {
      ++done.trashed;
      if (QFileInfo(photo.fileName()).isAbsolute()) m_trashed[file] = toWString(photo.fileName());
    } else if (removeFile(file)) {
      ++done.deleted;
    } else {
      done.failed.push_back(file);
    }
  }
  m_pending.clear();
  // Item folders before the collection folders that hold them.
  std::vector<std::wstring> folders(m_folders.begin(), m_folders.end());
  std::sort(folders.begin(), folders.end(),
            [](const std::wstring& a, const std::wstring& b) { return a.size() > b.size(); });
  for (const std::wstring& folder : folders) removeEmptyFolder(folder);
  m_folders.clear();
  return done;
}

void PhotoTrash::forget() {
  m_pending.clear();
  m_folders.clear();
  m_trashed.clear();
}

std::wstring PhotoTrash::trashedAt(const std::wstring& file) const {
  const auto found = m_trashed.find(file);
  return found == m_trashed.end() ? std::wstring() : found->second;
}

}  // namespace tavoro::ui
