// tavoro-cli as a user runs it: the built program, real files, exit status,
// standard output and standard error.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

using test::CliRun;
using test::readFile;
using test::runCli;
using test::TempDir;
using test::writeFile;

std::string settingsWithNextId(int32_t next) {
  return "<?xml version=\"1.0\"?><TavoroSettings version=\"1.0\" xmlns=\"http://www.tavoro.example/xmlns/settings\">"
         "<States><Application next_wardrobe_id=\"" +
         std::to_string(next) + "\"/></States></TavoroSettings>";
}

TEST(CliTest, NewMakesAWardrobeAsTheDialogDoes) {
  TempDir dir;
  const std::string settings = toUtf8(dir / L"Settings.xml");
  writeFile(dir / L"Settings.xml", settingsWithNextId(7));
  const std::string location = toUtf8(dir / L"made/on demand");

  CliRun run = runCli({"new", location, "  Caf\xC3\xA9 \xF0\x9F\x91\x95  ", "--settings", settings});
  ASSERT_EQ(run.status, 0) << run.err;
  nlohmann::json out = nlohmann::json::parse(run.out);
  const std::string file = location + "/Caf\xC3\xA9 \xF0\x9F\x91\x95/Caf\xC3\xA9 \xF0\x9F\x91\x95.twd";
  EXPECT_EQ(out["file"], file);
  EXPECT_EQ(out["wardrobe_id"], 7);  // the number the dialog would have offered
  EXPECT_EQ(out["name"], "Caf\xC3\xA9 \xF0\x9F\x91\x95");
  Wardrobe wardrobe;
  ASSERT_TRUE(readWardrobe(fromUtf8(file), wardrobe));
  EXPECT_EQ(wardrobe.wardrobeId(), 7);
  EXPECT_EQ(wardrobe.collections().count(), 0u);
  EXPECT_EQ(readFile(dir / L"Settings.xml"), settingsWithNextId(7));  // only read

  // A default name with a number at least the next one takes that number.
  run = runCli({"new", location, "My Wardrobe 40", "--settings", settings});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out)["wardrobe_id"], 40);
  run = runCli({"new", location, "My Wardrobe 3", "--settings", settings});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out)["wardrobe_id"], 7);
  run = runCli({"new", location, "No settings", "--settings", toUtf8(dir / L"none.xml")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out)["wardrobe_id"], 1);
}

