#include "AddFiles.h"

#include "wardrobe/Collection.h"

namespace tavoro {

AddedFiles addFiles(Collection* collection, const ImportList& files, const AddFilesConfirmation& confirm,
                    const AddFilesProgress& progress) {
  AddedFiles result;
  if (files.empty()) return result;
  if (files.count() >= kAddFilesConfirmationCount && !(confirm && confirm(files.count()))) {
    result.declined = true;
    return result;
  }
  // Checked after the question: the answer may have taken a while.
  if (!collection || collection->id() <= 0) return result;
  ItemList& items = collection->items();
  size_t done = 0;
  for (const std::wstring& path : files) {
    if (Item* item = items.addFromPhotoFile(path)) {
      result.items.push_back(item);
    } else {
      result.failed.push_back(path);
      // Once used up, the ids stay used up: these are the last failures.
      if (!items.hasIdLeft()) ++result.noIdLeft;
    }
    if (progress) progress(++done, files.count());
  }
  return result;
}

}  // namespace tavoro
