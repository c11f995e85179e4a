#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "PdfOutput.h"
#include "export/pdf/ContactSheet.h"

namespace tavoro::cli {

bool pdfAvailable() { return true; }

ExportResult writeContactSheet(const WardrobeSnapshot& snapshot, std::wstring_view path,
                               const std::vector<std::wstring>& tagNames, const std::string& paper,
                               const ProgressCallback& progress) {
  std::unique_ptr<QGuiApplication> application;
  if (!QGuiApplication::instance()) {
    // Writing a PDF needs fonts, not a screen: the offscreen platform works
    // with or without a display, and never waits for an X server.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "tavoro-cli";
    static char* argv[] = {name, nullptr};
    // Qt's notes (no runtime folder, and the like) are not the command's output.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
      if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "tavoro-cli: %s\n", qPrintable(message));
    });
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  ContactSheetOptions options;
  if (!tagNames.empty()) options.tagNames = tagNames;
  if (paper == "a4") options.paper = ContactSheetOptions::Paper::A4;
  if (paper == "letter") options.paper = ContactSheetOptions::Paper::Letter;
  return exportContactSheet(snapshot, path, options, progress);
}

}  // namespace tavoro::cli
