#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include "FindWidget.h"
#include "FrameTestSupport.h"
#include "ImageTestFiles.h"
#include "PhotoFactory.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "TryWait.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/page/WardrobePage.h"
#include "ui/viewer/PhotoCanvas.h"
#include "ui/viewer/PhotoViewer.h"
#include "ui/viewer/ViewerDecoding.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {
namespace {

using State = PhotoCanvas::State;

class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.resize(400, 300);
    covered = new QLineEdit(&host);
    viewer = new PhotoViewer(&host);
    viewer->setCoveredView(covered);
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    covered->setFocus();
    for (int i = 0; i < 3; ++i) {
      photos.push_back(dir / (L"photo" + std::to_wstring(i) + L".jpg"));
      test::writeFile(photos.back(), test::jpegBytes(40 + 10 * i, 30, i));
    }
  }
  PhotoCanvas* view() const { return viewer->imageView(); }
  void sendKey(Qt::Key key, bool autoRepeat = false) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(view(), &press);
  }
  void turnWheel(int delta) {
    const QPointF at(50, 50);
    QWheelEvent wheel(at, view()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view(), &wheel);
  }

  test::TempDir dir;
  std::vector<std::wstring> photos;
  QWidget host;
  QLineEdit* covered = nullptr;
  PhotoViewer* viewer = nullptr;
};

TEST_F(ViewerTest, PagingKeysWithOneTwoAndThreePhotos) {
  struct Case {
    int count;
    int from;
    Qt::Key key;
    int to;
  };
  const Case cases[] = {
      {1, 0, Qt::Key_Space, 0},    {1, 0, Qt::Key_Backspace, 0}, {1, 0, Qt::Key_End, 0},   {1, 0, Qt::Key_Right, 0},
      {2, 0, Qt::Key_Right, 1},    {2, 1, Qt::Key_Right, 1},     {2, 1, Qt::Key_Space, 0}, {2, 0, Qt::Key_Backspace, 1},
      {2, 0, Qt::Key_Up, 0},       {3, 2, Qt::Key_Space, 0},     {3, 2, Qt::Key_Right, 2}, {3, 2, Qt::Key_Down, 2},
      {3, 2, Qt::Key_PageDown, 2}, {3, 0, Qt::Key_PageDown, 1},  {3, 1, Qt::Key_Space, 2}, {3, 0, Qt::Key_Backspace, 2},
      {3, 0, Qt::Key_Left, 0},     {3, 0, Qt::Key_PageUp, 0},    {3, 2, Qt::Key_Up, 1},    {3, 1, Qt::Key_Backspace, 0},
      {3, 0, Qt::Key_End, 2},      {3, 2, Qt::Key_Home, 0},      {3, 1, Qt::Key_Home, 0},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(viewer->open(std::vector<std::wstring>(photos.begin(), photos.begin() + c.count), c.from));
    sendKey(c.key);
    EXPECT_EQ(viewer->index(), c.to) << c.count << " photos, from " << c.from << ", key " << c.key;
    EXPECT_EQ(view()->photoPath(), photos[static_cast<size_t>(c.to)]);
    sendKey(c.key == Qt::Key_Home ? Qt::Key_End : Qt::Key_Home, true);  // auto-repeated: ignored
    EXPECT_EQ(viewer->index(), c.to) << "auto-repeat";
  }
  EXPECT_FALSE(viewer->open(photos, 3));
  EXPECT_FALSE(viewer->open({}, 0));
}

TEST_F(ViewerTest, TheWheelPagesByWholeNotches) {
  ASSERT_TRUE(viewer->open(photos, 1));
  turnWheel(-120);  // towards the user
  EXPECT_EQ(viewer->index(), 2);
  turnWheel(-120);
  EXPECT_EQ(viewer->index(), 2) << "no wrapping";
  turnWheel(60);
  EXPECT_EQ(viewer->index(), 2) << "half a notch";
  turnWheel(60);
  EXPECT_EQ(viewer->index(), 1);
  turnWheel(240);
  EXPECT_EQ(viewer->index(), 0);
}

TEST_F(ViewerTest, EnterEscapeAndAClickCloseAndGiveTheFocusBack) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_unknown}) {
    ASSERT_TRUE(covered->hasFocus());
    ASSERT_TRUE(viewer->open(photos, 0));
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(covered->isVisible());
    EXPECT_TRUE(view()->hasFocus());
    EXPECT_EQ(viewer->geometry(), host.rect());
    if (key == Qt::Key_unknown)
      QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(20, 20));
    else
      QTest::keyClick(view(), key);
    EXPECT_FALSE(viewer->isOpen()) << key;
    EXPECT_TRUE(covered->isVisible());
    EXPECT_TRUE(covered->hasFocus()) << key;
  }
  // A widget that has gone meanwhile gets nothing.
  ASSERT_TRUE(viewer->open(photos, 0));
  delete covered;
  covered = nullptr;
  viewer->setCoveredView(nullptr);
  viewer->close();
  EXPECT_FALSE(viewer->isOpen());
}

