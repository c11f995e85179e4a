#include "FilterThread.h"

#include <vector>

#include "platform/FileSystem.h"
#include "platform/FolderIdentity.h"
#include "wardrobe/ImageType.h"

namespace tavoro {

namespace {

bool isImportable(const std::wstring& path) {
  const ImageType type = typeFromExtension(path);
  return type == ImageType::Bmp || type == ImageType::Jpg || type == ImageType::Png;
}

std::wstring childPath(const std::wstring& folder, const std::wstring& name) {
  if (!folder.empty() && folder.back() == L'/') return folder + name;
  return folder + L"/" + name;
}

}  // namespace

FilterThread::FilterThread(ImportList input, FilterSink sink) : m_input(std::move(input)), m_sink(std::move(sink)) {}

FilterThread::~FilterThread() {
  stopAndWait();
}

ImportList FilterThread::accepted() const {
  std::lock_guard lock(m_mutex);
  return m_accepted;
}

size_t FilterThread::acceptedCount() const {
  std::lock_guard lock(m_mutex);
  return m_accepted.count();
}

bool FilterThread::run() {
  {
    std::lock_guard lock(m_mutex);
    m_accepted.clear();
  }
  m_lastReported = SIZE_MAX;
  bool result = true;
  for (const std::wstring& path : m_input) {
    // The paths the user named are taken as they are: a link the user
    // dropped is what the user meant.
    Kind kind = Kind::Missing;
    if (isFolder(path))
      kind = Kind::Folder;
    else if (isFile(path))
      kind = Kind::File;
    else if (pathExists(path))
      kind = Kind::Other;
    result = step(path, kind);
    if (!result) break;
  }
  reportProgress(true);
  return result;
}

void FilterThread::finished(bool result) {
  if (result && m_sink) m_sink(FilterEvent::Done, acceptedCount());
}

// The walk below a named path, depth first in the order the file system lists
// each folder. An explicit stack rather than recursion: a very deep tree must
// not exhaust the thread's stack.
bool FilterThread::step(const std::wstring& path, Kind kind) {
  struct Frame {
    std::wstring folder;
    std::vector<FolderEntry> entries;
    size_t next = 0;
  };
  std::vector<Frame> stack;
  // Per named path: a folder the user names twice, or inside another named
  // one, is walked again as the user asked; only a loop is cut.
  m_visited.clear();

  const auto visit = [&](const std::wstring& current, Kind currentKind, bool named) {
    if (stopRequested()) return false;
    waitForPermission();
    // A stop while paused also lets the thread go on; it must not take one
    // more step.
    if (stopRequested()) return false;
    reportProgress(false);
    if (currentKind == Kind::Folder) {
      if (enterFolder(current, named)) {
        Frame frame{current, {}, 0};
        if (listFolder(current, frame.entries)) stack.push_back(std::move(frame));
      }
    } else if ((currentKind == Kind::File || currentKind == Kind::LinkToFile) && isImportable(current)) {
      accept(current);
    }
    return true;
  };

  if (!visit(path, kind, true)) return false;
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (top.next == top.entries.size()) {
      stack.pop_back();
      continue;
    }
    const FolderEntry& entry = top.entries[top.next++];
    const std::wstring child = childPath(top.folder, entry.name);
    Kind childKind = Kind::Other;
    switch (entry.kind) {
      case EntryKind::File:
        childKind = Kind::File;
        break;
      case EntryKind::Folder:
        childKind = Kind::Folder;
        break;
      case EntryKind::Link:
        // A link to a photo file is taken like the file; a link to a folder
        // is never entered, so no link can send the walk round in a circle.
        childKind = isFile(child) ? Kind::LinkToFile : Kind::Other;
        break;
      case EntryKind::Other:
        break;
    }
    if (!visit(child, childKind, false)) return false;
  }
  return true;
}

bool FilterThread::enterFolder(const std::wstring& folder, bool followLink) {
  // An entry listed as a folder may have been replaced by a link meanwhile.
  FolderIdentity identity;
  return folderIdentity(folder, followLink, identity) && m_visited.insert(identity).second;
}

void FilterThread::accept(const std::wstring& path) {
  std::lock_guard lock(m_mutex);
  m_accepted.add(path);
}

void FilterThread::reportProgress(bool always) {
  const size_t count = acceptedCount();
  // The count only moves on an accepted file, so each multiple of ten is
  // reported once rather than at every path walked while it stands.
  if (!always && (count % kProgressStep != 0 || count == m_lastReported)) return;
  m_lastReported = count;
  if (m_sink) m_sink(FilterEvent::Progress, count);
}

}  // namespace tavoro
