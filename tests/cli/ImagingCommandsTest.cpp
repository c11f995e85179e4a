// tavoro-cli photo-info, thumbnail and convert, run as a user would run them.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "CliRunner.h"
#include "ImageTestFiles.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/ImageCodec.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"


namespace tavoro {
namespace {

using test::TempDir;

using test::CliRun;
using test::runCli;

// The JSON documents printed one after another.
std::vector<nlohmann::json> documents(const std::string& text) {
  std::vector<nlohmann::json> all;
  std::istringstream in(text);
  while ((in >> std::ws).peek() != std::char_traits<char>::eof()) {
    nlohmann::json j;
    in >> j;
    all.push_back(j);
  }
  return all;
}

std::string exifPhoto() {
  test::ExifBlock block;
  block.orientation = 6;
  block.dateTaken = "2019:03:14 15:09:26";
  block.thumbnail = test::jpegFile(32, 24, 3, [](int, int) { return std::array<uint16_t, 4>{0, 0, 255, 0}; });
  const std::string main = test::jpegFile(300, 200, 3, [](int x, int y) {
    return std::array<uint16_t, 4>{uint16_t(x % 256), uint16_t(y), 80, 0};
  });
  return test::insertSegments(main, {test::jpegSegment(0xE1, test::exifPayload(block))});
}

TEST(ImagingCommandsTest, PhotoInfoDescribesEachFileAndReportsFailures) {
  TempDir dir;
  test::writeFile(dir / L"camera.jpg", exifPhoto());
  PhotoImage png(ImageType::Png);
  png.colorBitmap() = test::makeBitmap(7, 5, [](int, int) { return Bgra{1, 2, 3, 255}; });
  ASSERT_TRUE(png.alphaPlane().create(7, 5, 8));
  ASSERT_TRUE(png.createCodec()->saveToFile(png, dir / L"alpha.png"));
  test::writeFile(dir / L"notes.txt", "text");
  test::writeFile(dir / L"broken.bmp", "BMnot really");

  const std::string files[] = {toUtf8(dir / L"camera.jpg"), toUtf8(dir / L"alpha.png"), toUtf8(dir / L"missing.jpg"),
                               toUtf8(dir / L"notes.txt"), toUtf8(dir / L"broken.bmp")};
  const CliRun run = runCli({"photo-info", files[0], files[1], files[2], files[3], files[4]});
  EXPECT_EQ(run.status, 1);
  const std::vector<nlohmann::json> out = documents(run.out);
  ASSERT_EQ(out.size(), 5u) << run.out;
  EXPECT_EQ(out[0], nlohmann::json::parse(R"({"file": ")" + files[0] + R"(", "type": 4, "width": 300, "height": 200,
      "bits_per_pixel": 24, "orientation": 6, "date_taken": "2019-03-14 15:09:26.000",
      "exif_thumbnail": {"width": 32, "height": 24}})"));
  EXPECT_EQ(out[1]["type"], 5);
  EXPECT_EQ(out[1]["bits_per_pixel"], 32);
  EXPECT_TRUE(out[1]["orientation"].is_null());
  EXPECT_TRUE(out[1]["exif_thumbnail"].is_null());
  for (size_t i = 2; i < 5; ++i) {
    EXPECT_EQ(out[i]["file"], files[i]);
    EXPECT_TRUE(out[i]["error"].is_string()) << out[i];
    EXPECT_NE(run.err.find(files[i]), std::string::npos) << run.err;
  }
  EXPECT_EQ(runCli({"photo-info", files[0]}).status, 0);
  EXPECT_EQ(runCli({"photo-info"}).status, 2);
}

TEST(ImagingCommandsTest, ThumbnailWritesTheFittedPicture) {
  TempDir dir;
  test::writeFile(dir / L"camera.jpg", exifPhoto());
  test::writeFile(dir / L"plain.jpg", test::jpegFile(300, 200, 1, [](int, int) {
                    return std::array<uint16_t, 4>{9, 0, 0, 0};
                  }));

  CliRun run = runCli({"thumbnail", toUtf8(dir / L"plain.jpg"), toUtf8(dir / L"t.png"), "--box", "96", "96"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(documents(run.out).at(0)["width"], 96);
  PhotoImage back(ImageType::Png);
  ASSERT_TRUE(back.open(dir / L"t.png"));
  EXPECT_EQ(back.colorBitmap().width(), 96);
  EXPECT_EQ(back.colorBitmap().height(), 64);

  // The EXIF thumbnail, upright: 32 x 24 turned to 24 x 32, then fitted.
  run = runCli({"thumbnail", toUtf8(dir / L"camera.jpg"), toUtf8(dir / L"t.bmp"), "--box", "12", "100"});
  ASSERT_EQ(run.status, 0) << run.err;
  PhotoImage bmp(ImageType::Bmp);
  ASSERT_TRUE(bmp.open(dir / L"t.bmp"));
  EXPECT_EQ(bmp.colorBitmap().width(), 12);
  EXPECT_EQ(bmp.colorBitmap().height(), 16);
  EXPECT_GT(bmp.colorBitmap().color(6, 8).blue, 230);

  EXPECT_EQ(runCli({"thumbnail", toUtf8(dir / L"plain.jpg"), toUtf8(dir / L"t.gif"), "--box", "96", "96"}).status,
            2);
  EXPECT_EQ(runCli({"thumbnail", toUtf8(dir / L"plain.jpg"), toUtf8(dir / L"u.png"), "--box", "3", "96"}).status,
            2);
  EXPECT_EQ(runCli({"thumbnail", toUtf8(dir / L"plain.jpg"), toUtf8(dir / L"u.png")}).status, 2);
  run = runCli({"thumbnail", toUtf8(dir / L"missing.jpg"), toUtf8(dir / L"u.png"), "--box", "96", "96"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("missing.jpg"), std::string::npos);
  EXPECT_FALSE(pathExists(dir / L"u.png"));
}

TEST(ImagingCommandsTest, ConvertKeepsMetadataAndAlphaAndNeverLeavesHalfAFile) {
  TempDir dir;
  test::writeFile(dir / L"camera.jpg", exifPhoto());
  CliRun run = runCli({"convert", toUtf8(dir / L"camera.jpg"), toUtf8(dir / L"copy.jpeg")});
  ASSERT_EQ(run.status, 0) << run.err;
  run = runCli({"photo-info", toUtf8(dir / L"copy.jpeg")});
  ASSERT_EQ(run.status, 0);
  const nlohmann::json info = documents(run.out).at(0);
  EXPECT_EQ(info["orientation"], 6);
  EXPECT_EQ(info["date_taken"], "2019-03-14 15:09:26.000");
  EXPECT_EQ(info["width"], 300);

  PhotoImage png(ImageType::Png);
  png.colorBitmap() = test::makeBitmap(3, 2, [](int x, int) { return Bgra{uint8_t(x), 2, 3, 255}; });
  ASSERT_TRUE(png.alphaPlane().create(3, 2, 8));
  png.alphaPlane().setPixel(2, 1, 200);
  ASSERT_TRUE(png.createCodec()->saveToFile(png, dir / L"a.png"));
  ASSERT_EQ(runCli({"convert", toUtf8(dir / L"a.png"), toUtf8(dir / L"a.bmp")}).status, 0);
  ASSERT_EQ(runCli({"convert", toUtf8(dir / L"a.bmp"), toUtf8(dir / L"b.png")}).status, 0);
  PhotoImage back(ImageType::Png);
  ASSERT_TRUE(back.open(dir / L"b.png"));
  ASSERT_TRUE(back.hasAlpha());
  EXPECT_EQ(back.alphaPlane().pixel(2, 1), 200u);
  EXPECT_EQ(back.colorBitmap().color(2, 1), (Bgra{2, 2, 3, 255}));

  // A failed conversion leaves an existing target as it was.
  test::writeFile(dir / L"keep.png", "old contents");
  test::writeFile(dir / L"bad.jpg", "\xFF\xD8 not a photo");
  run = runCli({"convert", toUtf8(dir / L"bad.jpg"), toUtf8(dir / L"keep.png")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(test::readFile(dir / L"keep.png"), "old contents");
  EXPECT_EQ(runCli({"convert", toUtf8(dir / L"camera.jpg"), toUtf8(dir / L"x.tif")}).status, 2);
  EXPECT_EQ(runCli({"convert", toUtf8(dir / L"camera.jpg"), toUtf8(dir / L"no/such/folder/x.png")}).status, 1);
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(listFolder(dir.path(), entries));
  for (const FolderEntry& e : entries) EXPECT_EQ(e.name.find(L".tmp"), std::wstring::npos) << toUtf8(e.name);
}

// A FIFO given as a photo would wait for a writer for ever; it is refused as
// anything else that is not a regular file.
TEST(ImagingCommandsTest, AFifoNamedLikeAPhotoIsRefusedWithoutWaiting) {
  TempDir dir;
  const std::string fifo = toUtf8(dir / L"photo.jpg");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::vector<std::vector<std::string>> commands = {
      {"thumbnail", fifo, toUtf8(dir / L"t.png"), "--box", "16", "16"},
      {"convert", fifo, toUtf8(dir / L"c.bmp")},
      {"cells", fifo, "--out", toUtf8(dir / L"cells")},
  };
  for (const auto& command : commands) {
    const CliRun run = runCli(command, {}, {.hangAfterSeconds = 60});
    EXPECT_EQ(run.status, 1) << command[0] << " (-1: it hung and was killed)";
    EXPECT_NE(run.err.find(fifo), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace tavoro
