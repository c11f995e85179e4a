// The combinations view follows the session (changes made elsewhere, undo and
// redo show the same way) and records wear through its own command.
#include <gtest/gtest.h>

#include "TestSession.h"
#include "ui/combinations/CombinationItemList.h"
#include "ui/combinations/CombinationListView.h"
#include "ui/combinations/CombinationsView.h"
#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {
namespace {

class FixedClock : public LocalClock {
 public:
  SystemTime read() const override { return SystemTime{2024, 6, 5, 14, 9, 30, 0, 0}; }
};

class CombinationsViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Collection* tops = ts.wardrobe().collections().add(L"Tops");
    shirt = tops->items().add(L"Shirt", 1);
    blouse = tops->items().add(L"Blouse", 2);
    ts.session.setClock(clock);
    ts.open();
  }

  FixedClock clock;
  test::TestSession ts;
  CombinationsView view{ts.session};
  Item* shirt = nullptr;
  Item* blouse = nullptr;
};

TEST_F(CombinationsViewTest, FollowsChangesAndTheirUndo) {
  Combination* office = ts.session.addCombination(L"Office", {shirt});
  ASSERT_NE(office, nullptr);
  ASSERT_EQ(view.list()->rowCount(), 1);
  view.list()->choose(office);
  EXPECT_EQ(view.items()->shownItems(), (std::vector<Item*>{shirt}));

  ASSERT_TRUE(ts.session.addToCombination(office, {blouse}));
  EXPECT_EQ(view.items()->shownItems(), (std::vector<Item*>{shirt, blouse}));
  ASSERT_TRUE(ts.session.removeFromCombination(office, {shirt}));
  EXPECT_EQ(view.items()->shownItems(), (std::vector<Item*>{blouse}));
  ts.session.history().undo();
  EXPECT_EQ(view.items()->shownItems(), (std::vector<Item*>{shirt, blouse}));

  ASSERT_TRUE(ts.session.removeCombination(office));
  EXPECT_EQ(view.list()->rowCount(), 0);
  EXPECT_TRUE(view.items()->shownItems().empty());
  ts.session.history().undo();
  EXPECT_EQ(view.list()->rowCount(), 1);
}

TEST_F(CombinationsViewTest, WornTodayRecordsTheDayOnTheCombinationAndItsItems) {
  Combination* office = ts.session.addCombination(L"Office", {shirt, blouse});
  view.list()->choose(office);
  const Date today = ts.session.today();
  ASSERT_TRUE(test::trigger(&view, kCmdWornToday));
  EXPECT_TRUE(office->worn().contains(today));
  EXPECT_TRUE(shirt->worn().contains(today));
  EXPECT_TRUE(blouse->worn().contains(today));
  EXPECT_FALSE(findCommandAction(&view, kCmdWornToday)->isEnabled()) << "once a day";
  ts.session.history().undo();
  EXPECT_FALSE(office->worn().contains(today));
  EXPECT_FALSE(shirt->worn().contains(today));
}

}  // namespace
}  // namespace tavoro::ui
