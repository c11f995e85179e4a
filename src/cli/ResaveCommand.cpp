#include <memory>

#include "Commands.h"
#include "JsonOutput.h"
#include "WardrobeInput.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::cli {

namespace {

int resave(const std::string& input, const std::string& output) {
  const std::wstring path = argumentPath(input);
  Wardrobe wardrobe;
  if (!readWardrobeArgument(path, wardrobe)) return kFileError;
  if (!output.empty()) {
    const std::wstring target = argumentPath(output);
    wardrobe.setFolder(pathFolder(target));
    wardrobe.setFilePath(target);
  }
  const std::wstring target = wardrobe.wardrobeFilePath();
  if (const Status written = writeWardrobe(wardrobe); !written) {
    printFileError("cannot write", written);
    return kFileError;
  }
  size_t items = 0;
  for (const auto& collection : wardrobe.collections().collections()) items += collection->items().count();
  printJson(nlohmann::ordered_json{
      {"file", jsonText(target)}, {"collections", wardrobe.collections().count()}, {"items", items}});
  return kSuccess;
}

}  // namespace

void registerResaveCommand(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "resave",
      "Read a wardrobe file and write it back (to OUT when given), as the program saves it: whatever the reader "
      "repaired is written in repaired form. The file is replaced atomically; photo files are not touched.");
  auto file = std::make_shared<std::string>();
  auto output = std::make_shared<std::string>();
  command->add_option("FILE", *file, "the wardrobe file (.twd)")->required();
  CLI::Option* outputOption =
      command->add_option("--output,-o", *output, "write to this file instead (its folder is made when missing)");
  command->callback([file, output, outputOption, &exitStatus] {
    if (outputOption->count() > 0 && output->empty()) {
      printError("--output needs a file name");
      exitStatus = kUsageError;
      return;
    }
    exitStatus = resave(*file, *output);
  });
}

}  // namespace tavoro::cli
