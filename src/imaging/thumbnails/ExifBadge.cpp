#include "ExifBadge.h"

#include <cstring>

namespace tavoro {

namespace {

// "#" is a white pixel, anything else red.
// clang-format off
constexpr const char* kLetters[7] = {
    "..............",
    ".###.#.#.#..##",
    ".#...#.#...#..",
    ".##...#..#.###",
    ".#...#.#.#.#..",
    ".###.#.#.#.#..",
    "..............",
};
// clang-format on

}  // namespace

DibBitmap makeExifBadge() {
  DibBitmap badge;
  if (!badge.create(14, 7, 24)) return badge;
  for (int y = 0; y < 7; ++y) {
    uint8_t* row = badge.row(y);
    for (int x = 0; x < 14; ++x) {
      const bool white = kLetters[y][x] == '#';
      row[3 * x] = white ? 255 : 0x1C;      // blue
      row[3 * x + 1] = white ? 255 : 0x1C;  // green
      row[3 * x + 2] = white ? 255 : 0xD0;  // red
    }
  }
  return badge;
}

}  // namespace tavoro
