// tavoro-cli combination create|add|wear|list: combinations (outfits) and the
// days they were worn, by the program's rules: names as the window takes
// them, each item once in a combination, each day once, a wear recorded on
// the combination and on each of its items.
#include <memory>
#include <string>
#include <vector>

#include "CombinationJson.h"
#include "Commands.h"
#include "JsonOutput.h"
#include "WardrobeInput.h"
#include "WardrobeLock.h"
#include "platform/FileIdentity.h"
#include "platform/Utf8.h"
#include "wardrobe/CombinationNames.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::cli {

namespace {

struct CombinationOptions {
  std::string file;
  std::string name;
  std::string collection;
  std::vector<std::string> items;
  std::string date;
  bool force = false;
};

// A wardrobe read for a change: its lock is held and the identity of the
// file read kept, so that the save replaces only that version of the file
// and never work another program saved meanwhile.
struct OpenWardrobe {
  Wardrobe wardrobe;
  LockFile lock;
  FileIdentity identity;
};

bool openForChange(const CombinationOptions& options, const std::string& command, OpenWardrobe& open) {
  const std::wstring file = argumentPath(options.file);
  if (!lockWardrobe(file, options.force, open.lock, "combination " + command)) return false;
  readFileIdentity(file, open.identity);
  return readWardrobeArgument(file, open.wardrobe);
}

bool save(OpenWardrobe& open) {
  if (const Status written = writeWardrobe(open.wardrobe, &open.identity, nullptr); !written) {
    printFileError("cannot write", written);
    return false;
  }
  return true;
}

// The combination named name; null (said on standard error) when there is none.
Combination* findCombination(Wardrobe& wardrobe, const std::string& name) {
  Combination* combination = wardrobe.combinations().findByName(fromUtf8(name));
  if (!combination) printError("no combination named \"" + name + "\" in " + toUtf8(wardrobe.wardrobeFilePath()));
  return combination;
}

int create(const CombinationOptions& options) {
  OpenWardrobe open;
  if (!openForChange(options, "create", open)) return kFileError;
  Wardrobe& wardrobe = open.wardrobe;
  CombinationList& list = wardrobe.combinations();
  const CombinationNameCheck check = checkCombinationName(list, fromUtf8(options.name));
  if (check.problem != CombinationNameProblem::None) {
    printError(toUtf8(combinationNameMessage(check.problem, check.name)));
    return check.problem == CombinationNameProblem::Taken ? kFileError : kUsageError;
  }
  Combination* combination = list.add(check.name);
  if (!combination) {
    printError("every combination id of " + toUtf8(wardrobe.wardrobeFilePath()) + " is used up");
    return kFileError;
  }
  const DateTime now = DateTime::now();
  combination->setCreated(now);
  combination->setChanged(now);
  if (!save(open)) return kFileError;
  printJson(combinationJson(*combination));
  return kSuccess;
}

int add(const CombinationOptions& options) {
  OpenWardrobe open;
  if (!openForChange(options, "add", open)) return kFileError;
  Wardrobe& wardrobe = open.wardrobe;
  Combination* combination = findCombination(wardrobe, options.name);
  if (!combination) return kFileError;
  const Collection* collection = wardrobe.collections().findByName(fromUtf8(options.collection));
  if (!collection) {
    printError("no collection named \"" + options.collection + "\" in " + toUtf8(wardrobe.wardrobeFilePath()));
    return kFileError;
  }
  // Every name must name an item before anything changes; of two items
  // with one name, the first in the collection's order is meant.
  std::vector<Item*> items;
  for (const std::string& name : options.items) {
    const std::wstring wanted = fromUtf8(name);
    Item* found = nullptr;
    for (const auto& item : collection->items().items()) {
      if (item->name() == wanted) {
        found = item.get();
        break;
      }
    }
    if (!found) {
      printError("no item named \"" + name + "\" in the collection \"" + options.collection + "\"");
      return kFileError;
    }
    items.push_back(found);
  }
  bool changed = false;
  for (Item* item : items) changed = combination->insertItem(item) || changed;
  if (changed) {
    combination->setChanged(DateTime::now());
    if (!save(open)) return kFileError;
  }
  printJson(combinationJson(*combination));
  return kSuccess;
}

int wear(const CombinationOptions& options) {
  Date day = Date::today();
  if (!options.date.empty() && !day.parseText(std::string_view(options.date))) {
    printError("--date needs a day as YYYY-MM-DD, not \"" + options.date + "\"");
    return kUsageError;
  }
  OpenWardrobe open;
  if (!openForChange(options, "wear", open)) return kFileError;
  Wardrobe& wardrobe = open.wardrobe;
  Combination* combination = findCombination(wardrobe, options.name);
  if (!combination) return kFileError;
  bool changed = false;
  if (combination->worn().add(day)) {
    combination->setChanged(DateTime::now());
    changed = true;
  }
  for (Item* item : combination->items()) changed = item->worn().add(day) || changed;
  if (changed && !save(open)) return kFileError;
  printJson(combinationJson(*combination));
  return kSuccess;
}

int list(const CombinationOptions& options) {
  Wardrobe wardrobe;
  if (!readWardrobeArgument(argumentPath(options.file), wardrobe)) return kFileError;
  printJson(combinationsJson(wardrobe.combinations()));
  return kSuccess;
}

}  // namespace

