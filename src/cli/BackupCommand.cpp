// tavoro-cli backup FILE.twd OUT.zip and tavoro-cli restore IN.zip FOLDER:
// one zip file holding the wardrobe file and its photos, and back.
#include <memory>
#include <string>

#include "Commands.h"
#include "Interruption.h"
#include "JsonOutput.h"
#include "ProgressBar.h"
#include "WardrobeInput.h"
#include "export/WardrobeBackup.h"
#include "platform/Utf8.h"

namespace tavoro::cli {

bool reportOutcome(const ExportResult& result, const std::string& output, int& exitStatus);

namespace {

struct TwoPaths {
  std::string input;
  std::string output;
};

auto progressOn(ProgressBar& bar) {
  return [&bar](uint64_t done, uint64_t total) {
    bar.update(done, total);
    return !interrupted();
  };
}

}  // namespace

void registerBackupCommand(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "backup",
      "Writes the wardrobe file and its photo folder into the new zip file OUT.zip, then reads every entry back and "
      "checks it. Links in the photo folder are not stored (they are listed as skipped). Prints {backup, files, "
      "bytes, skipped}.");
  auto options = std::make_shared<TwoPaths>();
  command->add_option("FILE", options->input, "the wardrobe file (.twd)")->required();
  command->add_option("OUT", options->output, "the zip file to make (must not exist)")->required();
  command->callback([options, &exitStatus] {
    const std::wstring file = argumentPath(options->input);
    Wardrobe wardrobe;  // read only to refuse a file that is no wardrobe
    if (!readWardrobeArgument(file, wardrobe)) {
      exitStatus = kFileError;
      return;
    }
    const std::wstring output = argumentPath(options->output);
    catchInterruption();
    ProgressBar bar("Backing up:");
    BackupSummary summary;
    const ExportResult result = backupWardrobe(file, output, progressOn(bar), &summary);
    bar.finish();
    if (!reportOutcome(result, options->output, exitStatus)) return;
    nlohmann::ordered_json skipped = nlohmann::ordered_json::array();
    for (const std::wstring& path : summary.skipped) skipped.push_back(toUtf8(path));
    printJson({{"backup", toUtf8(output)}, {"files", summary.files}, {"bytes", summary.bytes}, {"skipped", skipped}});
  });
}

void registerRestoreCommand(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "restore",
      "Unpacks a backup made by `backup` into the new folder FOLDER, refusing archives that hold links, names outside "
      "the folder, entries that would overwrite one another or unpack into far more than they declare. Prints "
      "{wardrobe} with the restored wardrobe file's path.");
  auto options = std::make_shared<TwoPaths>();
  command->add_option("IN", options->input, "the zip file")->required();
  command->add_option("FOLDER", options->output, "the folder to make (must not exist; its parent must)")->required();
  command->callback([options, &exitStatus] {
    catchInterruption();
    ProgressBar bar("Restoring:");
    std::wstring wardrobeFile;
    const ExportResult result =
        restoreWardrobe(argumentPath(options->input), argumentPath(options->output), progressOn(bar), &wardrobeFile);
    bar.finish();
    if (!reportOutcome(result, options->output, exitStatus)) return;
    printJson({{"wardrobe", toUtf8(wardrobeFile)}});
  });
}

}  // namespace tavoro::cli
