// Reading a wardrobe file named on the command line, with the one-line
// message tavoro-cli prints when that fails.
#pragma once

#include <string>

#include "platform/Status.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::cli {

// The argument as an absolute path (arguments are UTF-8).
std::wstring argumentPath(const std::string& argument);

// Reads the file into a fresh wardrobe; on failure prints which file and
// what failed, and returns false.
bool readWardrobeArgument(const std::wstring& path, Wardrobe& wardrobe);

// One line on standard error: what ("cannot read", "cannot write"), the
// path that failed and the reason.
void printFileError(const char* what, const Status& status);

}  // namespace tavoro::cli
