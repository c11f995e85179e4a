#include <memory>

#include "CombinationJson.h"
#include "Commands.h"
#include "JsonOutput.h"
#include "WardrobeInput.h"

namespace tavoro::cli {

namespace {

nlohmann::ordered_json itemJson(const Item& item) {
  nlohmann::ordered_json photos = nlohmann::ordered_json::array();
  for (const auto& photo : item.photos().photos())
    photos.push_back(
        {{"id", photo->id()}, {"format", static_cast<int>(photo->format())}, {"file", jsonText(photo->filePath())}});
  nlohmann::ordered_json records = nlohmann::ordered_json::array();
  for (const Record& record : item.records())
    records.push_back({{"tag_id", record.tagId()}, {"value", jsonText(record.value())}});
  return {{"id", item.id()},
          {"name", jsonText(item.name())},
          {"date_added", jsonText(item.dateAdded().toText())},
          {"photos_next_id", item.photos().nextId()},
          {"photos", std::move(photos)},
          {"records", std::move(records)},
          {"worn", wornJson(item.worn())}};
}

nlohmann::ordered_json collectionJson(const Collection& collection) {
  nlohmann::ordered_json tags = nlohmann::ordered_json::array();
  for (const auto& tag : collection.tags().tags()) tags.push_back({{"id", tag->id()}, {"name", jsonText(tag->name())}});
  nlohmann::ordered_json items = nlohmann::ordered_json::array();
  for (const auto& item : collection.items().items()) items.push_back(itemJson(*item));
  return {{"id", collection.id()},
          {"name", jsonText(collection.name())},
          {"tags_next_id", collection.tags().nextId()},
          {"tags", std::move(tags)},
          {"items_next_id", collection.items().nextId()},
          {"items", std::move(items)}};
}

int dump(const std::string& argument) {
  const std::wstring path = argumentPath(argument);
  Wardrobe wardrobe;
  if (!readWardrobeArgument(path, wardrobe)) return kFileError;
  nlohmann::ordered_json collections = nlohmann::ordered_json::array();
  for (const auto& collection : wardrobe.collections().collections())
    collections.push_back(collectionJson(*collection));
  printJson(nlohmann::ordered_json{{"file", jsonText(wardrobe.wardrobeFilePath())},
                                   {"wardrobe_id", wardrobe.wardrobeId()},
                                   {"name", jsonText(wardrobe.name())},
                                   {"collections_next_id", wardrobe.collections().nextId()},
                                   {"hot_id", wardrobe.collections().hotId()},
                                   {"collections", std::move(collections)},
                                   {"combinations", combinationsJson(wardrobe.combinations())}});
  return kSuccess;
}

}  // namespace

void registerDumpCommand(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "dump",
      "Read a wardrobe file as the program opens it (repairs applied in memory only) and print it as JSON: "
      "its collections, tags, items, photos (with their full paths), tag values and wear dates in stored order, "
      "and its combinations.");
  auto file = std::make_shared<std::string>();
  command->add_option("FILE", *file, "the wardrobe file (.twd)")->required();
  command->callback([file, &exitStatus] { exitStatus = dump(*file); });
}

}  // namespace tavoro::cli
