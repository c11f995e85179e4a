// The wardrobe's lock file, taken by the tavoro-cli commands that save a
// wardrobe, as the program takes it on opening, so that a command does not
// quietly write under a window that holds the wardrobe open.
#pragma once

#include <string>

#include "platform/LockFile.h"

namespace tavoro::cli {

// Takes the lock of the wardrobe file. While someone else holds it the
// command is refused (false), naming them and the command, unless forced
// (which leaves their lock alone). A folder that takes no lock file is no
// reason to refuse: the save will say what it can do.
bool lockWardrobe(const std::wstring& file, bool force, LockFile& lock, const std::string& command);

}  // namespace tavoro::cli
