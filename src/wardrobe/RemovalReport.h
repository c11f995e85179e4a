// What deleting an item or a collection could not take off the disk. The
// model deletes the object whatever happens to its files; the pane that asked
// for the delete tells the user which folders still hold files.
#pragma once

#include <string>
#include <vector>

namespace tavoro {

struct RemovalReport {
  // The item or collection folders that still exist after the delete,
  // because something in them could not be deleted (or is not a photo of
  // the wardrobe). Each folder is named once.
  std::vector<std::wstring> foldersKept;

  bool clean() const { return foldersKept.empty(); }
  void keep(const std::wstring& folder) {
    for (const std::wstring& kept : foldersKept)
      if (kept == folder) return;
    foldersKept.push_back(folder);
  }
};

}  // namespace tavoro
