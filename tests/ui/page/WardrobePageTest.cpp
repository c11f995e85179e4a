#include <gtest/gtest.h>

#include <QTest>

#include "FindWidget.h"
#include "FrameTestSupport.h"
#include "settings/AppSettings.h"
#include "ui/collections/CollectionPane.h"
#include "ui/collections/CollectionRow.h"
#include "ui/common/CommandIds.h"
#include "ui/controls/InlineEditor.h"
#include "ui/controls/CommandBar.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/PageStack.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "ui/items/ItemListPane.h"
#include "ui/page/WardrobePage.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {
namespace {

class WardrobePageTest : public FrameTest {
 protected:
  // A wardrobe file with these collections; its path.
  std::wstring writeWardrobe(const std::vector<std::wstring>& collections) {
    Wardrobe wardrobe(m_wardrobes + L"/Closet", L"Closet");
    for (const std::wstring& name : collections) wardrobe.collections().add(name);
    EXPECT_TRUE(tavoro::writeWardrobe(wardrobe));
    return wardrobe.wardrobeFilePath();
  }
  // A shown main window with the wardrobe open on its page.
  std::unique_ptr<MainWindow> openFrame(const std::wstring& path) {
    auto frame = makeFrame();
    start(*frame);
    // The wardrobe of a previous window comes back by itself.
    if (!frame->wardrobe()) {
      EXPECT_TRUE(frame->lifecycle().openWardrobe(path, false, true));
    }
    m_page = test::findWidget<WardrobePage>(frame.get(), QStringLiteral("WardrobePage"));
    m_pane = test::findWidget<CollectionPane>(m_page, QStringLiteral("CollectionPane"));
    return frame;
  }
  void clickCollection(int row) {
    QTest::mouseClick(m_pane->viewport(), Qt::LeftButton, {}, m_pane->rowRect(row).center());
  }
  void dragSplitter(int splitter, int toX) {
    const QRect gap = splitter == 0 ? QRect(m_page->paneLayout().panes[kMidPane].left - 3, 100, 3, 1)
                                    : QRect(m_page->paneLayout().panes[kMidPane].right, 100, 3, 1);
    const QPoint from(gap.left() + 1, 100);
    QTest::mousePress(m_page, Qt::LeftButton, {}, from);
    QTest::mouseMove(m_page, QPoint(toX, 100));
    QTest::mouseRelease(m_page, Qt::LeftButton, {}, QPoint(toX, 100));
  }
  int paneWidth(int pane) const { return m_page->paneLayout().panes[pane].width(); }

