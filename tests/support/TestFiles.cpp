#include "TestFiles.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace tavoro::test {

void writeFile(std::wstring_view path, std::string_view bytes) {
  std::ofstream out(toUtf8(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + toUtf8(path));
}

std::string readFile(std::wstring_view path) {
  std::ifstream in(toUtf8(path), std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string buildFolder() { return TAVORO_BINARY_DIR; }

std::string sourceFolder() { return TAVORO_SOURCE_DIR; }

std::wstring testDataFolder() {
  if (const char* env = std::getenv("TAVORO_TESTDATA"); env && *env && isFolder(fromUtf8(env))) return fromUtf8(env);
  const std::wstring folder = fromUtf8(TAVORO_TESTDATA_DIR);
  return isFolder(folder) ? folder : std::wstring();
}

}  // namespace tavoro::test
