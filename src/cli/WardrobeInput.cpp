#include "WardrobeInput.h"

#include "JsonOutput.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::cli {

std::wstring argumentPath(const std::string& argument) {
  const std::wstring path = fromUtf8(argument);
  return path.empty() ? path : absolutePath(path);
}

bool readWardrobeArgument(const std::wstring& path, Wardrobe& wardrobe) {
  const Status read = readWardrobe(path, wardrobe);
  if (!read) printFileError("cannot read", read);
  return read.ok();
}

void printFileError(const char* what, const Status& status) {
  printError(std::string(what) + " " + toUtf8(status.path()) + ": " + status.reason());
}

}  // namespace tavoro::cli