  WardrobePage* m_page = nullptr;
  CollectionPane* m_pane = nullptr;
};

TEST_F(WardrobePageTest, SplittersStopAtTheMinimumsAndTheWidthsOutliveTheProgram) {
  const std::wstring path = writeWardrobe({L"Shoes"});
  int midWidth = 0;
  {
    auto frame = openFrame(path);
    const int width = m_page->width();
    ASSERT_GT(width, 661);
    ASSERT_LE(width, 921);
    // A first run at most 921 pixels wide keeps the default widths.
    EXPECT_EQ(paneWidth(kLeftPane), 220);
    EXPECT_EQ(paneWidth(kMidPane), 375);
    EXPECT_EQ(m_pane->geometry(), QRect(0, 31, 220, m_page->height() - 31 - 50));

    dragSplitter(0, 2);
    EXPECT_EQ(paneWidth(kLeftPane), 60);
    EXPECT_EQ(m_page->paneLayout().panes[kMidPane].right, 598) << "the middle pane keeps its right edge";
    dragSplitter(1, width - 1);
    EXPECT_EQ(paneWidth(kRightPane), 60);
    EXPECT_EQ(paneWidth(kMidPane), width - 126);
    EXPECT_EQ(m_page->middleStack()->geometry().width(), width - 126);
    midWidth = width - 126;
    frame->close();
  }
  AppSettings saved;
  ASSERT_TRUE(saved.loadFrom(settingsPath(), Rect{0, 0, 1920, 1080}));
  EXPECT_EQ(saved.leftPaneWidth, 60);
  EXPECT_EQ(saved.midPaneWidth, midWidth);

  // The next run starts with them.
  auto frame = openFrame(path);
  EXPECT_EQ(paneWidth(kLeftPane), 60);
  EXPECT_EQ(paneWidth(kMidPane), midWidth);
  dragSplitter(0, m_page->width() - 100);
  EXPECT_EQ(paneWidth(kMidPane), 140) << "the middle pane stops at 140";
}

TEST_F(WardrobePageTest, TheSelectedCollectionDrivesThePagesAndTheCommandBar) {
  auto frame = openFrame(writeWardrobe({L"Shoes", L"Hats"}));
  CommandBar* bar = m_page->commandBar();
  EXPECT_EQ(m_pane->selectedRows(), std::vector<int>{0});
  EXPECT_FALSE(bar->isButtonEnabled(kCmdAddPhotos)) << "All Collections takes no photos";
  EXPECT_FALSE(bar->isButtonEnabled(kCmdHideSearchResults));

  clickCollection(2);
  EXPECT_EQ(frame->wardrobe()->collections().hotId(), 2);
  EXPECT_TRUE(bar->isButtonEnabled(kCmdAddPhotos));
  EXPECT_FALSE(bar->isButtonEnabled(kCmdDeleteSelectedPhotos));

  // Renaming the shown collection renames it in the item list's hint.
  QTest::mouseDClick(m_pane->viewport(), Qt::LeftButton, {}, m_pane->rowRect(2).center());
  QTest::keyClicks(m_pane->editor(), QStringLiteral("Caps"));
  QTest::keyClick(m_pane->editor(), Qt::Key_Return);
  auto* list = test::findWidget<ItemListPane>(m_page, QStringLiteral("ItemListPane"));
  EXPECT_TRUE(list->hint().text().contains(QStringLiteral("\"Caps\""))) << list->hint().text().toStdString();

  // The stacks follow the session: the search in the middle, one selected
  // result's details at the right; another collection brings back the list.
  WardrobeSession& session = m_page->session();
  session.search(QStringLiteral("a"));
  EXPECT_EQ(m_page->middleStack()->currentIndex(), WardrobePage::kSearchResultsPage);
  EXPECT_TRUE(bar->isButtonEnabled(kCmdHideSearchResults));
  EXPECT_FALSE(bar->isButtonEnabled(kCmdAddPhotos)) << "not while the search is shown";
  clickCollection(1);
  EXPECT_EQ(m_page->middleStack()->currentIndex(), WardrobePage::kItemListPage);
  EXPECT_EQ(m_page->rightStack()->currentIndex(), WardrobePage::kHintPage);
  EXPECT_TRUE(m_page->itemListShown());
  EXPECT_EQ(frame->wardrobe()->collections().hotId(), 1);

  // Hiding the search results from the command bar: the buttons follow.
  session.search(QStringLiteral("a"));
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->buttonRect(kCmdHideSearchResults).center());
  EXPECT_EQ(m_page->middleStack()->currentIndex(), WardrobePage::kItemListPage);
  EXPECT_TRUE(bar->isButtonEnabled(kCmdAddPhotos));
  EXPECT_TRUE(session.searchText().isEmpty());
}

TEST_F(WardrobePageTest, TheSelectedCollectionComesBackWithTheWardrobe) {
  const std::wstring path = writeWardrobe({L"Shoes", L"Hats", L"Coats"});
  struct Step {
    const char* what;
    int click;        // the row to select before closing; -1 none
    bool deleteIt;    // and delete it
    int reopenedRow;  // the row selected after reopening
  };
  const Step steps[] = {
      {"a collection", 2, false, 2},
      {"All Collections", 0, false, 0},
      {"the last one", 3, false, 3},
      {"deleting the last one selects the one before", 3, true, 2},
  };
  auto frame = openFrame(path);
  for (const Step& step : steps) {
    clickCollection(step.click);
    if (step.deleteIt) {
      m_boxes.addAnswer(kIdYes);
      QTest::keyClick(m_pane, Qt::Key_Delete);
    }
    ASSERT_TRUE(frame->lifecycle().confirmAndCloseWardrobe(false)) << step.what;
    frame->lifecycle().closeWardrobe();
    EXPECT_EQ(m_pane->rowCount(), 0) << step.what << ": closing empties the pane";
    ASSERT_TRUE(frame->lifecycle().openWardrobe(path, false, true)) << step.what;
    EXPECT_EQ(m_pane->selectedRows(), std::vector<int>{step.reopenedRow}) << step.what;
  }
}

}  // namespace
}  // namespace tavoro::ui
