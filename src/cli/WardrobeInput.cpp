#include "WardrobeInput.h"

#include <unistd.h>

#include "JsonOutput.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::cli {

std::wstring argumentPath(const std::string& argument) {
  const std::wstring path = fromUtf8(argument);
  return path.empty() ? path : absolutePath(path);
}

bool readWardrobeArgument(const std::wstring& path, Wardrobe& wardrobe) {
  if (readWardrobe(path, wardrobe)) return true;
  const char* what = "not a wardrobe file, or damaged";
  if (!pathExists(path))
    what = "no such file";
  else if (!isFile(path))
    what = "not a regular file";
  else if (::access(toUtf8(path).c_str(), R_OK) != 0)
    what = "permission denied";
  printError("cannot read " + toUtf8(path) + ": " + what);
  return false;
}

}  // namespace tavoro::cli
