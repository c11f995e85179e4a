// tavoro-cli combination create|add|wear|list as scripts run it: the JSON
// shape they rely on, the file it leaves, and the exit status and message
// for each thing that is missing.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "LockHolder.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "platform/Utf8.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

using nlohmann::json;
using test::CliRun;
using test::runCli;
using test::TempDir;

// A wardrobe with Tops (Shirt, Blouse, and a second Shirt) and Shoes (Boots).
std::string makeWardrobe(const TempDir& dir) {
  Wardrobe wardrobe(dir / L"W", L"W");
  Collection* tops = wardrobe.collections().add(L"Tops");
  Collection* shoes = wardrobe.collections().add(L"Shoes \u00E9");
  for (const wchar_t* name : {L"Shirt", L"Blouse", L"Shirt"})
    tops->items().add(name, static_cast<int32_t>(tops->items().count() + 1));
  shoes->items().add(L"Boots", 1);
  EXPECT_TRUE(writeWardrobe(wardrobe));
  return toUtf8(wardrobe.wardrobeFilePath());
}

json run(const std::vector<std::string>& arguments) {
  const CliRun ran = runCli(arguments);
  EXPECT_EQ(ran.status, 0) << ran.err;
  EXPECT_EQ(ran.err, "");
  return ran.status == 0 ? json::parse(ran.out) : json();
}

TEST(CombinationCommandTest, MakesFillsWearsAndListsCombinations) {
  TempDir dir;
  const std::string file = makeWardrobe(dir);
  const std::string today = toUtf8(Date::today().toText());

  json made = run({"combination", "create", file, "  Office  "});
  EXPECT_EQ(made["id"], 1);
  EXPECT_EQ(made["name"], "Office");
  EXPECT_EQ(made["created"], today);
  run({"combination", "create", file, "Weekend"});
  // The first of two items named alike; an item held already stays where it is.
  run({"combination", "add", file, "Office", "Tops", "Shirt", "Blouse"});
  run({"combination", "add", file, "Office", "Shoes \xC3\xA9", "Boots"});
  json added = run({"combination", "add", file, "Office", "Tops", "Shirt"});
  EXPECT_EQ(added["items"], json::parse(R"([{"collection": "Tops", "item": "Shirt"},
      {"collection": "Tops", "item": "Blouse"}, {"collection": "Shoes \u00e9", "item": "Boots"}])"));
  run({"combination", "wear", file, "Office", "--date", "2024-05-03"});
  run({"combination", "wear", file, "Office", "--date", "2024-01-09"});
  run({"combination", "wear", file, "Office", "--date", "2024-05-03"});  // a day counts once
  run({"combination", "wear", file, "Weekend"});

  const json listed = run({"combination", "list", file});
  const json expected = json::parse(R"([
      {"id": 1, "name": "Office", "created": ")" + today + R"(",
       "items": [{"collection": "Tops", "item": "Shirt"}, {"collection": "Tops", "item": "Blouse"},
                 {"collection": "Shoes \u00e9", "item": "Boots"}],
       "worn": ["2024-01-09", "2024-05-03"]},
      {"id": 2, "name": "Weekend", "created": ")" + today + R"(", "items": [], "worn": [")" + today + R"("]}])");
  EXPECT_EQ(listed, expected);
  const std::string printed = runCli({"combination", "list", file}).out;
  EXPECT_LT(printed.find("\"id\""), printed.find("\"name\""));
  EXPECT_LT(printed.find("\"created\""), printed.find("\"items\""));
  EXPECT_LT(printed.find("\"items\""), printed.find("\"worn\""));

  // The dump shows the same, and each item's days.
  const json dump = run({"dump", file});
  EXPECT_EQ(dump["combinations"], expected);
  const json& tops = dump["collections"][0]["items"];
  EXPECT_EQ(tops[0]["worn"], json::parse(R"(["2024-01-09", "2024-05-03"])"));
  EXPECT_EQ(tops[2]["worn"], json::array());  // the other Shirt
  EXPECT_EQ(dump["collections"][1]["items"][0]["worn"], tops[0]["worn"]);
}

