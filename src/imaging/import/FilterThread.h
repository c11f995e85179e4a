// Gathers the photo files among paths the user pasted or dropped: folders are
// searched recursively, and only BMP, JPEG and PNG files are kept, in the
// order the paths and the file system give them. Reports through a sink on
// its own thread. Owner: start, wait, accepted() after the end; the run
// permission and stop from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <set>
#include <string>

#include "ImportList.h"
#include "imaging/thumbnails/WorkerThread.h"
#include "platform/FolderIdentity.h"

namespace tavoro {

enum class FilterEvent {
  Progress,  // files accepted so far
  Done,      // the walk is complete; the count is final
};

// Called on the filter thread; must not block for long or touch model objects.
using FilterSink = std::function<void(FilterEvent event, size_t acceptedCount)>;

class FilterThread final : public WorkerThread {
 public:
  // Progress is reported whenever the count reaches a new multiple of this.
  static constexpr size_t kProgressStep = 10;

  FilterThread(ImportList input, FilterSink sink);
  ~FilterThread() override;

  // The files accepted so far; the whole result once Done was reported or
  // the thread has ended with exit code 0. A stopped walk keeps what it had.
  ImportList accepted() const;
  size_t acceptedCount() const;

 protected:
  // The walk. False when a stop ended it.
  bool run() override;
  // Reports Done after a walk that was not stopped.
  void finished(bool result) override;

 private:
  enum class Kind { Missing, File, Folder, LinkToFile, Other };
  bool step(const std::wstring& path, Kind kind);
  bool enterFolder(const std::wstring& folder, bool followLink);
  void accept(const std::wstring& path);
  void reportProgress(bool always);

  const ImportList m_input;
  const FilterSink m_sink;
  mutable std::mutex m_mutex;
  ImportList m_accepted;
  size_t m_lastReported = SIZE_MAX;
  // Folders entered, by device and inode, so that no folder is walked twice
  // (bind mounts can make loops without any symbolic link).
  std::set<FolderIdentity> m_visited;
};

}  // namespace tavoro
