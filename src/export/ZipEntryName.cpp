#include "ZipEntryName.h"

namespace tavoro {

bool isSafeZipEntryName(std::string_view name) {
  if (name.empty() || name.front() == '/' || name.size() > 4096) return false;
  if (name.back() == '/') name.remove_suffix(1);
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find('/', start);
    if (end == std::string_view::npos) end = name.size();
    const std::string_view part = name.substr(start, end - start);
    if (part.empty() || part == "." || part == ".." || part.size() > 255) return false;
    for (char c : part)
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '\\') return false;
    start = end + 1;
  }
  return true;
}

}  // namespace tavoro
