// The nesting scan against the XML library itself: on any text the scan
// lets through, the library must build exactly as deep a tree as the scan
// measured. A scan that measured less would let a file through that is
// deeper than the library's stack can take.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "wardrobe/XmlDocument.h"
#include "wardrobe/XmlParser.h"

namespace {

// As the XML layer prepares text for the library.
std::string asLoaded(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  tavoro::prepareXmlText(text);
  return text;
}

int builtDepth(const tavoro::XmlDocument& document) {
  int deepest = 0;
  std::vector<std::pair<tavoro::XmlElement, int>> pending;
  for (tavoro::XmlElement top = document.root(); top; top = top.nextSibling()) pending.emplace_back(top, 1);
  while (!pending.empty()) {
    const auto [element, depth] = pending.back();
    pending.pop_back();
    deepest = std::max(deepest, depth);
    for (tavoro::XmlElement child = element.firstChild(); child; child = child.nextSibling())
      pending.emplace_back(child, depth + 1);
  }
  return deepest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using tavoro::XmlDocument;
  const int measured = tavoro::xmlNestingDepth(asLoaded(data, size), XmlDocument::kMaxNesting);
  XmlDocument document;
  const bool parsed = document.parse(std::string_view(reinterpret_cast<const char*>(data), size));
  if (measured > XmlDocument::kMaxNesting) {
    if (parsed) abort();  // refused before the library saw it
    return 0;
  }
  if (builtDepth(document) != measured) abort();
  return 0;
}
