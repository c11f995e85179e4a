// "Add to Combination" from the item details (the search results and the
// item list run the same function): the menu of combinations, the name
// dialog and its refusals, one step of the history; and "Worn Today".
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>

#include "CombinationChoice.h"
#include "TestSession.h"
#include "ui/combinations/AddToCombination.h"
#include "ui/common/MessageBox.h"
#include "ui/details/ItemDetailsPane.h"
#include "ui/details/WearStrip.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {
namespace {

class FixedClock : public LocalClock {
 public:
  SystemTime read() const override { return SystemTime{2024, 6, 5, 14, 9, 30, 0, 0}; }
};

class AddToCombinationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Collection* shoes = ts.wardrobe().collections().add(L"Shoes");
    boot = shoes->items().add(L"Boot", 1);
    sandal = shoes->items().add(L"Sandal", 2);
    older = ts.wardrobe().combinations().add(L"Rain & wind");
    older->setChanged(DateTime(Date::fromParts(2024, 1, 1), Time()));
    newer = ts.wardrobe().combinations().add(L"Summer");
    newer->setChanged(DateTime(Date::fromParts(2024, 5, 1), Time()));
    newer->insertItem(sandal);
    ts.session.setClock(clock);
    ts.open();
    ts.session.setListSelection({boot});
  }

  FixedClock clock;
  test::TestSession ts;
  ItemDetailsPane details{ts.session};
  Item* boot = nullptr;
  Item* sandal = nullptr;
  Combination* older = nullptr;
  Combination* newer = nullptr;
};

TEST_F(AddToCombinationTest, TheMenuListsTheMostRecentlyChangedFirstThenANewOne) {
  const CombinationMenu menu = makeCombinationMenu(ts.session.wardrobe()->combinations());
  std::vector<QString> texts;
  for (QAction* action : menu.menu->actions())
    if (!action->isSeparator()) texts.push_back(action->text());
  EXPECT_EQ(texts, (std::vector<QString>{"Summer", "Rain && wind", "New Combination..."}));
  EXPECT_EQ(menu.listed, (std::vector<Combination*>{newer, older}));
}

TEST_F(AddToCombinationTest, ChoosingACombinationAddsTheItemsInOneStep) {
  const int steps = ts.session.history().count();
  test::chooseInCombinationMenu(kListedCombination + 1);
  ASSERT_TRUE(test::trigger(&details, kCmdAddToCombination));
  EXPECT_EQ(older->items(), std::vector<Item*>{boot});
  EXPECT_EQ(ts.session.history().count(), steps + 1);
  ts.session.history().undo();
  EXPECT_EQ(older->count(), 0u);
}

TEST_F(AddToCombinationTest, NewCombinationRefusesEmptyBadAndTakenNamesSayingWhy) {
  ScopedMessageResponder boxes;
  test::chooseInCombinationMenu(kCmdNewCombination, {L"", L"   ", L"Bad\x01name", L"Summer", L"  Evening "});
  ASSERT_TRUE(test::trigger(&details, kCmdAddToCombination));
  const std::vector<QString> expected = {
      "Please enter a name for the combination.", "Please enter a name for the combination.",
      "Invalid combination name. Please try another name.",
      "There is already a combination named \"Summer\". Please choose another name."};
  ASSERT_EQ(boxes.count(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(toQString(boxes.records()[i].text), expected[i]) << i;
  Combination* evening = ts.session.wardrobe()->combinations().findByName(L"Evening");
  ASSERT_NE(evening, nullptr) << "the name is trimmed";
  EXPECT_EQ(evening->items(), std::vector<Item*>{boot});
  EXPECT_EQ(ts.session.history().undoText(), QStringLiteral("New Combination"));
}

TEST_F(AddToCombinationTest, CancellingTheNameAddsNothing) {
  test::chooseInCombinationMenu(kCmdNewCombination, {});
  ASSERT_TRUE(test::trigger(&details, kCmdAddToCombination));
  EXPECT_EQ(ts.session.wardrobe()->combinations().count(), 2u);
}

TEST_F(AddToCombinationTest, WornTodayInTheDetailsRecordsTheDayAndUndoTakesItBack) {
  WearStrip& strip = *details.wearStrip();
  EXPECT_EQ(strip.text(), QStringLiteral("Never worn"));
  strip.wornTodayButton()->click();
  EXPECT_TRUE(boot->worn().contains(Date::fromParts(2024, 6, 14)));
  EXPECT_EQ(strip.text(), QStringLiteral("Worn once, on 2024-06-14"));
  EXPECT_FALSE(strip.wornTodayButton()->isEnabled()) << "worn today already";
  EXPECT_EQ(ts.session.history().undoText(), QStringLiteral("Worn Today"));
  ts.session.history().undo();
  EXPECT_EQ(strip.text(), QStringLiteral("Never worn"));
  EXPECT_TRUE(strip.wornTodayButton()->isEnabled());
}

}  // namespace
}  // namespace tavoro::ui
