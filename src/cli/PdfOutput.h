// The contact sheet for tavoro-cli, which has it only when built with Qt.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "export/ExportProgress.h"
#include "export/WardrobeSnapshot.h"

namespace tavoro::cli {

// False when this tavoro-cli was built without Qt.
bool pdfAvailable();

// paper: "a4", "letter" or "" for the locale's. Makes the Qt application
// the PDF writer needs (on the offscreen platform) for the length of the call.
ExportResult writeContactSheet(const WardrobeSnapshot& snapshot, std::wstring_view path,
                               const std::vector<std::wstring>& tagNames, const std::string& paper,
                               const ProgressCallback& progress);

}  // namespace tavoro::cli
