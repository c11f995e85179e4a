#include <memory>

#include "Commands.h"
#include "JsonOutput.h"
#include "WardrobeInput.h"
#include "platform/Utf8.h"
#include "search/SearchEngine.h"
#include "wardrobe/Collection.h"

namespace tavoro::cli {

namespace {

struct SearchOptions {
  std::string file;
  std::string query;
  std::string collection;
  bool inCollection = false;
};

const char* kindText(TermKind kind) {
  switch (kind) {
    case TermKind::ItemName:
      return "ItemName";
    case TermKind::TagValue:
      return "TagValue";
    case TermKind::Worn:
      return "Worn";
    case TermKind::AnyField:
      break;
  }
  return "AnyField";
}

int search(const SearchOptions& options) {
  const std::wstring path = argumentPath(options.file);
  Wardrobe wardrobe;
  if (!readWardrobeArgument(path, wardrobe)) return kFileError;

  Collection* scope = wardrobe.collections().allCollections();
  if (options.inCollection) {
    scope = wardrobe.collections().findByName(fromUtf8(options.collection));
    if (!scope) {
      printError("no collection named \"" + options.collection + "\" in " + toUtf8(path));
      return kFileError;
    }
  }

  SearchEngine engine;
  engine.setScope(scope);
  nlohmann::ordered_json terms = nlohmann::ordered_json::array();
  nlohmann::ordered_json results = nlohmann::ordered_json::array();
  if (engine.parse(fromUtf8(options.query))) {
    for (const SearchTerm& term : engine.terms()) {
      nlohmann::ordered_json json = {{"kind", kindText(term.kind)},
                                     {"value", jsonText(term.value)},
                                     {"tag_key", jsonText(term.tagKey)},
                                     {"exact", term.exact}};
      // Days not worn; -1 for never.
      if (term.kind == TermKind::Worn) json["worn_days"] = term.wornDays;
      terms.push_back(std::move(json));
    }
    engine.run();
    for (SearchResult& result : engine.results()) {
      engine.rowMarkup(result);
      results.push_back({{"collection", jsonText(result.item->owner()->collection()->name())},
                         {"item_id", result.item->id()},
                         {"name", jsonText(result.item->name())},
                         {"name_markup", jsonText(result.nameMarkup)},
                         {"detail_markup", jsonText(result.detailMarkup)}});
    }
  }
  printJson(nlohmann::ordered_json{{"terms", std::move(terms)}, {"results", std::move(results)}});
  return kSuccess;
}

}  // namespace

void registerSearchCommand(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "search",
      "Search a wardrobe as the search box does and print the terms of the query and the items found, in the "
      "program's order, with the highlight markup of each result row. The whole wardrobe is searched unless "
      "--collection names one collection. Put -- before a query that begins with a dash.");
  auto options = std::make_shared<SearchOptions>();
  command->add_option("FILE", options->file, "the wardrobe file (.twd)")->required();
  command
      ->add_option("QUERY", options->query,
                   "words, \"quoted phrases\", itemname:VALUE and TAG:VALUE terms (\":=\" for a whole value); "
                   "an item is found when every term matches")
      ->required();
  command->add_option("--collection", options->collection, "search only the collection of this exact name");
  command->callback([options, command, &exitStatus] {
    options->inCollection = command->count("--collection") > 0;
    exitStatus = search(*options);
  });
}

}  // namespace tavoro::cli
