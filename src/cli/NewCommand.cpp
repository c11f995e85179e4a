#include <climits>
#include <memory>

#include "Commands.h"
#include "JsonOutput.h"
#include "WardrobeInput.h"
#include "settings/AppSettings.h"
#include "platform/CharClass.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"
#include "wardrobe/WardrobeFile.h"
#include "wardrobe/WardrobeNaming.h"

namespace tavoro::cli {

namespace {

// next_wardrobe_id as the settings file holds it; 1 when there is no usable
// file. Only that number is wanted, so the work area does not matter.
int32_t storedNextWardrobeId(const std::wstring& settingsPath) {
  AppSettings settings;
  settings.loadFrom(settingsPath, Rect{0, 0, 1920, 1080});
  return settings.nextWardrobeId;
}

int makeWardrobe(const std::string& locationArgument, const std::string& nameArgument,
                 const std::string& settingsArgument) {
  const std::wstring trimmedLocation = trimSpace(fromUtf8(locationArgument));
  const std::wstring location = trimmedLocation.empty() ? trimmedLocation : absolutePath(trimmedLocation);
  const std::wstring settingsPath = settingsArgument.empty() ? AppSettings::filePath() : argumentPath(settingsArgument);

  // The dialog takes the number as it opens and keeps the next one; a name
  // of the form "My Wardrobe <m>" can raise it further when accepted.
  int32_t nextId = storedNextWardrobeId(settingsPath);
  if (nextId < INT32_MAX) ++nextId;

  const NewWardrobeCheck check = checkNewWardrobe(fromUtf8(nameArgument), location);
  if (check.problem != NewWardrobeProblem::None) {
    printError(toUtf8(check.message));
    return check.problem == NewWardrobeProblem::InvalidName ? kUsageError : kFileError;
  }
  nextId = nextWardrobeIdAfterAccept(check.name, nextId);

  if (!createFolders(check.path)) {
    printError(toUtf8(L"Error creating wardrobe folder:\n" + check.path));
    return kFileError;
  }
  Wardrobe wardrobe(check.path, check.name);
  wardrobe.setWardrobeId(nextId - 1);
  const std::wstring file = wardrobe.wardrobeFilePath();
  if (const Status written = writeWardrobe(wardrobe); !written) {
    printFileError("cannot write", written);
    return kFileError;
  }
  printJson(nlohmann::ordered_json{{"file", jsonText(file)},
                                   {"folder", jsonText(wardrobe.folder())},
                                   {"wardrobe_id", wardrobe.wardrobeId()},
                                   {"name", jsonText(wardrobe.name())}});
  return kSuccess;
}

}  // namespace

void registerNewCommand(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "new",
      "Make a new, empty wardrobe as the New Wardrobe dialog does: LOCATION is made with its parents, then the "
      "folder LOCATION/NAME, and NAME.twd is written in it at once. A name the dialog would refuse is refused with "
      "its message (exit status 2); an existing LOCATION/NAME, or a LOCATION that cannot be made, fails with exit "
      "status 1.\n"
      "The wardrobe id is chosen as the dialog chooses it: from next_wardrobe_id in the program's settings file "
      "(--settings names another; 1 when there is none), which the dialog raises by one as it opens and, for a "
      "name \"My Wardrobe <m>\" with m at least that number, to m + 1 when accepted; the id is that number less "
      "one. The settings file is only read, never written: the program owns it and rewrites it when it exits.");
  auto location = std::make_shared<std::string>();
  auto name = std::make_shared<std::string>();
  auto settings = std::make_shared<std::string>();
  command->add_option("LOCATION", *location, "the folder in which the wardrobe's folder is made")->required();
  command->add_option("NAME", *name, "the wardrobe name")->required();
  command->add_option("--settings", *settings, "the settings file to take next_wardrobe_id from");
  command->callback(
      [location, name, settings, &exitStatus] { exitStatus = makeWardrobe(*location, *name, *settings); });
}

}  // namespace tavoro::cli
