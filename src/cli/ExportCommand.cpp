// tavoro-cli export FILE.twd --format html|csv|pdf OUT: the web catalogue (a
// new folder), the spreadsheet or the contact sheet (a new file).
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "Interruption.h"
#include "JsonOutput.h"
#include "PdfOutput.h"
#include "ProgressBar.h"
#include "WardrobeInput.h"
#include "export/CsvExport.h"
#include "export/WebCatalogueExport.h"
#include "platform/Utf8.h"

namespace tavoro::cli {

namespace {

struct ExportOptions {
  std::string file;
  std::string format;
  std::string output;
  bool originals = false;
  std::vector<std::string> tags;
  std::string paper;
};

}  // namespace

// Tells the user what became of a long command that wrote OUT, and sets the exit status.
bool reportOutcome(const ExportResult& result, const std::string& output, int& exitStatus) {
  if (result.ok()) return true;
  if (result.cancelled)
    printError("interrupted: nothing was written to " + output);
  else
    printError(toUtf8(result.status.path()) + ": " + result.status.reason());
  exitStatus = kFileError;
  return false;
}

void registerExportCommand(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "export",
      "Exports the wardrobe: html writes a web catalogue into the new folder OUT (index.html, a page per collection, "
      "thumbnails and larger pictures); csv writes a spreadsheet file, one row per item; pdf writes a printable "
      "contact sheet. OUT must not exist. Prints {format, output, collections, items, photos}.");
  auto options = std::make_shared<ExportOptions>();
  command->add_option("FILE", options->file, "the wardrobe file (.twd)")->required();
  command->add_option("--format", options->format, "html, csv or pdf")
      ->required()
      ->check(CLI::IsMember({"html", "csv", "pdf"}));
  command->add_option("OUT", options->output, "the folder (html) or file (csv, pdf) to make")->required();
  command->add_flag("--originals", options->originals, "html: also copy the photos themselves into the catalogue");
  command->add_option("--tag", options->tags, "pdf: a tag whose values are printed under each name (repeatable); "
                                              "without it, the first two tags of each collection");
  command->add_option("--paper", options->paper, "pdf: a4 or letter (default: by the locale)")
      ->check(CLI::IsMember({"a4", "letter"}));
  command->callback([options, &exitStatus] {
    if (options->format != "pdf" && (!options->tags.empty() || !options->paper.empty()))
      throw CLI::ValidationError("--tag/--paper", "apply to --format pdf only");
    if (options->format != "html" && options->originals)
      throw CLI::ValidationError("--originals", "applies to --format html only");
    if (options->format == "pdf" && !pdfAvailable()) {
      printError("this tavoro-cli was built without Qt and cannot write PDF");
      exitStatus = kFileError;
      return;
    }
    Wardrobe wardrobe;
    if (!readWardrobeArgument(argumentPath(options->file), wardrobe)) {
      exitStatus = kFileError;
      return;
    }
    const WardrobeSnapshot snapshot = takeSnapshot(wardrobe);
    const std::wstring output = argumentPath(options->output);
    catchInterruption();
    ProgressBar bar("Exporting:");
    auto progress = [&bar](uint64_t done, uint64_t total) {
      bar.update(done, total);
      return !interrupted();
    };
    ExportResult result;
    if (options->format == "html") {
      WebCatalogueOptions web;
      web.includeOriginals = options->originals;
      result = exportWebCatalogue(snapshot, output, web, progress);
    } else if (options->format == "csv") {
      result = exportCsv(snapshot, output, progress);
    } else {
      std::vector<std::wstring> tags;
      for (const std::string& tag : options->tags) tags.push_back(fromUtf8(tag));
      result = writeContactSheet(snapshot, output, tags, options->paper, progress);
    }
    bar.finish();
    if (!reportOutcome(result, options->output, exitStatus)) return;
    printJson({{"format", options->format},
               {"output", toUtf8(output)},
               {"collections", snapshot.collections.size()},
               {"items", snapshot.itemCount()},
               {"photos", snapshot.photoCount()}});
  });
}

}  // namespace tavoro::cli
