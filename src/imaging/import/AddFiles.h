// Turns a list of photo files into new items of a collection, one by one and
// in list order, after asking first when the list is long. The model's rules
// apply: each file is copied into the wardrobe, never over an existing file.
// User-interface thread (it changes the model).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "ImportList.h"

namespace tavoro {

class Collection;
class Item;

// From this many files on, the user is asked before anything is added.
inline constexpr size_t kAddFilesConfirmationCount = 20;

// Asked with the number of files; true goes ahead.
using AddFilesConfirmation = std::function<bool(size_t fileCount)>;
// After each file: how many of the list are done, and the list's length.
using AddFilesProgress = std::function<void(size_t done, size_t total)>;

struct AddedFiles {
  std::vector<Item*> items;          // the new items, in list order
  std::vector<std::wstring> failed;  // files that could not be added, in list order
  size_t noIdLeft = 0;               // how many of failed (the last ones) found no item id left
  bool declined = false;             // the confirmation said no: nothing was tried
};

// Adds every file of files as a new item of collection (ItemList's
// addFromPhotoFile). A list of kAddFilesConfirmationCount files or more is
// added only when confirm (required then) answers true. A file that cannot
// be copied is skipped and named in failed; the items already added stay.
// Nothing is added to an empty list, a null collection or one whose id is not
// above 0 ("All Collections" and the placeholder row).
AddedFiles addFiles(Collection* collection, const ImportList& files, const AddFilesConfirmation& confirm,
                    const AddFilesProgress& progress = {});

}  // namespace tavoro
