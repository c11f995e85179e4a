#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "FindWidget.h"
#include "FrameTestSupport.h"
#include "PhotoFactory.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/thumbnails/PreviewThumbnailCache.h"
#include "platform/FileSystem.h"
#include "ui/collections/CollectionPane.h"
#include "ui/common/CommandIds.h"
#include "ui/details/ItemDetailsPane.h"
#include "ui/details/DetailsHint.h"
#include "ui/details/InfoStrip.h"
#include "ui/details/PhotoPreview.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/PageStack.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/page/WardrobePage.h"
#include "ui/search/SearchBox.h"
#include "ui/search/SearchResultsPane.h"
#include "ui/search/SearchResultList.h"
#include "ui/tags/TagPane.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {
namespace {

using State = PreviewPicture::State;

TEST(DetailsTest, ThePreviewSitsOverTheTagPaneAtLeast200By180) {
  ItemDetailsPane details;
  struct Case {
    QSize size;
    QRect preview;
    QRect tags;
  };
  const Case cases[] = {
      {{400, 500}, {0, 0, 400, 124}, {0, 124, 400, 376}},
      {{150, 100}, {0, 0, 200, 124}, {0, 124, 200, 56}},
  };
  for (const Case& c : cases) {
    details.resize(c.size);
    details.show();
    EXPECT_EQ(details.preview()->geometry(), c.preview) << c.size.width();
    EXPECT_EQ(details.tagPane()->geometry(), c.tags) << c.size.width();
  }
}

TEST(DetailsTest, TheHintSitsLeftOfCentreInTheUpperPart) {
  struct Case {
    QRect client;
    QSize text;
    QRect placed;
  };
  const Case cases[] = {
      // Room to spare: centred, then a twelfth of the spare room to the left;
      // a third of the height beyond 90 above it.
      {{0, 0, 320, 400}, {200, 17}, {10 + 34 - 5 + 32, 10 + 96, 0, 0}},
      // No room: at the left, below the margin.
      {{0, 0, 100, 80}, {200, 34}, {10 + 32, 10, 0, 0}},
  };
  for (const Case& c : cases) {
    const HintPlacement place = placeHint(c.client, c.text);
    EXPECT_EQ(place.text.topLeft(), c.placed.topLeft()) << c.client.width();
    EXPECT_EQ(place.icon, place.text.topLeft() - QPoint(32, 5));
  }
}

class PreviewTest : public ::testing::Test {
 protected:
  PreviewTest() {
    Collection* shoes = wardrobe.collections().add(L"Shoes");
    for (int i = 0; i < 2; ++i) {
      const std::wstring file = dir / (L"photo" + std::to_wstring(i) + L".jpg");
      test::writeFile(file, test::jpegBytes(80, 60, i));
      items.push_back(shoes->items().addFromPhotoFile(file));
    }
    removeFile(items[1]->mainPhotoPath());  // a photo whose file has gone
    items.push_back(shoes->items().add(L"No photo", 99));
    preview.resize(300, PhotoPreview::kHeight);
    preview.show();
  }
  ~PreviewTest() override { PreviewThumbnailCache::instance().clear(); }

  test::TempDir dir;
  Wardrobe wardrobe{dir / L"Wardrobe", L"Wardrobe"};
  std::vector<Item*> items;
  PhotoPreview preview;
};

TEST_F(PreviewTest, AMissingPhotoShowsItsNoticeAndNeverTheItemBefore) {
  preview.setItem(items[0]);
  QTRY_COMPARE(preview.picture().state(), State::kShown);
  preview.repaint();

  preview.setItem(items[1]);
  EXPECT_NE(preview.picture().state(), State::kShown);
  EXPECT_EQ(preview.picture().fileName(), L"P_000001.jpg");
  preview.repaint();  // asks for it
  QTRY_COMPARE(preview.picture().state(), State::kUndecodable);
  // The box shows the notice on white, not the photo of the item before.
  const QImage shown = preview.grab().toImage();
  const QPoint centre = preview.photoBox().center();
  EXPECT_EQ(shown.pixelColor(centre + QPoint(0, -30)), QColor(Qt::white));

  preview.setItem(items[2]);
  EXPECT_EQ(preview.picture().state(), State::kNone);
  preview.setItem(nullptr);
  EXPECT_EQ(preview.item(), nullptr);
}

class DetailsPageTest : public FrameTest {
 protected:
  std::unique_ptr<MainWindow> openFrame() {
    Wardrobe wardrobe(m_wardrobes + L"/Closet", L"Closet");
    Collection* shoes = wardrobe.collections().add(L"Shoes");
    wardrobe.collections().add(L"Hats");
    shoes->tags().add(L"Colour");
    const std::wstring photo = m_dir / L"Boot.jpg";
    test::writeFile(photo, test::jpegBytes(64, 48));
    EXPECT_NE(shoes->items().addFromPhotoFile(photo), nullptr);
    EXPECT_TRUE(writeWardrobe(wardrobe));
    auto frame = makeFrame();
    start(*frame);
    EXPECT_TRUE(frame->lifecycle().openWardrobe(wardrobe.wardrobeFilePath(), false, true));
    page = test::findWidget<WardrobePage>(frame.get(), QStringLiteral("WardrobePage"));
    return frame;
  }
  Collection* collection(MainWindow& frame, int index) {
    return frame.wardrobe()->collections().at(static_cast<size_t>(index));
  }
  void clickCollection(int row) {
    CollectionPane* pane = page->collectionPane();
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->rowRect(row).center());
  }

