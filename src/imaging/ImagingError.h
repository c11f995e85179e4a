// The internal failure of the imaging layer: raised inside a codec or reader
// and caught at the boundary of the operation, which cleans up and returns
// false. It never leaves the layer and never crosses a libjpeg or libpng frame.
// Thread-safe.
#pragma once

namespace tavoro {

struct ImagingError {
  const char* what = "err";
};

[[noreturn]] inline void failImaging() {
  throw ImagingError{};
}

}  // namespace tavoro
