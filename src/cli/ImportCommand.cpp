// tavoro-cli import FILE.twd COLLECTION PATH... [--yes]: adds photo files as
// new items of a collection, as dropping them on the item list would.
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "JsonOutput.h"
#include "ProgressBar.h"
#include "WardrobeInput.h"
#include "WardrobeLock.h"
#include "imaging/import/AddFiles.h"
#include "imaging/import/FilterThread.h"
#include "imaging/import/ImportMessages.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::cli {

namespace {

struct ImportOptions {
  std::string file;
  std::string collection;
  std::vector<std::string> paths;
  bool yes = false;
  bool force = false;
};

std::string oneLine(std::wstring text) {
  for (size_t at; (at = text.find(L"\n\n")) != std::wstring::npos;) text.replace(at, 2, L" ");
  for (wchar_t& c : text)
    if (c == L'\n') c = L' ';
  return toUtf8(text);
}

// The question on the terminal; anything but y or yes is no.
bool askOnTerminal(size_t count) {
  std::cerr << toUtf8(addFilesQuestion(count)) << " [y/N] " << std::flush;
  std::string answer;
  if (!std::getline(std::cin, answer)) return false;
  return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes" || answer == "YES";
}

// The photo files among the paths, found as the program's filter thread finds them.
bool filterPaths(const std::vector<std::string>& arguments, ImportList& accepted) {
  ImportList input;
  for (const std::string& argument : arguments) input.add(argumentPath(argument));
  ProgressBar bar("Filtering files:");
  FilterThread filter(input, [&bar](FilterEvent, size_t count) { bar.update(count, 0); });
  if (!filter.start()) return false;
  filter.wait();
  accepted = filter.accepted();
  return true;
}

// The paths that name nothing, or nothing this user may read, each named on
// standard error. The others are imported all the same.
bool anyUnreadable(const std::vector<std::string>& arguments) {
  bool unreadable = false;
  for (const std::string& argument : arguments) {
    const std::wstring path = argumentPath(argument);
    const char* what = nullptr;
    if (!pathExists(path))
      what = "no such file or folder";
    else if (::access(toUtf8(path).c_str(), R_OK) != 0)
      what = "permission denied";
    if (!what) continue;
    printError("cannot read " + argument + ": " + what);
    unreadable = true;
  }
  return unreadable;
}

// Takes back the copies of an import whose save failed: they would be orphans
// beside a file that does not name them. Only those copies go (the photo
// folder may be shared with another wardrobe through a link); folders that
// keep other files are named.
void undoImport(Wardrobe& wardrobe, Collection& collection, const std::vector<Item*>& items) {
  RemovalReport report;
  for (Item* item : items) collection.items().remove(item, &report);
  // Folders the import made for its first photos go too, when nothing else is in them.
  removeEmptyFolder(collection.photoFolder());
  removeEmptyFolder(wardrobe.photoFolder());
  for (const std::wstring& folder : report.foldersKept)
    printError("kept " + toUtf8(folder) + ": it holds files that are not the imported photos");
}

int runImport(const ImportOptions& options) {
  const std::wstring collectionName = fromUtf8(options.collection);
  if (collectionName == kAllCollectionsName) {
    printError(oneLine(kAllCollectionsRefusal));
    return kUsageError;
  }
  const std::wstring file = argumentPath(options.file);
  LockFile lock;
  if (!lockWardrobe(file, options.force, lock, "import")) return kFileError;
  // Taken before the file is read: the save replaces only this version of
  // it, so that a program that saved it meanwhile does not lose its work.
  FileIdentity identity;
  readFileIdentity(file, identity);
  Wardrobe wardrobe;
  if (!readWardrobeArgument(file, wardrobe)) return kFileError;
  Collection* collection = wardrobe.collections().findByName(collectionName);
  if (!collection) {
    printError("no collection of " + toUtf8(file) + " is named \"" + options.collection + "\"");
    return kUsageError;
  }

  const bool unreadable = anyUnreadable(options.paths);
  ImportList accepted;
  if (!filterPaths(options.paths, accepted)) {
    printError("the files cannot be filtered: no thread could be started");
    return kFileError;
  }
  // The question needs someone to answer it; a script says --yes instead.
  if (accepted.count() >= kAddFilesConfirmationCount && !options.yes && ::isatty(STDIN_FILENO) != 1) {
    printError(std::to_string(accepted.count()) +
               " files are to be added: confirm with --yes when standard input is not a terminal");
    return kUsageError;
  }
  AddedFiles added;
  {
    ProgressBar bar("Adding photos:  ");
    added = addFiles(
        collection, accepted, [&options](size_t count) { return options.yes || askOnTerminal(count); },
        [&bar](size_t done, size_t total) { bar.update(done, total); });
  }
  if (const Status written = added.items.empty() ? Status() : writeWardrobe(wardrobe, &identity, nullptr); !written) {
    printError("cannot write " + toUtf8(written.path()) + ": " + written.reason() + "; no photo was added");
    undoImport(wardrobe, *collection, added.items);
    return kFileError;
  }

  nlohmann::json failed = nlohmann::json::array();
  const size_t firstWithoutId = added.failed.size() - added.noIdLeft;
  for (size_t i = 0; i < added.failed.size(); ++i) {
    const std::string path = toUtf8(added.failed[i]);
    if (i < firstWithoutId)
      printError("cannot add " + path + ": it cannot be read, or copied into the wardrobe");
    else
      printError("cannot add " + path + ": every item id of the collection \"" + options.collection +
                 "\" is used up (the last is 2147483646)");
    failed.push_back(jsonText(added.failed[i]));
  }
  printJson(nlohmann::ordered_json{{"accepted", accepted.count()}, {"added", added.items.size()}, {"failed", failed}});
  return unreadable || !added.failed.empty() ? kFileError : kSuccess;
}

}  // namespace

void registerImportCommand(CLI::App& app, int& exitStatus) {
  auto options = std::make_shared<ImportOptions>();
  CLI::App* command = app.add_subcommand(
      "import",
      "Add photo files as new items of a collection and save the wardrobe. Folders are searched recursively; "
      "only BMP, JPEG and PNG files are kept. Prints {\"accepted\", \"added\", \"failed\": [paths]}.");
  command->add_option("FILE", options->file, "The wardrobe file (.twd)")->required();
  command->add_option("COLLECTION", options->collection, "The name of the collection to add to")->required();
  command->add_option("PATH", options->paths, "Photo files and folders")->required();
  command->add_flag("-y,--yes", options->yes, "Add 20 files or more without asking");
  command->add_flag("--force", options->force,
                    "Import even while the wardrobe is open in Tavoro elsewhere (its lock file is left alone)");
  command->callback([options, &exitStatus] { exitStatus = runImport(*options); });
}

}  // namespace tavoro::cli
