#include "ui/session/WardrobeFileWatch.h"

#include <QFileInfo>

namespace tavoro::ui {

WardrobeFileWatch::WardrobeFileWatch(QObject* parent) : QObject(parent) {
  m_settle.setSingleShot(true);
  m_settle.setInterval(kSettleMs);
  connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &WardrobeFileWatch::onEvent);
  connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &WardrobeFileWatch::onEvent);
  connect(&m_settle, &QTimer::timeout, this, [this] {
    rewatch();
    emit settled();
  });
}

void WardrobeFileWatch::watch(const QString& path) {
  stop();
  m_path = path;
  const QString folder = QFileInfo(path).absolutePath();
  if (QFileInfo(folder).isDir()) m_watcher.addPath(folder);
  rewatch();
}

void WardrobeFileWatch::stop() {
  m_settle.stop();
  m_path.clear();
  if (!m_watcher.files().isEmpty()) m_watcher.removePaths(m_watcher.files());
  if (!m_watcher.directories().isEmpty()) m_watcher.removePaths(m_watcher.directories());
}

void WardrobeFileWatch::rewatch() {
  if (m_path.isEmpty()) return;
  // A watch follows the file it was set on, not its name: after a rename over
  // it, only a new watch sees the new file.
  if (m_watcher.files().contains(m_path)) m_watcher.removePath(m_path);
  if (QFileInfo::exists(m_path)) m_watcher.addPath(m_path);
  // The folder of a new wardrobe is made by its first save.
  const QString folder = QFileInfo(m_path).absolutePath();
  if (!m_watcher.directories().contains(folder) && QFileInfo(folder).isDir()) m_watcher.addPath(folder);
}

void WardrobeFileWatch::onEvent() {
  if (!m_path.isEmpty()) m_settle.start();
}

}  // namespace tavoro::ui
