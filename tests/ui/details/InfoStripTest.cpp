#include <gtest/gtest.h>

#include <QTest>

#include "ImageTestFiles.h"
#include "PhotoFactory.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "TestSession.h"
#include "ui/details/InfoStrip.h"
#include "ui/details/PhotoFacts.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {
namespace {

std::wstring factText(const PhotoFacts& facts, size_t pair) {
  const auto pairs = photoFactPairs(facts);
  return pairs[pair].first + pairs[pair].second;
}

TEST(PhotoFactsTest, SizesReadInBytesKilobytesRoundedUpAndMegabytes) {
  const std::pair<uint64_t, const wchar_t*> cases[] = {
      {0, L"0 bytes"},       {1023, L"1023 bytes"}, {1024, L"1 KB"},       {1025, L"2 KB"},
      {1048575, L"1024 KB"}, {1048576, L"1.00 MB"}, {1572864, L"1.50 MB"}, {5368709120, L"5120.00 MB"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(fileSizeText(bytes), text) << bytes;
}

TEST(PhotoFactsTest, FactsComeFromTheFileAndWhatCannotBeReadIsNotAvailable) {
  test::TempDir dir;
  const std::string exif = test::jpegSegment(0xE1, test::exifPayload({false, 1, "2011:07:04 18:30:05", ""}));
  test::writeFile(dir / L"dated.jpg", test::insertSegments(test::jpegBytes(40, 30), {exif}));
  test::writeFile(
      dir / L"impossible.jpg",
      test::insertSegments(test::jpegBytes(40, 30),
                           {test::jpegSegment(0xE1, test::exifPayload({false, 1, "2011:02:30 10:00:00", ""}))}));
  test::writeFile(dir / L"plain.png", test::pngFile({2, 8, 7, 5, false, [](int, int) {
                                                       return std::array<uint16_t, 4>{1, 2, 3, 0};
                                                     }}));
  test::writeFile(dir / L"damaged.bmp", std::string(1025, 'x'));
  struct Case {
    const wchar_t* file;
    ImageType format;
    std::vector<std::wstring> texts;
  };
  const Case cases[] = {
      {L"dated.jpg", ImageType::Jpg, {L"JPEG image", L"Date taken: 07/04/11 18:30", L"Dimensions: 40 x 30"}},
      {L"impossible.jpg", ImageType::Jpg, {L"JPEG image", L"Date taken: n/a", L"Dimensions: 40 x 30"}},
      {L"plain.png", ImageType::Png, {L"PNG image", L"Date taken: n/a", L"Dimensions: 7 x 5"}},
      {L"damaged.bmp", ImageType::Bmp, {L"Bitmap image", L"Date taken: n/a", L"Dimensions: n/a", L"Size: 2 KB"}},
      {L"missing.jpg", ImageType::Jpg, {L"JPEG image", L"Date taken: n/a", L"Dimensions: n/a", L"Size: n/a"}},
  };
  for (const Case& c : cases) {
    const PhotoFacts facts = readPhotoFacts(dir / c.file, c.format);
    for (size_t i = 0; i < c.texts.size(); ++i) EXPECT_EQ(factText(facts, i), c.texts[i]) << c.file;
  }
  EXPECT_EQ(factText(readPhotoFacts(dir / L"dated.jpg", ImageType::Jpg), 3),
            L"Size: " + fileSizeText(test::readFile(dir / L"dated.jpg").size()));
}

class InfoStripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    strip.resize(900, InfoStrip::kHeight);
    strip.show();
    shoes = ts.wardrobe().collections().add(L"Shoes");
    hats = ts.wardrobe().collections().add(L"Hats");
    for (int i = 0; i < 3; ++i) {
      const std::wstring file = ts.dir() / (L"Boot " + std::to_wstring(i) + L".jpg");
      test::writeFile(file, test::jpegBytes(64, 48, i));
      ASSERT_NE(shoes->items().addFromPhotoFile(file), nullptr);
    }
    cap = hats->items().add(L"Cap", 1);  // no photo
  }
  Item* boot(int i) const { return shoes->items().at(static_cast<size_t>(i)); }
  QStringList texts() const { return strip.shownTexts(); }

  test::TestSession ts;
  Collection* shoes = nullptr;
  Collection* hats = nullptr;
  Item* cap = nullptr;
  InfoStrip strip{ts.session};
};

TEST_F(InfoStripTest, ShowsTheSelectedItemElseSearchCountsElseCollectionCounts) {
  EXPECT_TRUE(texts().isEmpty()) << "nothing without a wardrobe";
  ts.open();
  WardrobeSession& session = ts.session;
  EXPECT_EQ(texts(), QStringList{QStringLiteral("4 items")}) << "All Collections";
  session.setCurrentCollection(shoes);
  EXPECT_EQ(texts(), QStringList{QStringLiteral("3 items")});
  session.setListSelection({boot(0), boot(2)});
  EXPECT_EQ(texts(), QStringList{QStringLiteral("2 items selected")});
  session.setListSelection({boot(1)});
  EXPECT_EQ(texts().mid(0, 3),
            (QStringList{QStringLiteral("Boot 1"), QStringLiteral("(Shoes)"), QStringLiteral("JPEG image")}));

  // Search results take over; an item selected there comes first again.
  session.search(QStringLiteral("boot"));
  EXPECT_EQ(texts(), QStringList{QStringLiteral("3 items")});
  session.setResultSelection({boot(0), boot(1)});
  EXPECT_EQ(texts(), QStringList{QStringLiteral("2 items selected")});
  session.setResultSelection({cap});
  EXPECT_EQ(texts(), (QStringList{QStringLiteral("Cap"), QStringLiteral("(Hats)")})) << "no photo, no facts";
  session.removeItems({cap});
  EXPECT_EQ(texts(), QStringList{QStringLiteral("3 items")});
  session.search(QString());
  EXPECT_EQ(texts().front(), QStringLiteral("Boot 1")) << "the item list's selection shows again";

  session.setCurrentCollection(hats);
  EXPECT_EQ(strip.currentItem(), nullptr);
  EXPECT_EQ(texts(), QStringList{QStringLiteral("0 items")});
  session.close();
  EXPECT_TRUE(texts().isEmpty());
}

TEST_F(InfoStripTest, FactsAreReadOncePerCurrentItem) {
  ts.open();
  WardrobeSession& session = ts.session;
  session.setCurrentCollection(shoes);
  session.setListSelection({boot(0)});
  EXPECT_EQ(strip.factReads(), 1);
  for (int i = 0; i < 3; ++i) strip.repaint();
  session.search(QStringLiteral("boot"));
  session.search(QString());
  EXPECT_EQ(strip.factReads(), 1);
  session.setListSelection({boot(2)});
  EXPECT_EQ(strip.factReads(), 2);
  session.refreshPhotos();
  EXPECT_EQ(strip.factReads(), 3);
}

TEST_F(InfoStripTest, ANarrowingStripDropsTheSizeFirstThenTheDimensions) {
  ts.open();
  ts.session.setCurrentCollection(shoes);
  ts.session.setListSelection({boot(0)});
  const QStringList wide = strip.shownFacts();
  ASSERT_EQ(wide.size(), 4);
  EXPECT_EQ(wide[2], QStringLiteral("Dimensions: 64 x 48"));
  EXPECT_TRUE(wide[3].startsWith(QStringLiteral("Size: ")));
  // Narrowing a pixel at a time, the facts only ever drop from the end.
  qsizetype shown = wide.size();
  for (int width = 900; width >= 60; --width) {
    strip.resize(width, InfoStrip::kHeight);
    const QStringList now = strip.shownFacts();
    ASSERT_LE(now.size(), shown) << width;
    EXPECT_EQ(now, wide.mid(0, now.size())) << width;
    shown = now.size();
  }
  EXPECT_EQ(shown, 0);
}

}  // namespace
}  // namespace tavoro::ui
