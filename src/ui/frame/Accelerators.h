// The main window's keyboard accelerators: each key and the command it sends
// to the main window. Keys of commands without an effect of the frame's own
// still take their key away from the focused control, except the clipboard
// keys in text fields (see WindowKeyFilter). Thread-safe (constant data).
#pragma once

#include <span>

namespace tavoro::ui {

struct Accelerator {
  int command;
  const char* key;  // in QKeySequence's portable text
};

std::span<const Accelerator> mainFrameAccelerators();

}  // namespace tavoro::ui
