// Reduces a picture to a smaller bitmap by area averaging while its rows
// arrive from a decoder, so that the whole picture is never held: with rows
// in order (top-down or bottom-up) only two destination rows of sums are
// kept; with rows in any order and in parts (the passes of an interlaced PNG)
// sums for the whole destination. The result is what scaleToFit makes of the
// whole picture, to the byte. Not thread-safe: one decode uses one reducer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "AreaAverage.h"
#include "DibBitmap.h"
#include "platform/Geometry.h"

namespace tavoro {

// Whether a picture of that size is to be reduced while it is decoded into
// the box (a box with an area that the picture does not fit), and into what
// size: the picture fitted into the box.
bool reducedDecodeSize(Size box, Size picture, Size& target);

class RowReducer {
 public:
  enum class Order { TopDown, BottomUp, Any };

  // The memory the sums take for a target of that size: with Order::Any it
  // grows with the target's area, else with its width only.
  static uint64_t sumBytes(Size target, Order order);

  // Prepares to reduce a picture of the source size into a 24-bit bitmap of
  // the target size (no side larger than the source's). False when a size
  // is empty or larger, or memory cannot be had.
  bool start(Size source, Size target, Order order);

  // A buffer for one source row, 3 bytes a pixel (blue, green, red), that a
  // decoder may fill and hand to addRow. With Order::Any it is zero-filled.
  uint8_t* rowBuffer();

  // Adds source row y (0 the top row). In order, each row once; with
  // Order::Any rows may come in any order and in parts, the pixels that a
  // part lacks being 0, as long as every pixel is added exactly once.
  void addRow(int y, const uint8_t* bgr);

  // Moves the reduced picture into dest. False, with dest released, when
  // rows that the order needed did not all come.
  bool finish(DibBitmap& dest);

 private:
  void addToTarget(int j, int y, const uint32_t* sums);
  void emit(int j, const uint64_t* acc);

  Size m_source;
  Size m_target;
  Order m_order = Order::TopDown;
  std::vector<AreaSpan> m_columns;
  std::vector<AreaSpan> m_lines;
  std::vector<uint8_t> m_row;
  std::vector<uint32_t> m_sums;
  std::vector<uint64_t> m_acc;  // two destination rows in order, all of them with Order::Any
  int m_rowsAdded = 0;
  DibBitmap m_result;
};

}  // namespace tavoro
