// Where a picture goes row by row, so that a large photo can be converted
// without ever holding it whole: the decoders' streaming form hands its rows
// here top-down and the encoders' row writers take them. Not thread-safe:
// one sink serves one conversion.
#pragma once

#include <cstdint>

#include "platform/Geometry.h"

namespace tavoro {

class RowSink {
 public:
  virtual ~RowSink() = default;
  // Called once, before the rows: the picture's size, and 3 channels (blue,
  // green, red) or 4 (and alpha) a pixel. False stops the decode.
  virtual bool begin(Size size, int channels) = 0;
  // The next row, top-down, width x channels bytes. False stops the decode.
  virtual bool addRow(const uint8_t* row) = 0;
  // After the last row: completes the output. False when it failed.
  virtual bool finish() = 0;
};

}  // namespace tavoro
