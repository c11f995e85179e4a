#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "FindWidget.h"
#include "FrameTestSupport.h"
#include "TestSession.h"
#include "SearchFixture.h"
#include "settings/AppSettings.h"
#include "ui/collections/CollectionPane.h"
#include "ui/common/CommandIds.h"
#include "ui/controls/ImageButton.h"
#include "ui/controls/CommandBar.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/PageStack.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/page/WardrobePage.h"
#include "ui/session/WardrobeSession.h"
#include "ui/search/SuggestionPopup.h"
#include "ui/search/SearchResultsBanner.h"
#include "ui/search/SearchBox.h"
#include "ui/search/SearchResultsPane.h"
#include "ui/search/SearchResultList.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {
namespace {

// The main window with a wardrobe of two collections open on its page; the
// search box and the results as the user meets them.
class SearchPageTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    Wardrobe wardrobe(m_wardrobes + L"/Closet", L"Closet");
    test::addCollection(
        wardrobe, L"Shirts", {L"Colour"},
        {{L"Linen shirt", {{1001, L"white"}}}, {L"Flannel shirt", {{1001, L"red"}}}, {L"Red polo", {{1001, L"red"}}}});
    test::addCollection(wardrobe, L"Shoes", {L"Colour"}, {{L"Red sneakers", {{1001, L"red"}}}});
    ASSERT_TRUE(writeWardrobe(wardrobe));
    m_frame = makeFrame();
    start(*m_frame);
    ASSERT_TRUE(m_frame->lifecycle().openWardrobe(wardrobe.wardrobeFilePath(), false, true));
    QApplication::setActiveWindow(m_frame.get());
    m_page = m_frame->clientView()->wardrobeView();
    m_box = m_frame->clientView()->searchBox();
    m_results = m_page->searchResults()->list();
    selectCollection(0);
  }
  void TearDown() override {
    m_frame.reset();
    FrameTest::TearDown();
  }

  void selectCollection(int row) {
    CollectionPane* pane = m_page->collectionPane();
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->rowRect(row).center());
  }
  void find(const char* text) {
    test::trigger(m_frame.get(), kCmdFind);
    QTest::keyClicks(m_box->edit(), QString::fromUtf8(text));
  }
  std::vector<std::wstring> rowNames() const {
    std::vector<std::wstring> names;
    for (int i = 0; i < m_results->rowCount(); ++i) names.push_back(m_results->resultRow(i)->item()->name());
    return names;
  }
  int middlePage() const { return m_page->middleStack()->currentIndex(); }
  int rightPage() const { return m_page->rightStack()->currentIndex(); }
  bool enabled(int command) const { return m_page->commandBar()->isButtonEnabled(command); }

  std::unique_ptr<MainWindow> m_frame;
  WardrobePage* m_page = nullptr;
  SearchBox* m_box = nullptr;
  SearchResultList* m_results = nullptr;
};

TEST_F(SearchPageTest, EachChangeOfTheTextSearchesAndOnlyACommittedSearchIsRemembered) {
  EXPECT_EQ(m_box->cueText(), QStringLiteral("Search All Collections"));
  QSignalSpy searches(&m_page->session(), &WardrobeSession::searchChanged);
  find("re");
  EXPECT_EQ(searches.count(), 2);
  EXPECT_EQ(middlePage(), WardrobePage::kSearchResultsPage);
  EXPECT_TRUE(enabled(kCmdHideSearchResults));
  EXPECT_FALSE(enabled(kCmdAddPhotos));
  QTest::keyClicks(m_box->edit(), QStringLiteral("d"));
  EXPECT_EQ(searches.count(), 3);
  EXPECT_EQ(rowNames(), (std::vector<std::wstring>{L"Flannel shirt", L"Red polo", L"Red sneakers"}));
  EXPECT_TRUE(m_box->popup()->recentSearches().empty()) << "typing records nothing";
  QTest::keyClick(m_box->edit(), Qt::Key_Return);
  EXPECT_EQ(m_box->popup()->recentSearches(), std::vector<std::wstring>{L"red"});
  EXPECT_EQ(m_box->popup()->knownSearches(), std::vector<std::wstring>{L"red"});

  // The clear button empties the list and brings the item list back.
  QTest::mouseClick(m_box->clearButton(), Qt::LeftButton);
  EXPECT_EQ(m_results->rowCount(), 0);
  EXPECT_EQ(middlePage(), WardrobePage::kItemListPage);
  EXPECT_FALSE(enabled(kCmdHideSearchResults));
}