  WardrobePage* page = nullptr;
};

TEST_F(DetailsPageTest, ThePaneFollowsCollectionsAndLetsGoOfWhatIsDeletedOrClosed) {
  auto frame = openFrame();
  EXPECT_EQ(test::findWidget<DetailsHint>(page, QStringLiteral("DetailsHint")), page->detailsHint());
  InfoStrip* strip = page->infoStrip();
  clickCollection(1);
  EXPECT_EQ(strip->collection(), collection(*frame, 0));
  EXPECT_EQ(strip->shownTexts(), QStringList{QStringLiteral("1 items")});

  // What the item list will do on a selection of one.
  Item* boot = collection(*frame, 0)->items().at(0);
  page->details()->showItem(boot, false);
  strip->showSelection(boot, 1);
  EXPECT_EQ(page->details()->tagPane()->rowCount(), 2);

  // Another collection: the details let the item go.
  clickCollection(2);
  EXPECT_EQ(page->details()->item(), nullptr);
  EXPECT_EQ(strip->shownTexts(), QStringList{QStringLiteral("0 items")});

  // A collection about to be deleted takes its item out of the details and the strip first.
  clickCollection(1);
  page->details()->showItem(boot, false);
  strip->showSelection(boot, 1);
  m_boxes.addAnswer(kIdYes);
  page->collectionPane()->executeCommand(kCmdDelete);
  EXPECT_EQ(frame->wardrobe()->collections().count(), 1u);
  EXPECT_EQ(page->details()->item(), nullptr);
  EXPECT_EQ(page->details()->tagPane()->rowCount(), 0);
  EXPECT_NE(strip->currentItem(), boot);

  // Closing the wardrobe empties both.
  Item* cap = collection(*frame, 0)->items().add(L"Cap", 1);
  page->details()->showItem(cap, false);
  strip->showSelection(cap, 1);
  frame->lifecycle().closeWardrobe();
  EXPECT_EQ(page->details()->item(), nullptr);
  EXPECT_EQ(strip->collection(), nullptr);
  EXPECT_EQ(strip->currentItem(), nullptr);
  EXPECT_EQ(page->rightStack()->currentIndex(), WardrobePage::kHintPage);
}

TEST_F(DetailsPageTest, AResultChosenInTheSearchShowsItsValuesWithTheMatchesAndGoesWhenDeleted) {
  auto frame = openFrame();
  Collection* shoes = collection(*frame, 0);
  shoes->items().at(0)->records().set(1001, L"red");
  shoes->items().add(L"Red sneakers", 7)->records().set(1001, L"red");
  clickCollection(1);
  InfoStrip* strip = page->infoStrip();
  SearchResultList* results = page->searchResults()->list();
  frame->executeCommand(kCmdFind);
  QTest::keyClicks(frame->clientView()->searchBox()->edit(), QStringLiteral("red"));
  ASSERT_EQ(results->rowCount(), 2);
  EXPECT_EQ(strip->shownTexts(), QStringList{QStringLiteral("2 items")});

  QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, results->rowRect(0).center());
  Item* chosen = results->selectedItem();
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(page->details()->item(), chosen);
  TagPane* tags = page->details()->tagPane();
  EXPECT_TRUE(tags->isHighlighting());
  EXPECT_EQ(strip->currentItem(), chosen);
  // The value's match is drawn on the search's highlight.
  const QImage drawn = tags->viewport()->grab().toImage();
  bool highlighted = false;
  for (int x = TagRow::kNameWidth; x < drawn.width() && !highlighted; ++x)
    highlighted = drawn.pixelColor(x, TagRow::kHeight / 2) == QColor(255, 235, 100);
  EXPECT_TRUE(highlighted);

  // Deleted from the results: the details and the strip let it go.
  ScopedMessageResponder yes({kIdYes});
  QTest::keyClick(results, Qt::Key_Delete);
  EXPECT_EQ(page->details()->item(), nullptr);
  EXPECT_EQ(strip->currentItem(), nullptr);
  EXPECT_EQ(strip->shownTexts(), QStringList{QStringLiteral("1 items")});

  page->routeCommand(kCmdHideSearchResults);
  EXPECT_FALSE(strip->inSearchMode());
}

}  // namespace
}  // namespace tavoro::ui