TEST(CombinationCommandTest, NamesWhatIsMissingAndChangesNothing) {
  TempDir dir;
  const std::string file = makeWardrobe(dir);
  run({"combination", "create", file, "Office"});
  const std::string before = test::readFile(fromUtf8(file));
  const std::string missing = toUtf8(dir / L"none.twd");
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string err;
  };
  const std::vector<Case> cases = {
      {{"create", missing, "X"}, 1, "tavoro-cli: cannot read " + missing + ": No such file or directory\n"},
      {{"list", missing}, 1, "tavoro-cli: cannot read " + missing + ": No such file or directory\n"},
      {{"create", file, "Office"},
       1,
       "tavoro-cli: There is already a combination named \"Office\". Please choose another name.\n"},
      {{"create", file, "  "}, 2, "tavoro-cli: Please enter a name for the combination.\n"},
      {{"create", file, "a\tb"}, 2, "tavoro-cli: Invalid combination name. Please try another name.\n"},
      {{"add", file, "Gym", "Tops", "Shirt"}, 1, "tavoro-cli: no combination named \"Gym\" in " + file + "\n"},
      {{"add", file, "Office", "Hats", "Cap"}, 1, "tavoro-cli: no collection named \"Hats\" in " + file + "\n"},
      // Every item is checked before any is added.
      {{"add", file, "Office", "Tops", "Shirt", "Boots"},
       1,
       "tavoro-cli: no item named \"Boots\" in the collection \"Tops\"\n"},
      {{"wear", file, "Gym"}, 1, "tavoro-cli: no combination named \"Gym\" in " + file + "\n"},
      {{"wear", file, "Office", "--date", "2023-02-29"},
       2,
       "tavoro-cli: --date needs a day as YYYY-MM-DD, not \"2023-02-29\"\n"},
      {{"wear", file, "Office", "--date", "3.5.2024"}, 2, "tavoro-cli: --date needs a day as YYYY-MM-DD, not \"3.5.2024\"\n"},
      {{"add", file, "Office", "Tops"}, 2, ""},
      {{"frob", file}, 2, ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = {"combination"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const CliRun ran = runCli(arguments);
    SCOPED_TRACE(c.arguments[0] + " " + c.arguments.back());
    EXPECT_EQ(ran.status, c.status);
    EXPECT_EQ(ran.out, "");
    if (!c.err.empty()) {
      EXPECT_EQ(ran.err, c.err);
    }
    EXPECT_FALSE(ran.err.empty());
  }
  EXPECT_EQ(test::readFile(fromUtf8(file)), before);
}

// The window holds the wardrobe's lock file while the wardrobe is open.
TEST(CombinationCommandTest, AWardrobeOpenElsewhereIsChangedOnlyWhenForced) {
  TempDir dir;
  const std::string file = makeWardrobe(dir);
  test::LockHolder window(dir / L"W/.W.twd.lock");
  ASSERT_TRUE(window.waitUntilHeld());
  const std::string before = test::readFile(fromUtf8(file));
  const std::vector<std::vector<std::string>> changes = {
      {"create", file, "Office"}, {"add", file, "Office", "Tops", "Shirt"}, {"wear", file, "Office"}};
  for (const std::vector<std::string>& change : changes) {
    std::vector<std::string> arguments = {"combination"};
    arguments.insert(arguments.end(), change.begin(), change.end());
    const CliRun ran = runCli(arguments);
    EXPECT_EQ(ran.status, 1) << change[0];
    EXPECT_NE(ran.err.find("is open in Tavoro by"), std::string::npos) << ran.err;
    EXPECT_NE(ran.err.find("or combination " + change[0] + " with --force"), std::string::npos) << ran.err;
  }
  EXPECT_EQ(test::readFile(fromUtf8(file)), before);
  run({"combination", "list", file});  // reading needs no lock
  run({"combination", "create", file, "Office", "--force"});
  EXPECT_EQ(run({"combination", "list", file}).size(), 1u);
}

}  // namespace
}  // namespace tavoro
