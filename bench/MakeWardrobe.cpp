// Writes a wardrobe of a given size for the start-up measurement: collections
// of 250 items, each item with one photo entry and three tag values. The
// photo files themselves are not made; only the wardrobe file is written.
// Usage: tavoro-make-wardrobe FOLDER NAME ITEMS
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Utf8.h"
#include "wardrobe/DateTime.h"
#include "wardrobe/ImageType.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: tavoro-make-wardrobe FOLDER NAME ITEMS\n");
    return 2;
  }
  const long items = std::strtol(argv[3], nullptr, 10);
  if (items <= 0) {
    std::fprintf(stderr, "tavoro-make-wardrobe: ITEMS must be a positive number\n");
    return 2;
  }
  using namespace tavoro;
  Wardrobe wardrobe(fromUtf8(argv[1]), fromUtf8(argv[2]));
  wardrobe.setWardrobeId(1);
  const wchar_t* colours[] = {L"red", L"navy blue", L"white", L"black", L"olive green", L"grey"};
  const wchar_t* sizes[] = {L"XS", L"S", L"M", L"L", L"XL"};
  Collection* collection = nullptr;
  int32_t colour = 0, size = 0, fabric = 0;
  for (long n = 0; n < items; ++n) {
    if (n % 250 == 0) {
      collection = wardrobe.collections().add(L"Collection " + std::to_wstring(n / 250 + 1));
      colour = collection->tags().add(L"Colour")->id();
      size = collection->tags().add(L"Size")->id();
      fabric = collection->tags().add(L"Fabric")->id();
    }
    Item* item = collection->items().add(L"Item " + std::to_wstring(n + 1), static_cast<int32_t>(n % 250 + 1));
    item->setDateAdded(DateTime::now());
    item->photos().addExisting(typeFromExtension(L"jpg"), 1);
    item->records().set(colour, colours[n % 6]);
    item->records().set(size, sizes[n % 5]);
    item->records().set(fabric, L"cotton and linen blend");
  }
  if (!writeWardrobe(wardrobe)) {
    std::fprintf(stderr, "tavoro-make-wardrobe: cannot write %s\n", toUtf8(wardrobe.wardrobeFilePath()).c_str());
    return 1;
  }
  std::printf("%s\n", toUtf8(wardrobe.wardrobeFilePath()).c_str());
  return 0;
}
