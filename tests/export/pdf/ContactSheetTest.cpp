// The PDF contact sheet of an awkward wardrobe: its page count read by
// poppler's pdfinfo (when installed), the paper by the locale or by choice,
// and nothing left behind when it is stopped.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLocale>

#include "AwkwardWardrobe.h"
#include "CliRunner.h"
#include "TempDir.h"
#include "export/pdf/ContactSheet.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

std::string pdfInfo(const std::wstring& path, const std::string& field) {
  const test::CliRun run = test::runProgram("pdfinfo", {toUtf8(path)});
  const size_t at = run.out.find(field + ":");
  if (run.status != 0 || at == std::string::npos) return "(pdfinfo failed: " + run.err + ")";
  const size_t start = run.out.find_first_not_of(' ', at + field.size() + 1);
  return run.out.substr(start, run.out.find('\n', start) - start);
}

TEST(ContactSheetTest, APageOrMorePerCollectionOnThePaperChosen) {
  if (test::findProgram("pdfinfo").empty()) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
  test::TempDir dir;
  Wardrobe wardrobe;
  ASSERT_TRUE(readWardrobe(test::makeAwkwardWardrobe(dir / L"w"), wardrobe));
  const WardrobeSnapshot snapshot = takeSnapshot(wardrobe);

  ContactSheetOptions options;  // 20 a page: each of the three collections on one page
  ASSERT_TRUE(exportContactSheet(snapshot, dir / L"a.pdf", options, {}).ok());
  EXPECT_EQ(pdfInfo(dir / L"a.pdf", "Pages"), "3");

  options.columns = 2;
  options.rows = 2;  // 11 items on 3 pages, 2 on 1, the empty collection on 1
  options.paper = ContactSheetOptions::Paper::Letter;
  options.tagNames = {L"Size, EU", L"none such"};
  ASSERT_TRUE(exportContactSheet(snapshot, dir / L"b.pdf", options, {}).ok());
  EXPECT_EQ(pdfInfo(dir / L"b.pdf", "Pages"), "5");
  EXPECT_NE(pdfInfo(dir / L"b.pdf", "Page size").find("(letter)"), std::string::npos);

  options.paper = ContactSheetOptions::Paper::A4;
  ASSERT_TRUE(exportContactSheet(WardrobeSnapshot{}, dir / L"c.pdf", options, {}).ok());
  EXPECT_EQ(pdfInfo(dir / L"c.pdf", "Pages"), "1");  // a wardrobe without collections
  EXPECT_NE(pdfInfo(dir / L"c.pdf", "Page size").find("(A4)"), std::string::npos);
}

TEST(ContactSheetTest, PaperFollowsTheLocale) {
  EXPECT_EQ(paperForLocale(QLocale(QLocale::English, QLocale::UnitedStates)), QPageSize::Letter);
  EXPECT_EQ(paperForLocale(QLocale(QLocale::German, QLocale::Germany)), QPageSize::A4);
  EXPECT_EQ(paperForLocale(QLocale(QLocale::English, QLocale::UnitedKingdom)), QPageSize::A4);
}

TEST(ContactSheetTest, StoppedOrRefusedSheetLeavesNothing) {
  test::TempDir dir;
  Wardrobe wardrobe;
  ASSERT_TRUE(readWardrobe(test::makeAwkwardWardrobe(dir / L"w"), wardrobe));
  ASSERT_TRUE(createFolders(dir / L"out"));
  const ExportResult stopped = exportContactSheet(takeSnapshot(wardrobe), dir / L"out/a.pdf", {},
                                                  [](uint64_t done, uint64_t) { return done < 4; });
  EXPECT_TRUE(stopped.cancelled);
  std::vector<FolderEntry> left;
  ASSERT_TRUE(listFolder(dir / L"out", left));
  EXPECT_TRUE(left.empty());
  EXPECT_EQ(exportContactSheet({}, dir / L"w", {}, {}).status.reason(), "exists already");
}

}  // namespace
}  // namespace tavoro

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