TEST_F(SearchPageTest, OneSelectedResultShowsItsDetails) {
  find("red");
  ASSERT_EQ(m_results->rowCount(), 3);
  EXPECT_EQ(rightPage(), WardrobePage::kHintPage);
  QTest::mouseClick(m_results->viewport(), Qt::LeftButton, {}, m_results->rowRect(1).center());
  EXPECT_EQ(rightPage(), WardrobePage::kDetailsPage);
  QTest::mouseClick(m_results->viewport(), Qt::LeftButton, Qt::ControlModifier, m_results->rowRect(2).center());
  EXPECT_EQ(rightPage(), WardrobePage::kHintPage);

  // Deleting the one selected result leaves the hint and the counts right.
  QTest::mouseClick(m_results->viewport(), Qt::LeftButton, {}, m_results->rowRect(0).center());
  ASSERT_EQ(rightPage(), WardrobePage::kDetailsPage);
  ScopedMessageResponder yes({kIdYes});
  QTest::keyClick(m_results, Qt::Key_Delete);
  EXPECT_EQ(rowNames(), (std::vector<std::wstring>{L"Red polo", L"Red sneakers"}));
  EXPECT_EQ(m_frame->wardrobe()->collections().at(0)->items().count(), 2u);
  EXPECT_EQ(rightPage(), WardrobePage::kHintPage);
}

TEST_F(SearchPageTest, TheSelectedCollectionScopesTheSearch) {
  selectCollection(2);
  EXPECT_EQ(m_box->cueText(), QStringLiteral("Search Shoes"));
  find("red");
  EXPECT_EQ(rowNames(), std::vector<std::wstring>{L"Red sneakers"});
  EXPECT_EQ(m_page->searchResults()->banner()->title(), QStringLiteral("Shoes Collection"));

  selectCollection(1);
  EXPECT_EQ(middlePage(), WardrobePage::kItemListPage) << "another collection brings the item list back";
  EXPECT_EQ(m_results->rowCount(), 0);
  QTest::keyClicks(m_box->edit(), QStringLiteral(" "));
  EXPECT_EQ(rowNames(), (std::vector<std::wstring>{L"Flannel shirt", L"Red polo"}));
}

TEST_F(SearchPageTest, HidingTheResultsEmptiesTheBoxAndTheNextSearchStillWorks) {
  find("red");
  ASSERT_EQ(middlePage(), WardrobePage::kSearchResultsPage);
  test::trigger(m_page->searchResults(), kCmdHideSearchResults);
  EXPECT_TRUE(m_box->text().isEmpty());
  EXPECT_EQ(m_results->rowCount(), 0);
  EXPECT_EQ(middlePage(), WardrobePage::kItemListPage);
  find("polo");
  EXPECT_EQ(rowNames(), std::vector<std::wstring>{L"Red polo"});
}

TEST_F(SearchPageTest, ResultsLetGoOfWhatIsDeletedOrClosed) {
  selectCollection(1);
  find("red");
  ASSERT_EQ(m_results->rowCount(), 2);
  m_results->viewport()->grab();
  {
    // The collection goes with its items while their rows are shown.
    ScopedMessageResponder yes({kIdYes});
    m_page->collectionPane()->setFocus();
    QTest::keyClick(m_page->collectionPane(), Qt::Key_Delete);
  }
  EXPECT_EQ(m_results->rowCount(), 0);
  EXPECT_EQ(m_frame->wardrobe()->collections().count(), 1u);
  EXPECT_EQ(m_box->cueText(), QStringLiteral("Search Shoes"));
  find("red");
  EXPECT_EQ(rowNames(), std::vector<std::wstring>{L"Red sneakers"});
  m_results->viewport()->grab();

  m_frame->lifecycle().closeWardrobe();
  EXPECT_TRUE(m_box->text().isEmpty());
  EXPECT_EQ(m_results->rowCount(), 0);
  EXPECT_EQ(m_box->collection(), nullptr);
}

}  // namespace
}  // namespace tavoro::ui
