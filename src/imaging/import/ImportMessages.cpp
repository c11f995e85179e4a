#include "ImportMessages.h"

namespace tavoro {

std::wstring addFilesQuestion(size_t count) {
  return std::to_wstring(count) +
         L" files are to be added. This may take some time. \nAre you sure you want to continue?";
}

}  // namespace tavoro
