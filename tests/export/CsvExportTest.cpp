// The spreadsheet export read back by Python's csv module: an independent,
// widely used reader of the RFC 4180 dialect (strict mode raises on bad
// quoting), so the test does not share the writer's idea of the format.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "AwkwardWardrobe.h"
#include "CliRunner.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "export/CsvExport.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

using Rows = std::vector<std::vector<std::string>>;

const char* const kReader =
    "import csv, json, sys\n"
    "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
    "    print(json.dumps(list(csv.reader(f, strict=True))))\n";

std::string guarded(const std::wstring& text) {
  const std::string bytes = toUtf8(text);
  return !bytes.empty() && std::string("=+-@").find(bytes[0]) != std::string::npos ? "'" + bytes : bytes;
}

TEST(CsvExportTest, AwkwardWardrobeReadsBackByARealCsvParser) {
  if (test::findProgram("python3").empty()) GTEST_SKIP() << "python3 is not installed";
  test::TempDir dir;
  Wardrobe wardrobe;
  ASSERT_TRUE(readWardrobe(test::makeAwkwardWardrobe(dir / L"w"), wardrobe));
  const WardrobeSnapshot snapshot = takeSnapshot(wardrobe);
  ASSERT_TRUE(exportCsv(snapshot, dir / L"out.csv", {}).ok());

  const std::string bytes = test::readFile(dir / L"out.csv");
  EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");  // no byte-order mark
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  const test::CliRun run = test::runProgram("python3", {"-c", kReader, toUtf8(dir / L"out.csv")});
  ASSERT_EQ(run.status, 0) << run.err;
  const Rows rows = nlohmann::json::parse(run.out).get<Rows>();

  const Rows header = {{"Collection", "Item", "Colour", "Size, EU", "\xD0\xA6\xD0\xB2\xD0\xB5\xD1\x82", "Colour (2)",
                        "Fit", "Photos", "First Photo", "Wear Count", "Last Worn"}};
  ASSERT_EQ(rows.size(), 1 + test::kAwkwardTexts.size() + 2);
  EXPECT_EQ(rows[0], header[0]);
  const auto& texts = test::kAwkwardTexts;
  const Collection* first = wardrobe.collections().at(0);
  for (size_t i = 0; i < texts.size(); ++i) {
    std::vector<std::string> expected = {guarded(texts[0]), guarded(texts[i])};
    for (size_t t = 0; t < 4; ++t) expected.push_back(guarded(texts[(i + t + 1) % texts.size()]));
    expected.push_back("");  // Fit belongs to the other collection
    expected.push_back(i == 0 ? "2" : "1");
    expected.push_back(toUtf8(first->items().at(i)->mainPhotoPath()));
    expected.push_back("0");
    expected.push_back("");
    EXPECT_EQ(rows[1 + i], expected) << "item " << i;
  }
  EXPECT_EQ(rows.back()[1], "Coat");
  EXPECT_EQ(rows.back()[6], "");  // a tag without a value
}

TEST(CsvExportTest, CancelledOrRefusedExportLeavesNothingBehind) {
  test::TempDir dir;
  Wardrobe wardrobe;
  ASSERT_TRUE(readWardrobe(test::makeAwkwardWardrobe(dir / L"w"), wardrobe));
  const WardrobeSnapshot snapshot = takeSnapshot(wardrobe);
  ASSERT_TRUE(createFolders(dir / L"out"));

  const ExportResult cancelled = exportCsv(snapshot, dir / L"out/a.csv", [](uint64_t done, uint64_t) { return done < 3; });
  EXPECT_TRUE(cancelled.cancelled);
  test::writeFile(dir / L"out/taken.csv", "mine");
  const ExportResult refused = exportCsv(snapshot, dir / L"out/taken.csv", {});
  EXPECT_FALSE(refused.ok());
  EXPECT_EQ(refused.status.reason(), "exists already");
  const ExportResult noFolder = exportCsv(snapshot, dir / L"missing/a.csv", {});
  EXPECT_EQ(noFolder.status.reason(), "no such folder");

  std::vector<FolderEntry> left;
  ASSERT_TRUE(listFolder(dir / L"out", left));
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].name, L"taken.csv");
  EXPECT_EQ(test::readFile(dir / L"out/taken.csv"), "mine");
}

}  // namespace
}  // namespace tavoro