TEST_F(ViewerTest, PhotosAreDecodedUprightFittedAndKept) {
  // A 60 x 20 photo stored sideways (orientation 6) shows as 20 x 60; a large one shrinks to the view.
  const std::string sideways =
      test::insertSegments(test::jpegBytes(60, 20), {test::jpegSegment(0xE1, test::exifPayload({false, 6, "", ""}))});
  test::writeFile(dir / L"sideways.jpg", sideways);
  test::writeFile(dir / L"large.bmp", test::bmpBytes(800, 200));
  EXPECT_EQ(decodeForViewer(dir / L"sideways.jpg", {400, 300}).size(), QSize(20, 60));
  EXPECT_EQ(decodeForViewer(dir / L"large.bmp", {400, 300}).size(), QSize(400, 100));
  EXPECT_TRUE(decodeForViewer(dir / L"missing.png", {400, 300}).isNull());
  EXPECT_TRUE(decodeForViewer(dir / L"large.bmp", {0, 0}).isNull());

  ASSERT_TRUE(viewer->open(photos, 0));
  TRY_COMPARE(view()->state(), State::kShown);
  EXPECT_EQ(view()->shownPicture().size(), QSize(40, 30));
  // The next photo is decoded ahead, so that paging on shows it at once.
  TRY_VERIFY(view()->isKept(photos[1]));
  sendKey(Qt::Key_Right);
  EXPECT_EQ(view()->state(), State::kShown);
  EXPECT_EQ(view()->shownPicture().size(), QSize(50, 30));
  sendKey(Qt::Key_Left);
  EXPECT_EQ(view()->state(), State::kShown) << "kept";
  viewer->close();
  EXPECT_FALSE(view()->isKept(photos[0])) << "closing lets the pictures go";
}

TEST_F(ViewerTest, APhotoThatCannotBeDecodedSaysSoAndNeverShowsTheOneBefore) {
  test::writeFile(dir / L"damaged.png", "not a picture");
  const std::vector<std::wstring> list = {photos[0], dir / L"missing.jpg", dir / L"damaged.png"};
  ASSERT_TRUE(viewer->open(list, 0));
  TRY_COMPARE(view()->state(), State::kShown);
  for (int i = 1; i <= 2; ++i) {
    sendKey(Qt::Key_Right);
    EXPECT_TRUE(view()->shownPicture().isNull()) << i;
    TRY_COMPARE(view()->state(), State::kCannotShow);
    view()->repaint();
  }
}

class FrameViewerTest : public FrameTest {};

TEST_F(FrameViewerTest, TheViewerTakesTheViewsPlaceAndClosingTheWindowClosesItFirst) {
  Wardrobe wardrobe(m_wardrobes + L"/Closet", L"Closet");
  Collection* shoes = wardrobe.collections().add(L"Shoes");
  for (int i = 0; i < 2; ++i) {
    const std::wstring photo = m_dir / (L"Boot" + std::to_wstring(i) + L".jpg");
    test::writeFile(photo, test::jpegBytes(64, 48, i));
    ASSERT_NE(shoes->items().addFromPhotoFile(photo), nullptr);
  }
  shoes->items().add(L"No photo", 9);
  ASSERT_TRUE(writeWardrobe(wardrobe));
  auto frame = makeFrame();
  start(*frame);
  ASSERT_TRUE(frame->lifecycle().openWardrobe(wardrobe.wardrobeFilePath(), false, true));
  WardrobePage* page = frame->clientView()->wardrobeView();
  auto* viewer = test::findWidget<PhotoViewer>(frame.get(), QStringLiteral("PhotoViewer"));
  EXPECT_FALSE(viewer->isVisible());

  // The item without a photo is left out of the pages.
  ItemList& items = frame->wardrobe()->collections().at(0)->items();
  emit page->viewerRequested({items.at(2), items.at(1), items.at(0)}, 1);
  ASSERT_TRUE(viewer->isOpen());
  EXPECT_EQ(viewer->count(), 2);
  EXPECT_EQ(viewer->index(), 0);
  EXPECT_FALSE(frame->clientView()->isVisible());
  EXPECT_EQ(viewer->geometry(), frame->rect());

  frame->close();
  EXPECT_TRUE(frame->isVisible()) << "the window stays";
  EXPECT_FALSE(viewer->isOpen());
  EXPECT_TRUE(frame->clientView()->isVisible());
  EXPECT_NE(frame->wardrobe(), nullptr);

  // An item without photos opens nothing; closing the wardrobe closes the viewer.
  emit page->viewerRequested({items.at(2)}, 0);
  EXPECT_FALSE(viewer->isOpen());
  emit page->viewerRequested({items.at(0)}, 0);
  ASSERT_TRUE(viewer->isOpen());
  frame->lifecycle().closeWardrobe();
  EXPECT_FALSE(viewer->isOpen());
  EXPECT_TRUE(frame->clientView()->isVisible());
}

}  // namespace
}  // namespace tavoro::ui
