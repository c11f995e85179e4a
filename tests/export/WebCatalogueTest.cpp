// The web catalogue of an awkward wardrobe: what it writes, that no name can
// break a page or a file name, that it leaves nothing when stopped, and that
// a real browser shows it (headless Chromium, when installed).
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "AwkwardWardrobe.h"
#include "CliRunner.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "export/WebCatalogueExport.h"
#include "imaging/PhotoImage.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

struct Catalogue {
  test::TempDir dir;
  Wardrobe wardrobe;
  WardrobeSnapshot snapshot;
  std::wstring folder = dir / L"out/catalogue";

  Catalogue() {
    EXPECT_TRUE(readWardrobe(test::makeAwkwardWardrobe(dir / L"w"), wardrobe));
    snapshot = takeSnapshot(wardrobe);
    EXPECT_TRUE(createFolders(dir / L"out"));
  }
  std::vector<std::wstring> pages() const {
    std::vector<FolderEntry> entries;
    listFolder(folder, entries);
    std::vector<std::wstring> names;
    for (const FolderEntry& e : entries)
      if (e.name.ends_with(L".html")) names.push_back(e.name);
    std::sort(names.begin(), names.end());
    return names;
  }
};

Size jpegSize(const std::wstring& path) {
  PhotoImage image(ImageType::Jpg);
  return image.open(path) ? Size{image.colorBitmap().width(), image.colorBitmap().height()} : Size{};
}

TEST(WebCatalogueTest, WritesEveryPageAndPictureWithEveryNameEscaped) {
  Catalogue c;
  WebCatalogueOptions options;
  options.includeOriginals = true;
  ASSERT_TRUE(exportWebCatalogue(c.snapshot, c.folder, options, {}).ok());

  const std::vector<std::wstring> pages = c.pages();
  ASSERT_EQ(pages.size(), 4u);  // three collections and the index
  for (const std::wstring& page : pages) {
    EXPECT_TRUE(std::all_of(page.begin(), page.end(), [](wchar_t ch) { return ch < 0x80 && ch != L'/'; })) << toUtf8(page);
    const std::string html = test::readFile(c.folder + L"/" + page);
    EXPECT_EQ(html.find("<script>alert"), std::string::npos) << toUtf8(page);
    EXPECT_EQ(html.find("\"more\""), std::string::npos) << toUtf8(page);
  }
  const std::string first = test::readFile(c.folder + L"/" + pages[0]);
  EXPECT_NE(first.find("&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; co"), std::string::npos);
  EXPECT_NE(first.find("Shirts, &quot;best&quot;"), std::string::npos);
  EXPECT_NE(first.find(toUtf8(test::kAwkwardTexts[2])), std::string::npos);

  // Every photo has its two pictures, fitted and upright; the gone one has none.
  const Collection* shirts = c.wardrobe.collections().at(0);
  const std::wstring prefix = c.folder + L"/pictures/" + std::to_wstring(shirts->id()) + L"/";
  EXPECT_EQ(jpegSize(prefix + L"1-1-large.jpg"), (Size{640, 480}));
  EXPECT_EQ(jpegSize(prefix + L"1-1-small.jpg"), (Size{240, 180}));
  EXPECT_EQ(jpegSize(prefix + L"2-1-large.jpg"), (Size{200, 300}));  // stored sideways
  EXPECT_EQ(jpegSize(prefix + L"4-1-large.jpg"), (Size{1280, 960}));
  EXPECT_EQ(jpegSize(prefix + L"1-2-small.jpg"), (Size{90, 60}));  // never enlarged
  const Collection* second = c.wardrobe.collections().at(1);
  const std::wstring secondPrefix = c.folder + L"/pictures/" + std::to_wstring(second->id()) + L"/";
  EXPECT_FALSE(pathExists(secondPrefix + L"1-1-small.jpg"));
  EXPECT_EQ(jpegSize(secondPrefix + L"2-1-small.jpg"), (Size{240, 180}));
  // The originals only because they were asked for, byte for byte.
  EXPECT_EQ(test::readFile(c.folder + L"/originals/" + std::to_wstring(shirts->id()) + L"/1-2.bmp"),
            test::readFile(shirts->items().at(0)->photos().at(1)->filePath()));
}

TEST(WebCatalogueTest, StoppedOrRefusedExportLeavesNoFolder) {
  Catalogue c;
  WebCatalogueOptions options;
  options.threads = 2;
  for (uint64_t stopAt : {uint64_t{0}, uint64_t{3}, c.snapshot.photoCount() + 2}) {
    const ExportResult result =
        exportWebCatalogue(c.snapshot, c.folder, options, [stopAt](uint64_t done, uint64_t) { return done < stopAt; });
    EXPECT_TRUE(result.cancelled) << stopAt;
    std::vector<FolderEntry> left;
    ASSERT_TRUE(listFolder(c.dir / L"out", left));
    EXPECT_TRUE(left.empty()) << stopAt;
  }
  ASSERT_TRUE(createFolders(c.folder));
  const ExportResult refused = exportWebCatalogue(c.snapshot, c.folder, options, {});
  EXPECT_EQ(refused.status.reason(), "exists already");
}

TEST(WebCatalogueTest, PagesWorkInHeadlessChromium) {
  const std::string chromium = test::findProgram("chromium");
  if (chromium.empty() || test::findProgram("python3").empty())
    GTEST_SKIP() << "chromium or python3 is not installed: the catalogue was not opened in a browser";
  Catalogue c;
  ASSERT_TRUE(exportWebCatalogue(c.snapshot, c.folder, {}, {}).ok());
  std::vector<std::string> arguments = {test::sourceFolder() + "/tests/export/browser_check.py", chromium, "coat"};
  for (const std::wstring& page : c.pages()) arguments.push_back(toUtf8(c.folder + L"/" + page));
  const test::CliRun run = test::runProgram("python3", arguments, {}, {.hangAfterSeconds = 120});
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json report = nlohmann::json::parse(run.out);
  ASSERT_EQ(report.size(), 4u);
  for (const nlohmann::json& page : report) {
    SCOPED_TRACE(page.dump());
    EXPECT_TRUE(page["errors"].empty());
    EXPECT_EQ(page["shown"], page["images"]);
    EXPECT_EQ(page["visible"], page["items"]);
  }
  // Shirts: 11 items, every photo shown, no item called "coat".
  EXPECT_EQ(report[0]["items"], test::kAwkwardTexts.size());
  EXPECT_EQ(report[0]["images"], test::kAwkwardTexts.size() + 1);
  EXPECT_EQ(report[0]["filtered"], 0);
  // The second collection: its gone photo has no picture; one item is a coat.
  EXPECT_EQ(report[1]["items"], 2);
  EXPECT_EQ(report[1]["images"], 1);
  EXPECT_EQ(report[1]["filtered"], 1);
  // The index: the collection holding the coat.
  EXPECT_EQ(report[3]["page"], "index.html");
  EXPECT_EQ(report[3]["items"], 3);
  EXPECT_EQ(report[3]["filtered"], 0);
}

}  // namespace
}  // namespace tavoro
