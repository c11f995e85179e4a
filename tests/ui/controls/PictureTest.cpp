#include <gtest/gtest.h>

#include "ui/common/Picture.h"
#include "ui/common/ResourcePictures.h"

namespace tavoro::ui {
namespace {

// A file missing from the compiled-in list or misspelt in the table would
// otherwise only show as a blank spot on screen.
TEST(PictureTest, EveryPictureLoadsFromItsFile) {
  for (const PictureFile& entry : kPictureFiles) {
    const QPixmap picture = resourcePixmap(entry.picture);
    EXPECT_FALSE(picture.isNull()) << entry.fileName;
    EXPECT_EQ(greyResourcePixmap(entry.picture).size(), picture.size()) << entry.fileName;
  }
  EXPECT_TRUE(resourcePixmap(Picture::None).isNull());
  EXPECT_TRUE(greyResourcePixmap(Picture::None).isNull());
  EXPECT_EQ(pictureFileName(Picture::None), nullptr);
}

}  // namespace
}  // namespace tavoro::ui
