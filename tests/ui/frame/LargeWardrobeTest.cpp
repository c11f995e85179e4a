#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "FrameTestSupport.h"
#include "TestSession.h"
#include "PhotoFactory.h"
#include "TestFiles.h"
#include "TryWait.h"
#include "WardrobeDescription.h"
#include "platform/FileSystem.h"
#include "ui/collections/CollectionPane.h"
#include "ui/common/CommandIds.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/RecentWardrobes.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/items/ItemListPane.h"
#include "ui/page/WardrobePage.h"
#include "ui/search/SearchBox.h"
#include "ui/search/SearchResultsPane.h"
#include "ui/search/SearchResultList.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {
namespace {

// Small enough to run in seconds under the sanitizers, large enough that
// the collection list scrolls far and every kind of object comes many times.
constexpr int kCollections = 150;
constexpr int kItemsPerCollection = 20;
constexpr int kPhotographed = 103;  // the collection whose photos are on disk
constexpr int kMustardEvery = 37;   // every so many items are "Mustard"

// A wardrobe grown over years: collections with tags, items with several
// photo entries and values that the file must escape; one collection's
// photos on disk. Returns the file's path.
std::wstring writeLargeWardrobe(const std::wstring& folder, const std::wstring& source) {
  Wardrobe wardrobe(folder + L"/Years", L"Years & <more>");
  wardrobe.setWardrobeId(9);
  const wchar_t* colours[] = {L"Navy \"blue\"", L"Off-white", L"\u6D77\u8ECD", L"Rust & <brown>", L"Grey"};
  int itemNumber = 0;
  for (int c = 0; c < kCollections; ++c) {
    Collection* collection = wardrobe.collections().add(L"Collection " + std::to_wstring(c + 1));
    const int32_t colour = collection->tags().add(L"Colour")->id();
    const int32_t size = collection->tags().add(L"Size")->id();
    collection->tags().add(L"Notes \U0001F4DD");
    for (int i = 0; i < kItemsPerCollection; ++i) {
      ++itemNumber;
      Item* item = c == kPhotographed ? collection->items().addFromPhotoFile(source)
                                      : collection->items().add(L"Item " + std::to_wstring(itemNumber), i + 1);
      if (!item) return {};
      item->setName(L"Item " + std::to_wstring(itemNumber));
      if (c != kPhotographed) {
        item->setDateAdded(
            DateTime(Date::fromParts(2015 + c % 10, 1 + i % 12, 1 + c % 28), Time::fromParts(9, i, c % 60, 5)));
        item->photos().addExisting(ImageType::Jpg, 1);
        if (i % 3 == 0) item->photos().addExisting(ImageType::Png, 2);
      }
      item->records().set(colour, itemNumber % kMustardEvery == 0 ? L"Mustard" : colours[itemNumber % 5]);
      if (i % 2) item->records().set(size, std::to_wstring(34 + i));
    }
  }
  wardrobe.collections().setHotId(wardrobe.collections().at(5)->id());
  return writeWardrobe(wardrobe) ? wardrobe.wardrobeFilePath() : std::wstring();
}

class LargeWardrobeTest : public FrameTest {
 protected:
  void clickCollection(int row) {
    CollectionPane* pane = m_frame->clientView()->wardrobeView()->collectionPane();
    pane->ensureVisible(row);
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->rowRect(row).center());
  }
  CollectionPane* collections() const { return m_frame->clientView()->wardrobeView()->collectionPane(); }
  ItemListPane* itemList() const { return m_frame->clientView()->wardrobeView()->itemList(); }

  std::unique_ptr<MainWindow> m_frame;
};

TEST_F(LargeWardrobeTest, OpensSavesClosesAndReopensAsItWasWhileThePagesFollow) {
  const std::wstring source = m_dir / L"photo.jpg";
  test::writeFile(source, test::jpegBytes(40, 30));
  const std::wstring path = writeLargeWardrobe(m_wardrobes, source);
  ASSERT_FALSE(path.empty());
  Wardrobe expected;
  ASSERT_TRUE(readWardrobe(path, expected));

  m_frame = makeFrame();
  start(*m_frame);
  ASSERT_TRUE(m_frame->lifecycle().openWardrobe(path, false, true));
  // "All Collections", every collection, and the row that adds one; the hot one selected.
  ASSERT_EQ(collections()->rowCount(), kCollections + 2);
  EXPECT_EQ(collections()->selectedCollection(), m_frame->wardrobe()->collections().at(5));

  // Far down the list: the photographed collection fills the item list.
  clickCollection(kPhotographed + 1);
  ASSERT_EQ(collections()->selectedCollection(), m_frame->wardrobe()->collections().at(kPhotographed));
  EXPECT_EQ(itemList()->entryCount(), kItemsPerCollection);

  // A search over the whole wardrobe finds every "Mustard" item.
  clickCollection(0);
  test::trigger(m_frame.get(), kCmdFind);
  QTest::keyClicks(m_frame->clientView()->searchBox()->edit(), QStringLiteral("mustard"));
  const SearchResultList* results = m_frame->clientView()->wardrobeView()->searchResults()->list();
  EXPECT_EQ(results->rowCount(), kCollections * kItemsPerCollection / kMustardEvery);
  test::trigger(m_frame->clientView()->wardrobeView()->searchResults(), kCmdHideSearchResults);
  EXPECT_EQ(results->rowCount(), 0);

  // Changes made while it is open are saved with it; the collection shown
  // last is the one shown when it comes back.
  clickCollection(kPhotographed + 1);
  Item* renamed = m_frame->wardrobe()->collections().at(kCollections - 1)->items().at(3);
  renamed->setName(L"Renamed \"last\" & <kept>");
  expected.collections().at(kCollections - 1)->items().at(3)->setName(renamed->name());
  expected.collections().setHotId(expected.collections().at(kPhotographed)->id());
  test::trigger(m_frame.get(), kCmdSave);
  const std::string saved = test::readFile(path);

  m_boxes.addAnswer(kIdYes);
  test::trigger(m_frame.get(), kCmdClose);
  ASSERT_EQ(m_frame->wardrobe(), nullptr);
  ASSERT_TRUE(m_frame->lifecycle().openWardrobe(path, false, true));
  ASSERT_NE(m_frame->wardrobe(), nullptr);
  EXPECT_EQ(test::describe(*m_frame->wardrobe()), test::describe(expected));
  EXPECT_EQ(collections()->selectedCollection(), m_frame->wardrobe()->collections().at(kPhotographed));
  EXPECT_EQ(itemList()->entryCount(), kItemsPerCollection) << "the photos are where they were";

  // Saved again unchanged, the file is the same to the byte.
  test::trigger(m_frame.get(), kCmdSave);
  EXPECT_EQ(test::readFile(path), saved);
}

}  // namespace
}  // namespace tavoro::ui
