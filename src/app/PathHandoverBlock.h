// The block by which a second start hands its command-line paths to the
// running instance: "KTPP", total size, slot count, then one 522-byte slot of
// zero-terminated UTF-16LE text per path. Thread-safe (pure functions).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tavoro {

inline constexpr size_t kHandoverHeaderBytes = 12;
inline constexpr size_t kHandoverSlotBytes = 522;
// A slot holds 261 UTF-16 units: at most 260 of text and the terminating zero.
inline constexpr size_t kHandoverSlotTextUnits = 260;

// The block for the paths, in order. A path that does not fit a slot (more
// than 260 UTF-16 units, or holding a zero character) is left out rather than
// cut, so the receiver never opens a different file. Empty when no path fits.
std::vector<uint8_t> buildHandoverBlock(const std::vector<std::wstring>& paths);

// The paths of a received block, in slot order. dwData must be 0, the block
// must start with "KTPP", its size field must equal size, and its count
// (at least 1) of slots must lie inside the block; otherwise the list is
// empty. Each slot gives its text up to the first zero, at most 260 units.
std::vector<std::wstring> readHandover(uint32_t dwData, const uint8_t* block, size_t size);

}  // namespace tavoro
