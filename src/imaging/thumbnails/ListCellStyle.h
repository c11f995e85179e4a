// How a list-view cell looks: its size, the colour behind placeholder icons
// and the matte around a thumbnail. Value type.
#pragma once

#include <cstdint>

#include "platform/Geometry.h"

namespace tavoro {

struct CellColor {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const CellColor&) const = default;
};

struct ListCellStyle {
  Size cell{96, 96};
  CellColor background{255, 255, 255};
  CellColor matte{218, 222, 229};
  bool matteOn = true;

  // What fills a cell around its picture.
  CellColor fill() const { return matteOn ? matte : background; }
  // The box a thumbnail is fitted into: the cell, less a one-pixel frame
  // with the matte on. Empty when the cell is too small for any picture.
  Size thumbnailBox() const;
};

}  // namespace tavoro
