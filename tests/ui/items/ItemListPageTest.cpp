#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTest>

#include "FindWidget.h"
#include "FrameTestSupport.h"
#include "TestSession.h"
#include "PhotoFactory.h"
#include "TestFiles.h"
#include "platform/FileSystem.h"
#include "ui/collections/CollectionPane.h"
#include "ui/common/CommandIds.h"
#include "ui/controls/CommandBar.h"
#include "ui/details/ItemDetailsPane.h"
#include "ui/details/InfoStrip.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/PageStack.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/items/ItemListModel.h"
#include "ui/items/ItemListPane.h"
#include "ui/page/WardrobePage.h"
#include "ui/session/WardrobeSession.h"
#include "ui/search/SearchBox.h"
#include "ui/search/SearchResultsPane.h"
#include "ui/search/SearchResultList.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {
namespace {

using ItemListPageTest = FrameTest;

TEST_F(ItemListPageTest, TheItemListDrivesTheRightPagesTheCommandBarAndTheViewerAndFollowsTheSearchResults) {
  std::wstring path;
  {
    Wardrobe wardrobe(m_wardrobes + L"/Closet", L"Closet");
    Collection* shirts = wardrobe.collections().add(L"Shirts");
    wardrobe.collections().add(L"Hats");
    ASSERT_TRUE(createFolders(m_dir / L"photos"));
    for (const wchar_t* name : {L"linen", L"oxford", L"flannel"}) {
      const std::wstring photo = m_dir / (L"photos/" + std::wstring(name) + L".jpg");
      test::writeFile(photo, test::jpegBytes(12, 9));
      ASSERT_NE(shirts->items().addFromPhotoFile(photo), nullptr);
    }
    wardrobe.collections().setHotId(shirts->id());
    ASSERT_TRUE(writeWardrobe(wardrobe));
    path = wardrobe.wardrobeFilePath();
  }
  auto frame = makeFrame();
  start(*frame);
  ASSERT_TRUE(frame->wardrobe() || frame->lifecycle().openWardrobe(path, false, true));
  WardrobePage* page = frame->clientView()->wardrobeView();
  ItemListPane* list = test::findWidget<ItemListPane>(page, QStringLiteral("ItemListPane"));
  ASSERT_EQ(list, page->itemList());
  ASSERT_EQ(list->entryCount(), 3) << "the selected collection fills the list";
  std::vector<Item*> viewed;
  QObject::connect(frame->clientView(), &MainView::viewerRequested,
                   [&](const std::vector<Item*>& items, int) { viewed = items; });

  struct Step {
    std::vector<int> selected;
    int rightPage;
    bool deleteEnabled;
  };
  for (const Step& s :
       {Step{{0}, WardrobePage::kDetailsPage, true}, Step{{0, 1}, WardrobePage::kHintPage, true},
        Step{{}, WardrobePage::kHintPage, false}, Step{{1}, WardrobePage::kDetailsPage, true}}) {
    list->selection()->clearSelection();
    for (int row : s.selected)
      list->selection()->select(list->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(page->rightStack()->currentIndex(), s.rightPage) << s.selected.size() << " selected";
    EXPECT_EQ(page->commandBar()->isButtonEnabled(kCmdDeleteSelectedPhotos), s.deleteEnabled);
    Item* one = s.selected.size() == 1 ? list->model()->itemAt(s.selected.front()) : nullptr;
    EXPECT_EQ(page->infoStrip()->currentItem(), one);
    if (one) {
      EXPECT_EQ(page->details()->item(), one);
    }
  }
  QTest::keyClick(list->currentView(), Qt::Key_Return);
  EXPECT_EQ(viewed.size(), 3u) << "the viewer request reaches the main window";

  // An item deleted from the search results leaves the item list as well.
  test::trigger(frame.get(), kCmdFind);
  QTest::keyClicks(frame->clientView()->searchBox()->edit(), QStringLiteral("oxford"));
  SearchResultList* results = page->searchResults()->list();
  ASSERT_EQ(results->rowCount(), 1);
  QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, results->rowRect(0).center());
  m_boxes.addAnswer(kIdYes);
  QTest::keyClick(results, Qt::Key_Delete);
  EXPECT_EQ(list->entryCount(), 2);
  test::trigger(page->searchResults(), kCmdHideSearchResults);
  EXPECT_EQ(page->rightStack()->currentIndex(), WardrobePage::kHintPage) << "nothing selected in the list";

  // The command bar deletes the selected photos; the collection's count follows.
  list->selection()->select(list->model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  m_boxes.addAnswer(kIdYes);
  CommandBar* bar = page->commandBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->buttonRect(kCmdDeleteSelectedPhotos).center());
  EXPECT_TRUE(QTest::qWaitFor([&] { return list->entryCount() == 1; }, 5000));
  EXPECT_EQ(page->session().currentCollection()->items().count(), 1u);
  EXPECT_FALSE(page->commandBar()->isButtonEnabled(kCmdDeleteSelectedPhotos));

  // Deleting the collection shown, then closing the wardrobe, leave nothing behind.
  m_boxes.addAnswer(kIdYes);
  test::trigger(page->collectionPane(), kCmdDelete);
  EXPECT_NE(list->collection(), nullptr);
  EXPECT_EQ(list->collection()->name(), L"Hats");
  EXPECT_EQ(list->entryCount(), 0);
  ASSERT_TRUE(frame->lifecycle().confirmAndCloseWardrobe(false));
  frame->lifecycle().closeWardrobe();
  EXPECT_EQ(list->collection(), nullptr);
}

}  // namespace
}  // namespace tavoro::ui
