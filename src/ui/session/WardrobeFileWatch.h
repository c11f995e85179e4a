// Watches the open wardrobe's file for writes by other programs (a sync
// tool, tavoro-cli, a second Tavoro). Writers replace the file (a new file
// renamed over it), which ends a watch on the old one: the folder is watched
// too, and the file is watched anew after every event. Bursts of events (a
// sync writing in steps, our own save) are told once, when the folder has
// been quiet for a moment; whether the file really changed is for the
// listener to decide. User-interface thread only.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace tavoro::ui {

class WardrobeFileWatch : public QObject {
  Q_OBJECT

 public:
  // How long the folder must be quiet before a change is told.
  static constexpr int kSettleMs = 250;

  explicit WardrobeFileWatch(QObject* parent = nullptr);

  // Watches the file at path (which need not exist yet) and its folder.
  void watch(const QString& path);
  void stop();
  // The file was just replaced by us: its new version is watched.
  void rewatch();

 signals:
  // The file or its folder changed, and has been quiet since.
  void settled();

 private:
  void onEvent();

  QFileSystemWatcher m_watcher;
  QTimer m_settle;
  QString m_path;
};

}  // namespace tavoro::ui
