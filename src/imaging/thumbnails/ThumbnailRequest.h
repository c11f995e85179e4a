// One request for a list-view thumbnail: the item it is for and the photo file.
// Value type.
#pragma once

#include <cstdint>
#include <string>

namespace tavoro {

struct ThumbnailRequest {
  int32_t itemId = 0;  // unique for the life of the process; -1 asks the loader to quit
  std::wstring path;   // absolute path of the photo file
};

}  // namespace tavoro
