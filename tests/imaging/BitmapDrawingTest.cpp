#include <gtest/gtest.h>

#include "ImageTestFiles.h"
#include "imaging/BitmapDrawing.h"
#include "imaging/BitmapFitting.h"
#include "imaging/BitmapTransform.h"

namespace tavoro {
namespace {

using test::makeBitmap;

Bgra grey(int v) {
  return Bgra{uint8_t(v), uint8_t(v), uint8_t(v), 255};
}

TEST(BitmapFittingTest, FitSizeKeepsTheProportions) {
  struct Case {
    Size box, image, expected;
  };
  const Case cases[] = {
      {{100, 100}, {400, 200}, {100, 50}},  {{100, 100}, {200, 400}, {50, 100}}, {{100, 100}, {50, 40}, {100, 80}},
      {{96, 96}, {4000, 3000}, {96, 72}},   {{96, 96}, {3000, 4000}, {72, 96}},  {{100, 100}, {300, 300}, {100, 100}},
      {{160, 120}, {640, 480}, {160, 120}}, {{100, 100}, {30000, 1}, {100, 1}},  {{100, 100}, {0, 10}, {0, 0}},
      {{0, 100}, {10, 10}, {0, 0}},
  };
  for (const Case& c : cases) {
    const Size s = fitSize(c.box, c.image);
    EXPECT_EQ(s, c.expected) << c.image.width << "x" << c.image.height << " into " << c.box.width << "x" << c.box.height
                             << " gave " << s.width << "x" << s.height;
  }
}

TEST(BitmapFittingTest, ScaleToFitShrinksByAveragingAndNeverEnlarges) {
  // Black and white columns average to mid-grey when halved.
  const DibBitmap stripes = makeBitmap(8, 4, [](int x, int) { return grey(x % 2 ? 255 : 0); });
  DibBitmap dest;
  ASSERT_TRUE(scaleToFit(dest, stripes, {4, 4}));
  EXPECT_EQ(dest.width(), 4);
  EXPECT_EQ(dest.height(), 2);
  EXPECT_EQ(dest.bitsPerPixel(), 24);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(dest.color(x, y), grey(128)) << x << "," << y;

  // Thirds: each target pixel covers one and a half source pixels.
  const DibBitmap ramp = makeBitmap(3, 1, [](int x, int) { return grey(x * 90); });  // 0, 90, 180
  ASSERT_TRUE(scaleToFit(dest, ramp, {2, 2}));
  ASSERT_EQ(dest.width(), 2);
  EXPECT_EQ(dest.color(0, 0), grey(30));   // (0 + 90 / 2) / 1.5
  EXPECT_EQ(dest.color(1, 0), grey(150));  // (45 + 180) / 1.5

  const DibBitmap small = makeBitmap(50, 40, [](int x, int y) { return Bgra{uint8_t(x), uint8_t(y), 7, 255}; });
  ASSERT_TRUE(scaleToFit(dest, small, {100, 100}));
  EXPECT_EQ(dest.width(), 50);
  EXPECT_EQ(dest.height(), 40);
  EXPECT_EQ(dest.color(49, 39), (Bgra{49, 39, 7, 255}));

  EXPECT_FALSE(scaleToFit(dest, small, {0, 100}));
  EXPECT_FALSE(dest.isValid());
  EXPECT_FALSE(scaleToFit(dest, DibBitmap(), {10, 10}));
}

TEST(BitmapDrawingTest, TheSmoothFlagChoosesAveragingOverNearestPixels) {
  DibBitmap source = makeBitmap(4, 4, [](int x, int y) { return grey((x + y) % 2 ? 200 : 0); });
  DibBitmap dest;
  ASSERT_TRUE(dest.create(2, 2, 24));
  ASSERT_TRUE(draw(dest, Rect{0, 0, 2, 2}, source));
  EXPECT_EQ(dest.color(0, 0), grey(0));  // the pixel (1, 1), nearest the centre of its 2 x 2 block
  source.setSmoothStretch(true);
  ASSERT_TRUE(draw(dest, Rect{0, 0, 2, 2}, source));
  EXPECT_EQ(dest.color(0, 0), grey(100));
  // The part-of-bitmap form smooths only sources of more than 8 bits.
  ASSERT_TRUE(draw(dest, Rect{0, 0, 1, 1}, source, Rect{0, 0, 2, 2}));
  EXPECT_EQ(dest.color(0, 0), grey(100));
  DibBitmap indexed;
  ASSERT_TRUE(indexed.create(2, 2, 8));  // grey palette: index i is grey i
  indexed.setPixel(0, 0, 10);
  indexed.setPixel(1, 1, 30);
  indexed.setSmoothStretch(true);
  ASSERT_TRUE(draw(dest, Rect{0, 0, 1, 1}, indexed, Rect{0, 0, 2, 2}));
  EXPECT_EQ(dest.color(0, 0), grey(30));

  // Enlarging and copying.
  DibBitmap big;
  ASSERT_TRUE(big.create(8, 8, 32));
  ASSERT_TRUE(draw(big, Rect{0, 0, 8, 8}, source));
  EXPECT_EQ(big.color(7, 0), big.color(6, 1));
  ASSERT_TRUE(draw(big, Rect{4, 4, 8, 8}, source));  // same size: an exact copy
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(big.color(4 + x, 4 + y), source.color(x, y));
}

TEST(BitmapDrawingTest, DrawingIsClippedAndRefusesWhatItCannotDo) {
  const DibBitmap source = makeBitmap(4, 4, [](int x, int y) { return Bgra{uint8_t(x), uint8_t(y), 1, 255}; });
  DibBitmap dest;
  ASSERT_TRUE(dest.create(3, 3, 24));
  ASSERT_TRUE(draw(dest, Rect{-2, -2, 2, 2}, source));  // only the lower right quarter lands
  EXPECT_EQ(dest.color(0, 0), (Bgra{2, 2, 1, 255}));
  EXPECT_EQ(dest.color(2, 2), (Bgra{0, 0, 0, 255}));
  EXPECT_TRUE(draw(dest, Rect{10, 10, 14, 14}, source));  // entirely off the bitmap

  ASSERT_TRUE(blit(dest, 1, 1, source, Rect{0, 0, 2, 3}));
  EXPECT_EQ(dest.color(1, 1), (Bgra{0, 0, 1, 255}));
  EXPECT_EQ(dest.color(1, 2), (Bgra{0, 1, 1, 255}));
  EXPECT_EQ(dest.color(2, 1), (Bgra{0, 0, 0, 255}));  // outside the clip

  DibBitmap indexed;
  ASSERT_TRUE(indexed.create(3, 3, 8));
  EXPECT_FALSE(draw(indexed, Rect{0, 0, 3, 3}, source));
  EXPECT_FALSE(draw(dest, Rect{0, 0, 0, 3}, source));
  EXPECT_FALSE(draw(dest, Rect{0, 0, 3, 3}, source, Rect{2, 2, 5, 5}));
  EXPECT_FALSE(draw(dest, Rect{0, 0, 3, 3}, DibBitmap()));
  EXPECT_FALSE(draw(dest, Rect{0, 0, 3, 3}, dest));
}

TEST(BitmapTransformTest, EachOrientationShowsThePictureUpright) {
  // The stored picture, 3 wide and 2 high, labelled a..f row by row. The
  // expected results are the picture as the orientation says to show it.
  const char stored[2][4] = {"abc", "def"};
  const DibBitmap source = makeBitmap(3, 2, [&](int x, int y) { return grey(stored[y][x]); });
  const std::vector<std::vector<std::string>> expected = {
      {"abc", "def"},      // 1
      {"cba", "fed"},      // 2 mirrored left to right
      {"fed", "cba"},      // 3 turned 180 degrees
      {"def", "abc"},      // 4 mirrored top to bottom
      {"ad", "be", "cf"},  // 5 transposed
      {"da", "eb", "fc"},  // 6 turned 90 degrees clockwise
      {"fc", "eb", "da"},  // 7 transversed
      {"cf", "be", "ad"},  // 8 turned 90 degrees counter-clockwise
  };
  for (int orientation = 1; orientation <= 8; ++orientation) {
    DibBitmap b;
    ASSERT_TRUE(b.copyFrom(source));
    ASSERT_TRUE(applyOrientation(b, orientation));
    const auto& rows = expected[static_cast<size_t>(orientation - 1)];
    ASSERT_EQ(b.height(), static_cast<int>(rows.size())) << orientation;
    ASSERT_EQ(b.width(), static_cast<int>(rows[0].size())) << orientation;
    for (int y = 0; y < b.height(); ++y)
      for (int x = 0; x < b.width(); ++x)
        EXPECT_EQ(b.color(x, y).red, rows[static_cast<size_t>(y)][static_cast<size_t>(x)])
            << "orientation " << orientation << " at " << x << "," << y;
  }
  DibBitmap b;
  ASSERT_TRUE(b.copyFrom(source));
  EXPECT_FALSE(applyOrientation(b, 0));
  EXPECT_FALSE(applyOrientation(b, 9));
  EXPECT_EQ(b.width(), 3);
  ASSERT_TRUE(b.create(2, 2, 4));
  EXPECT_FALSE(applyOrientation(b, 6));
}

}  // namespace
}  // namespace tavoro
