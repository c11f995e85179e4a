// tavoro-cli export, backup and restore as scripts rely on them: the shapes
// of their arguments and output, exit 1 with the reason for anything refused,
// 2 for wrong usage.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "AwkwardWardrobe.h"
#include "CliRunner.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::runCli;

TEST(ExportCommandTest, EachFormatWritesItsOutputAndDescribesIt) {
  test::TempDir dir;
  const std::string file = toUtf8(test::makeAwkwardWardrobe(dir / L"w"));
  for (const std::string format : {"html", "csv", "pdf"}) {
    SCOPED_TRACE(format);
    const std::string out = toUtf8(dir / fromUtf8("out." + format));
    const test::CliRun run = runCli({"export", file, "--format", format, out});
#ifndef TAVORO_CLI_HAS_PDF
    if (format == "pdf") {
      EXPECT_EQ(run.status, 1);
      EXPECT_NE(run.err.find("without Qt"), std::string::npos);
      continue;
    }
#endif
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["format"], format);
    EXPECT_EQ(json["output"], out);
    EXPECT_EQ(json["collections"], 3);
    EXPECT_EQ(json["items"], test::kAwkwardTexts.size() + 2);
    EXPECT_TRUE(format == "html" ? isFile(fromUtf8(out + "/index.html")) : isFile(fromUtf8(out)));

    const test::CliRun again = runCli({"export", file, "--format", format, out});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "tavoro-cli: " + out + ": exists already\n");
  }
}

TEST(ExportCommandTest, BackupAndRestoreRoundTrip) {
  test::TempDir dir;
  const std::string file = toUtf8(test::makeAwkwardWardrobe(dir / L"w"));
  const std::string zip = toUtf8(dir / L"b.zip");
  test::CliRun run = runCli({"backup", file, zip});
  ASSERT_EQ(run.status, 0) << run.err;
  nlohmann::json json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["backup"], zip);
  EXPECT_GT(json["files"], 1);
  EXPECT_TRUE(json["skipped"].empty());

  const std::string folder = toUtf8(dir / L"restored here");
  run = runCli({"restore", zip, folder});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out), (nlohmann::json{{"wardrobe", folder + file.substr(file.rfind('/'))}}));
  const test::CliRun dump = runCli({"dump", folder + file.substr(file.rfind('/'))});
  EXPECT_EQ(dump.status, 0) << dump.err;

  run = runCli({"restore", zip, folder});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "tavoro-cli: " + folder + ": exists already\n");
  test::writeFile(dir / L"junk.zip", "not a zip");
  run = runCli({"restore", toUtf8(dir / L"junk.zip"), toUtf8(dir / L"r2")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("not a zip archive"), std::string::npos) << run.err;
  run = runCli({"backup", toUtf8(dir / L"junk.zip"), toUtf8(dir / L"c.zip")});
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(pathExists(dir / L"c.zip"));
}

TEST(ExportCommandTest, AFullDiskFailsEachCommandAndLeavesNothing) {
  test::TempDir dir;
  const std::string file = toUtf8(test::makeAwkwardWardrobe(dir / L"w"));
  ASSERT_EQ(runCli({"backup", file, toUtf8(dir / L"b.zip")}).status, 0);
  ASSERT_TRUE(createFolders(dir / L"out"));
  const std::string out = toUtf8(dir / L"out/x");
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"export", file, "--format", "html", out},
           {"export", file, "--format", "csv", out},
           {"backup", file, out},
           {"restore", toUtf8(dir / L"b.zip"), out},
       }) {
    SCOPED_TRACE(arguments[0] + " " + arguments[2]);
    // No file may grow past 2,000 bytes: the writes fail as on a full disk.
    const test::CliRun run = runCli(arguments, {}, {.maxFileBytes = 2000});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("tavoro-cli: " + out, 0), 0u) << run.err;  // named by the path the user gave
    std::vector<FolderEntry> left;
    ASSERT_TRUE(listFolder(dir / L"out", left));
    EXPECT_TRUE(left.empty());
  }
}

TEST(ExportCommandTest, WrongUsageExitsWithTwo) {
  test::TempDir dir;
  const std::string file = toUtf8(test::makeAwkwardWardrobe(dir / L"w"));
  const std::string out = toUtf8(dir / L"o");
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"export", file, out},
           {"export", file, "--format", "xls", out},
           {"export", file, "--format", "csv", "--originals", out},
           {"export", file, "--format", "html", "--paper", "a4", out},
           {"backup", file},
           {"restore", "a.zip"},
       }) {
    const test::CliRun run = runCli(arguments);
    EXPECT_EQ(run.status, 2) << arguments[1] << " " << arguments.back();
    EXPECT_FALSE(pathExists(dir / L"o"));
  }
  for (const char* command : {"export", "backup", "restore"}) EXPECT_EQ(runCli({command, "--help"}).status, 0);
}

}  // namespace
}  // namespace tavoro