void registerCombinationCommand(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "combination",
      "Combinations (outfits) of a wardrobe's items and the days they were worn. Each subcommand but list saves "
      "the wardrobe when it changed it, and prints the combination as list prints it.");
  command->require_subcommand(1);
  auto options = std::make_shared<CombinationOptions>();
  const auto fileOption = [&options](CLI::App* sub) {
    sub->add_option("FILE", options->file, "the wardrobe file (.twd)")->required();
  };
  const auto forceOption = [&options](CLI::App* sub) {
    sub->add_flag("--force", options->force,
                  "change the wardrobe even while it is open in Tavoro elsewhere (its lock file is left alone)");
  };

  CLI::App* create = command->add_subcommand(
      "create", "Make a new, empty combination named NAME (the rules of item names; no two alike).");
  fileOption(create);
  forceOption(create);
  create->add_option("NAME", options->name, "the new combination's name")->required();
  create->callback([options, &exitStatus] { exitStatus = cli::create(*options); });

  CLI::App* add = command->add_subcommand(
      "add",
      "Add items of the collection COLLECTION, named by their names, to the end of the combination NAME; an "
      "item it holds already stays where it is. Of two items with one name, the first is taken.");
  fileOption(add);
  forceOption(add);
  add->add_option("NAME", options->name, "the combination")->required();
  add->add_option("COLLECTION", options->collection, "the collection of the items")->required();
  add->add_option("ITEM", options->items, "the items' names")->required();
  add->callback([options, &exitStatus] { exitStatus = cli::add(*options); });

  CLI::App* wear = command->add_subcommand(
      "wear", "Record that the combination NAME was worn: the day goes to the combination and to each of its items.");
  fileOption(wear);
  forceOption(wear);
  wear->add_option("NAME", options->name, "the combination")->required();
  wear->add_option("--date", options->date, "the day, YYYY-MM-DD (default: today)");
  wear->callback([options, &exitStatus] { exitStatus = cli::wear(*options); });

  CLI::App* list = command->add_subcommand(
      "list",
      "Print every combination as a JSON array of {\"id\", \"name\", \"created\", \"items\": [{\"collection\", "
      "\"item\"}], \"worn\": [\"YYYY-MM-DD\", ...]}, in the order they were made.");
  fileOption(list);
  list->callback([options, &exitStatus] { exitStatus = cli::list(*options); });
}

}  // namespace tavoro::cli
