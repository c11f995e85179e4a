// Writes a wardrobe of a given size for the start-up measurement: collections
// of 250 items (or as many as given), each item with one photo entry and three
// tag values. Only the wardrobe file is written, unless --photos is given:
// then FOLDER/photo.jpg (640 x 480) is made and every item's photo file is a
// hard link to it, and the first collection is the one shown at opening;
// --photo-size WxH makes that photo of another size (12-megapixel photos for
// the export benchmark).
// Usage: tavoro-make-wardrobe [--photos [--photo-size WxH]] FOLDER NAME ITEMS [ITEMS-PER-COLLECTION]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "PhotoFactory.h"
#include "WardrobeMaker.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

int main(int argc, char* argv[]) {
  using namespace tavoro;
  const bool photos = argc > 1 && std::strcmp(argv[1], "--photos") == 0;
  if (photos) {
    --argc;
    ++argv;
  }
  int photoWidth = 640, photoHeight = 480;
  if (photos && argc > 2 && std::strcmp(argv[1], "--photo-size") == 0) {
    if (std::sscanf(argv[2], "%dx%d", &photoWidth, &photoHeight) != 2 || photoWidth < 1 || photoHeight < 1) {
      std::fprintf(stderr, "tavoro-make-wardrobe: --photo-size takes WIDTHxHEIGHT\n");
      return 2;
    }
    argc -= 2;
    argv += 2;
  }
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr,
                 "usage: tavoro-make-wardrobe [--photos [--photo-size WxH]] FOLDER NAME ITEMS [ITEMS-PER-COLLECTION]\n");
    return 2;
  }
  const long items = std::strtol(argv[3], nullptr, 10);
  const long perCollection = argc == 5 ? std::strtol(argv[4], nullptr, 10) : 250;
  if (items < 0 || perCollection <= 0) {
    std::fprintf(stderr, "tavoro-make-wardrobe: ITEMS must be 0 or more, ITEMS-PER-COLLECTION more than 0\n");
    return 2;
  }
  const std::wstring folder = fromUtf8(argv[1]);
  std::wstring photo;
  if (photos) {
    photo = folder + L"/photo.jpg";
    createFolders(folder);
    std::ofstream(toUtf8(photo), std::ios::binary) << test::jpegBytes(photoWidth, photoHeight, 7);
  }
  const std::wstring path = bench::makeWardrobe(folder, fromUtf8(argv[2]), items, perCollection, photo);
  if (path.empty()) {
    std::fprintf(stderr, "tavoro-make-wardrobe: cannot write the wardrobe in %s\n", argv[1]);
    return 1;
  }
  std::printf("%s\n", toUtf8(path).c_str());
  return 0;
}