TEST(CliTest, NewRefusesWithTheProgramsMessages) {
  TempDir dir;
  const std::string location = toUtf8(dir.path());
  CliRun run = runCli({"new", location, "a/b"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "tavoro-cli: Invalid wardrobe name: a/b\n\nHint: a wardrobe name cannot contain any of the following "
            "charactes:\n\t\\ / : * ? \" < > |\n");
  EXPECT_EQ(run.out, "");

  ASSERT_TRUE(createFolders(dir / L"Taken"));
  run = runCli({"new", location, "Taken"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "tavoro-cli: A wardrobe with the specified name already exists on disk in the specified location.\n\n"
            "Please enter a new wardrobe name or choose another folder.\n");
  EXPECT_EQ(readFile(dir / L"Taken/Taken.twd"), "");  // nothing written into it

  writeFile(dir / L"file", "x");
  run = runCli({"new", location + "/file", "W"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "tavoro-cli: Invalid folder: \"" + location + "/file\"\n\nPlease specify another location.\n");
}

TEST(CliTest, DumpPrintsEverythingThatWasRead) {
  TempDir dir;
  Wardrobe wardrobe(dir / L"W", L"Mine \"&\"");
  wardrobe.setWardrobeId(3);
  Collection* c = wardrobe.collections().add(L"Shirts \u6D77");
  wardrobe.collections().setHotId(c->id());
  Tag* colour = c->tags().add(L"Colour");
  Tag* size = c->tags().add(L"Size");
  Item* item = c->items().add(L"Blue", 4);
  c->items().setNextId(5);
  item->setDateAdded(DateTime(Date::fromParts(2012, 9, 8), Time::fromParts(14, 3, 7, 5)));
  item->photos().addExisting(ImageType::Png, 2);
  item->photos().setNextId(3);
  item->records().set(size->id(), L"L");
  item->records().set(colour->id(), L"\U0001F535 blue");
  ASSERT_TRUE(writeWardrobe(wardrobe));

  const CliRun run = runCli({"dump", toUtf8(dir / L"W/Mine \"&\".twd")});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string folder = toUtf8(dir / L"W");
  const nlohmann::json expected = {
      {"file", folder + "/Mine \"&\".twd"},
      {"wardrobe_id", 3},
      {"name", "Mine \"&\""},
      {"collections_next_id", 2},
      {"hot_id", 1},
      {"collections",
       {{{"id", 1},
         {"name", "Shirts \xE6\xB5\xB7"},
         {"tags_next_id", 1003},
         {"tags", {{{"id", 1001}, {"name", "Colour"}}, {{"id", 1002}, {"name", "Size"}}}},
         {"items_next_id", 5},
         {"items",
          {{{"id", 4},
            {"name", "Blue"},
            {"date_added", "2012-09-08 14:03:07.005"},
            {"photos_next_id", 3},
            {"photos",
             {{{"id", 2}, {"format", 5}, {"file", folder + "/_Wardrobe_Photos_/C_000001/I_000004/P_000002.png"}}}},
            {"records",
             {{{"tag_id", 1002}, {"value", "L"}}, {{"tag_id", 1001}, {"value", "\xF0\x9F\x94\xB5 blue"}}}},
            {"worn", nlohmann::json::array()}}}}}}},
      {"combinations", nlohmann::json::array()},
  };
  EXPECT_EQ(nlohmann::json::parse(run.out), expected);
  // Keys come in the documented order.
  EXPECT_LT(run.out.find("\"file\""), run.out.find("\"wardrobe_id\""));
  EXPECT_LT(run.out.find("\"wardrobe_id\""), run.out.find("\"name\""));
}

TEST(CliTest, ResaveWritesTheRepairedFile) {
  TempDir dir;
  const std::wstring file = dir / L"damaged.twd";
  writeFile(file,
            "<?xml version=\"1.0\"?>\r\n<TavoroWardrobe version=\"1.0\" xmlns=\"http://www.tavoro.example/xmlns/twd\">"
            "<Collections next_id=\"1\"><Collection id=\"2\" name=\"C\"><Items next_id=\"1\"><Item id=\"5\" "
            "name=\"I\" date_added=\"2012-09-08 14:03:07.005\"><Photos next_id=\"1\"><Photo id=\"1\" format=\"2\"/>"
            "<Photo id=\"2\" format=\"4\"/></Photos></Item><Item id=\"6\" name=\"\" date_added=\"2012-09-08 14:03:07.006\"/>"
            "</Items>"
            "</Collection><Collection id=\"0\" name=\"Zero\"/></Collections></TavoroWardrobe>");
  CliRun run = runCli({"resave", toUtf8(file), "--output", toUtf8(dir / L"out/fixed.twd")});
  ASSERT_EQ(run.status, 0) << run.err;
  // The nameless item is kept, named "unnamed", with its date (a date that
  // cannot be read would become the time of reading, different each run).
  EXPECT_EQ(nlohmann::json::parse(run.out)["items"], 2);
  const std::string fixed = readFile(dir / L"out/fixed.twd");
  EXPECT_NE(fixed.find("name=\"unnamed\""), std::string::npos) << fixed;
  EXPECT_NE(fixed.find("<Collections next_id=\"3\" hot_id=\"0\">"), std::string::npos) << fixed;
  EXPECT_NE(fixed.find("<Photos next_id=\"3\">"), std::string::npos) << fixed;
  EXPECT_EQ(fixed.find("format=\"2\""), std::string::npos) << fixed;
  EXPECT_EQ(fixed.find("Zero"), std::string::npos) << fixed;
  EXPECT_NE(fixed.find("wardrobe_name=\"damaged\""), std::string::npos) << fixed;
  EXPECT_NE(readFile(file), fixed);  // the input is left alone

  run = runCli({"resave", toUtf8(file)});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(readFile(file), fixed);
}

TEST(CliTest, ReportsFileErrorsAndWrongUsage) {
  TempDir dir;
  const std::string missing = toUtf8(dir / L"missing.twd");
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string err;  // the whole of standard error when not empty
  };
  writeFile(dir / L"text.twd", "not a wardrobe");
  const std::vector<Case> cases = {
      {{"dump", missing}, 1, "tavoro-cli: cannot read " + missing + ": No such file or directory\n"},
      {{"resave", missing}, 1, "tavoro-cli: cannot read " + missing + ": No such file or directory\n"},
      {{"dump", toUtf8(dir.path())}, 1, "tavoro-cli: cannot read " + toUtf8(dir.path()) + ": Is a directory\n"},
      {{"dump", toUtf8(dir / L"text.twd")},
       1,
       "tavoro-cli: cannot read " + toUtf8(dir / L"text.twd") + ": XML error at line 1\n"},
      {{}, 2, ""},
      {{"dump"}, 2, ""},
      {{"dump", "a", "b"}, 2, ""},
      {{"new", "only-location"}, 2, ""},
      {{"resave", missing, "--output"}, 2, ""},
      {{"resave", missing, "--output", ""}, 2, "tavoro-cli: --output needs a file name\n"},
      {{"frobnicate"}, 2, ""},
  };
  for (const Case& c : cases) {
    const CliRun run = runCli(c.arguments);
    std::string line;
    for (const std::string& a : c.arguments) line += a + " ";
    EXPECT_EQ(run.status, c.status) << line << run.err;
    EXPECT_EQ(run.out, "") << line;
    if (!c.err.empty()) {
      EXPECT_EQ(run.err, c.err) << line;
    }
    EXPECT_FALSE(run.err.empty()) << line;
  }
  // A wardrobe whose file cannot be replaced is reported, not half written.
  Wardrobe wardrobe(dir / L"W", L"W");
  ASSERT_TRUE(writeWardrobe(wardrobe));
  const CliRun blocked = runCli({"resave", toUtf8(dir / L"W/W.twd"), "--output", toUtf8(dir / L"W")});
  EXPECT_EQ(blocked.status, 1);
  EXPECT_EQ(blocked.err, "tavoro-cli: cannot write " + toUtf8(dir / L"W") + ": Is a directory\n");
  // Output that cannot be written is no success either.
  const std::string file = toUtf8(dir / L"W/W.twd");
  const std::vector<std::vector<std::string>> printing = {{"dump", file}, {"search", file, "shirt"}};
  for (const std::vector<std::string>& arguments : printing) {
    const CliRun full = runCli(arguments, {}, {.standardOutput = "/dev/full"});
    EXPECT_EQ(full.status, 1) << arguments[0];
    EXPECT_EQ(full.err, "tavoro-cli: standard output cannot be written\n") << arguments[0];
  }
}

TEST(CliTest, EveryCommandHasHelp) {
  TempDir dir;
  for (const char* command : {"dump", "resave", "new", "search", "combination"}) {
    const CliRun run = runCli({command, "--help"});
    EXPECT_EQ(run.status, 0) << command;
    EXPECT_NE(run.out.find(command), std::string::npos) << run.out;
  }
  const CliRun run = runCli({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("resave"), std::string::npos);
  EXPECT_NE(runCli({"new", "--help"}).out.find("next_wardrobe_id"), std::string::npos);
}

}  // namespace
}  // namespace tavoro
