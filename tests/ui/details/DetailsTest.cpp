#include <gtest/gtest.h>

#include <QTest>

#include "PhotoFactory.h"
#include "TempDir.h"
#include "TestSession.h"
#include "TestFiles.h"
#include "platform/FileSystem.h"
#include "ui/details/ItemDetailsPane.h"
#include "ui/details/WearStrip.h"
#include "ui/details/DetailsHint.h"
#include "ui/details/InfoStrip.h"
#include "ui/details/PhotoPreview.h"
#include "ui/session/WardrobeSession.h"
#include "ui/tags/TagPane.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {
namespace {

using State = PreviewPicture::State;

TEST(DetailsTest, ThePreviewSitsOverTheWearBandAndTheTagPaneAtLeast200By180) {
  test::TestSession ts;
  ItemDetailsPane details(ts.session);
  struct Case {
    QSize size;
    QRect preview;
    QRect wear;
    QRect tags;
  };
  const Case cases[] = {
      {{400, 500}, {0, 0, 400, 124}, {0, 124, 400, 28}, {0, 152, 400, 348}},
      {{150, 100}, {0, 0, 200, 124}, {0, 124, 200, 28}, {0, 152, 200, 28}},
  };
  for (const Case& c : cases) {
    details.resize(c.size);
    details.show();
    EXPECT_EQ(details.preview()->geometry(), c.preview) << c.size.width();
    EXPECT_EQ(details.wearStrip()->geometry(), c.wear) << c.size.width();
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
    Collection* shoes = ts.wardrobe().collections().add(L"Shoes");
    for (int i = 0; i < 2; ++i) {
      const std::wstring file = ts.dir() / (L"photo" + std::to_wstring(i) + L".jpg");
      test::writeFile(file, test::jpegBytes(80, 60, i));
      items.push_back(shoes->items().addFromPhotoFile(file));
    }
    removeFile(items[1]->mainPhotoPath());  // a photo whose file has gone
    items.push_back(shoes->items().add(L"No photo", 99));
    preview.resize(300, PhotoPreview::kHeight);
    preview.show();
  }
  test::TestSession ts;
  std::vector<Item*> items;
  PhotoPreview preview{ts.session};
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

// The details and the information strip follow the session, without a window.
class DetailsSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shoes = ts.wardrobe().collections().add(L"Shoes");
    hats = ts.wardrobe().collections().add(L"Hats");
    shoes->tags().add(L"Colour");
    const std::wstring photo = ts.dir() / L"Boot.jpg";
    test::writeFile(photo, test::jpegBytes(64, 48));
    boot = shoes->items().addFromPhotoFile(photo);
    ASSERT_NE(boot, nullptr);
    ts.open();
    details.resize(300, 400);
    details.show();
  }

  test::TestSession ts;
  Collection* shoes = nullptr;
  Collection* hats = nullptr;
  Item* boot = nullptr;
  ItemDetailsPane details{ts.session};
  InfoStrip strip{ts.session};
};

TEST_F(DetailsSessionTest, ThePaneFollowsTheSelectionAndLetsGoOfWhatIsDeletedOrClosed) {
  WardrobeSession& session = ts.session;
  session.setCurrentCollection(shoes);
  EXPECT_EQ(strip.collection(), shoes);
  EXPECT_EQ(strip.shownTexts(), QStringList{QStringLiteral("1 items")});
  session.setListSelection({boot});
  EXPECT_EQ(details.item(), boot);
  EXPECT_EQ(details.tagPane()->rowCount(), 2);
  EXPECT_FALSE(details.tagPane()->isHighlighting());

  // Another collection: the details let the item go.
  session.setCurrentCollection(hats);
  EXPECT_EQ(details.item(), nullptr);
  EXPECT_EQ(strip.shownTexts(), QStringList{QStringLiteral("0 items")});

  // A collection about to be deleted takes its item out of the details and the strip first.
  session.setCurrentCollection(shoes);
  session.setListSelection({boot});
  session.removeCollection(shoes);
  EXPECT_EQ(details.item(), nullptr);
  EXPECT_EQ(details.tagPane()->rowCount(), 0);
  EXPECT_EQ(strip.currentItem(), nullptr);

  // Closing the wardrobe empties both.
  session.setCurrentCollection(hats);
  Item* cap = hats->items().add(L"Cap", 1);
  session.setListSelection({cap});
  EXPECT_EQ(details.item(), cap);
  session.close();
  EXPECT_EQ(details.item(), nullptr);
  EXPECT_EQ(strip.collection(), nullptr);
  EXPECT_EQ(strip.currentItem(), nullptr);
}

TEST_F(DetailsSessionTest, AResultChosenInTheSearchShowsItsValuesWithTheMatchesAndGoesWhenDeleted) {
  WardrobeSession& session = ts.session;
  boot->records().set(1001, L"red");
  shoes->items().add(L"Red sneakers", 7)->records().set(1001, L"red");
  session.setCurrentCollection(shoes);
  session.search(QStringLiteral("red"));
  ASSERT_EQ(session.results().size(), 2u);
  EXPECT_EQ(strip.shownTexts(), QStringList{QStringLiteral("2 items")});

  session.setResultSelection({boot});
  EXPECT_EQ(details.item(), boot);
  TagPane* tags = details.tagPane();
  EXPECT_TRUE(tags->isHighlighting());
  EXPECT_EQ(strip.currentItem(), boot);
  // The value's match is drawn on the search's highlight.
  const QImage drawn = tags->viewport()->grab().toImage();
  bool highlighted = false;
  for (int x = TagRow::kNameWidth; x < drawn.width() && !highlighted; ++x)
    highlighted = drawn.pixelColor(x, TagRow::kHeight / 2) == QColor(255, 235, 100);
  EXPECT_TRUE(highlighted);

  // Deleted: the details and the strip let it go.
  session.removeItems({boot});
  EXPECT_EQ(details.item(), nullptr);
  EXPECT_EQ(strip.currentItem(), nullptr);
  EXPECT_EQ(strip.shownTexts(), QStringList{QStringLiteral("1 items")});

  session.hideSearch();
  EXPECT_FALSE(strip.inSearchMode());
}

}  // namespace
}  // namespace tavoro::ui
