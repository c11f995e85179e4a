#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "PhotoFactory.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/DibBitmap.h"
#include "imaging/thumbnails/ThumbnailBmp.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::readFile;
using test::runCli;
using test::TempDir;
using test::writeFile;

DibBitmap readCell(const std::wstring& path) {
  const std::string bytes = readFile(path);
  DibBitmap cell;
  EXPECT_TRUE(decodeThumbnail(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), cell)) << toUtf8(path);
  return cell;
}

class CellsCommandTest : public ::testing::Test {
 protected:
  std::string photo(const std::wstring& name, const std::string& bytes) {
    writeFile(m_dir / name, bytes);
    return toUtf8(m_dir / name);
  }
  std::string out() const { return toUtf8(m_dir / L"cells"); }
  TempDir m_dir;
};

TEST_F(CellsCommandTest, WritesEachCellAndDescribesIt) {
  const std::string plain = photo(L"plain.bmp", test::bmpBytes(400, 300));
  const std::string camera = photo(L"camera.jpg", test::withExif(test::jpegBytes(400, 300), test::jpegBytes(128, 96)));
  const test::CliRun r = runCli({"cells", plain, camera, "--out", out()});
  ASSERT_EQ(r.status, 0) << r.err;
  const nlohmann::json cells = nlohmann::json::parse(r.out);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0]["file"], plain);
  EXPECT_EQ(cells[0]["cell"], out() + "/plain.bmp");
  EXPECT_EQ(cells[0]["thumbnail"], (nlohmann::json{{"x", 1}, {"y", 13}, {"width", 94}, {"height", 70}}));
  EXPECT_EQ(cells[0]["exif_badge"], false);
  EXPECT_EQ(cells[1]["cell"], out() + "/camera.bmp");
  EXPECT_EQ(cells[1]["exif_badge"], true);

  const DibBitmap cell = readCell(m_dir / L"cells/plain.bmp");
  EXPECT_EQ(cell.width(), 96);
  EXPECT_EQ(cell.height(), 96);
  EXPECT_EQ(cell.pixel(0, 0), 0xDADEE5u);  // matte
  EXPECT_EQ(cell.pixel(95, 95), 0xDADEE5u);
  const DibBitmap badged = readCell(m_dir / L"cells/camera.bmp");
  EXPECT_NE(badged.pixel(95, 0), cell.pixel(95, 0));  // the badge's corner
  EXPECT_EQ(badged.pixel(81, 7), 0xDADEE5u);          // just below it
}

TEST_F(CellsCommandTest, CellSizeAndMatteAreOptions) {
  const std::string wide = photo(L"wide.bmp", test::bmpBytes(384, 288));
  const test::CliRun r = runCli({"cells", wide, "--out", out(), "--cell", "48", "--no-matte"});
  ASSERT_EQ(r.status, 0) << r.err;
  const nlohmann::json cells = nlohmann::json::parse(r.out);
  EXPECT_EQ(cells[0]["thumbnail"], (nlohmann::json{{"x", 0}, {"y", 6}, {"width", 48}, {"height", 36}}));
  const DibBitmap cell = readCell(m_dir / L"cells/wide.bmp");
  EXPECT_EQ(cell.width(), 48);
  EXPECT_EQ(cell.pixel(0, 0), 0xFFFFFFu);  // the background, no matte

  for (const char* size : {"5", "0", "99999", "x"})
    EXPECT_EQ(runCli({"cells", wide, "--out", out(), "--cell", size}).status, 2) << size;
  EXPECT_EQ(runCli({"cells", wide}).status, 2);  // --out is required
  EXPECT_EQ(runCli({"cells", "--out", out()}).status, 2);
  EXPECT_EQ(runCli({"cells", "--help"}).status, 0);
}

TEST_F(CellsCommandTest, APhotoThatCannotBeReadIsNamedAndTheOthersStillMade) {
  const std::string first = photo(L"a.bmp", test::bmpBytes(20, 20));
  createFolders(m_dir / L"other");
  const std::string second = photo(L"other/a.png.bmp", test::bmpBytes(20, 20, 3));
  const std::string third = photo(L"other/a.bmp", test::bmpBytes(20, 20, 4));
  const std::string broken = photo(L"broken.jpg", "not a photo");
  const test::CliRun r = runCli({"cells", first, broken, second, third, "--out", out()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(broken), std::string::npos) << r.err;
  const nlohmann::json cells = nlohmann::json::parse(r.out);
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_EQ(cells[0]["cell"], out() + "/a.bmp");
  EXPECT_EQ(cells[1]["cell"], out() + "/a.png.bmp");
  EXPECT_EQ(cells[2]["cell"], out() + "/a (2).bmp");  // no cell of a run replaces another
  EXPECT_TRUE(isFile(m_dir / L"cells/a (2).bmp"));
}

}  // namespace
}  // namespace tavoro
