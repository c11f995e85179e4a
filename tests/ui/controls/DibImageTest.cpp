#include <gtest/gtest.h>

#include <array>

#include "imaging/DibBitmap.h"
#include "ui/common/DibImage.h"

namespace tavoro::ui {
namespace {

// Every depth comes out top row first with its colours; 32 bits keep alpha
// only where the bitmap has an alpha mask.
TEST(DibImageTest, PicturesKeepTheirOrientationAndColours) {
  struct Case {
    int bits;
    uint32_t topLeft, bottomRight;  // stored values
    QRgb wantTopLeft, wantBottomRight;
  };
  const Case cases[] = {
      {24, 0x112233, 0xAABBCC, qRgb(0x11, 0x22, 0x33), qRgb(0xAA, 0xBB, 0xCC)},
      {8, 0, 255, qRgb(0, 0, 0), qRgb(255, 255, 255)},  // the grey palette
      {32, 0x00445566, 0x00778899, qRgb(0x44, 0x55, 0x66), qRgb(0x77, 0x88, 0x99)},
  };
  for (const Case& c : cases) {
    DibBitmap bitmap;
    ASSERT_TRUE(bitmap.create(3, 2, c.bits)) << c.bits;
    bitmap.setPixel(0, 0, c.topLeft);
    bitmap.setPixel(2, 1, c.bottomRight);
    const QImage image = toQImage(bitmap);
    ASSERT_EQ(image.size(), QSize(3, 2)) << c.bits;
    EXPECT_EQ(image.pixel(0, 0), c.wantTopLeft) << c.bits;
    EXPECT_EQ(image.pixel(2, 1), c.wantBottomRight) << c.bits;
    EXPECT_FALSE(image.hasAlphaChannel()) << c.bits;
    const QImage paintable = toPaintableQImage(bitmap);
    EXPECT_EQ(paintable.format(), QImage::Format_RGB32) << c.bits;
    EXPECT_EQ(paintable, image.convertToFormat(QImage::Format_RGB32)) << c.bits;
  }
  EXPECT_TRUE(toQImage(DibBitmap()).isNull());
  EXPECT_TRUE(toPaintableQImage(DibBitmap()).isNull());
}

}  // namespace
}  // namespace tavoro::ui
