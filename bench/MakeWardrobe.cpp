// Writes a wardrobe of a given size for the start-up measurement: collections
// of 250 items (or as many as given), each item with one photo entry and three
// tag values. The photo files themselves are not made; only the wardrobe file
// is written. Usage: tavoro-make-wardrobe FOLDER NAME ITEMS [ITEMS-PER-COLLECTION]
#include <cstdio>
#include <cstdlib>

#include "WardrobeMaker.h"
#include "platform/Utf8.h"

int main(int argc, char* argv[]) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: tavoro-make-wardrobe FOLDER NAME ITEMS [ITEMS-PER-COLLECTION]\n");
    return 2;
  }
  const long items = std::strtol(argv[3], nullptr, 10);
  const long perCollection = argc == 5 ? std::strtol(argv[4], nullptr, 10) : 250;
  if (items <= 0 || perCollection <= 0) {
    std::fprintf(stderr, "tavoro-make-wardrobe: ITEMS and ITEMS-PER-COLLECTION must be positive numbers\n");
    return 2;
  }
  using namespace tavoro;
  const std::wstring path = bench::makeWardrobe(fromUtf8(argv[1]), fromUtf8(argv[2]), items, perCollection);
  if (path.empty()) {
    std::fprintf(stderr, "tavoro-make-wardrobe: cannot write the wardrobe in %s\n", argv[1]);
    return 1;
  }
  std::printf("%s\n", toUtf8(path).c_str());
  return 0;
}
