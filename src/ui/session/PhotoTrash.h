// The photo files that deletes set aside in an open wardrobe. Deleting an
// item or a collection (or undoing the photos it added) touches no file: its
// photos stay where they are, so that undo brings them back with nothing to
// copy and a crash before the next save leaves the wardrobe on disk as it
// was. Once a save has written a file that no longer names them, they go to
// the desktop's trash (freedesktop trash), or are deleted where there is
// none, and folders left empty go with them. A file that went to the trash
// comes back from it when undo brings its item back later.
// User-interface thread only (it belongs to one window's session).
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tavoro::ui {

class PhotoTrash {
 public:
  // What emptying did.
  struct Emptied {
    int trashed = 0;   // moved to the trash
    int deleted = 0;   // deleted: there was no trash
    int missing = 0;   // gone already
    std::vector<std::wstring> failed;  // still there: could be neither moved nor deleted
  };

  // The files (and the folders that hold them) of objects that left the model.
  void setAside(const std::vector<std::wstring>& files, const std::vector<std::wstring>& folders);
  // The objects came back: their files are named again and stay; any that
  // went to the trash meanwhile are moved back from it.
  void takeBack(const std::vector<std::wstring>& files);
  // After a save: every file set aside goes to the trash (or is deleted),
  // then each folder set aside that is left empty is removed, deepest first.
  Emptied empty();
  // The wardrobe is closed: nothing is set aside any more, and what went to
  // the trash stays there.
  void forget();

  size_t pendingCount() const { return m_pending.size(); }
  const std::set<std::wstring>& pending() const { return m_pending; }
  // Where a trashed file lies in the trash, or empty text.
  std::wstring trashedAt(const std::wstring& file) const;

 private:
  std::set<std::wstring> m_pending;
  std::set<std::wstring> m_folders;
  std::map<std::wstring, std::wstring> m_trashed;  // original path -> path in the trash
};

}  // namespace tavoro::ui
