#include "PdfOutput.h"

namespace tavoro::cli {

bool pdfAvailable() { return false; }

ExportResult writeContactSheet(const WardrobeSnapshot&, std::wstring_view path, const std::vector<std::wstring>&,
                               const std::string&, const ProgressCallback&) {
  return ExportResult::failure(Status::failure(path, "this tavoro-cli was built without Qt and cannot write PDF"));
}

}  // namespace tavoro::cli
