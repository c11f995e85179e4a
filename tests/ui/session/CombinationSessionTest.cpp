// Combinations and wear through the session: each change is one named step
// that undo and redo take back and forth to the same file, deletes of items
// and collections take their items out of every combination and undo puts
// them back, and the panes hear of it.
#include <gtest/gtest.h>

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "TestSession.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {
namespace {

class FixedClock : public LocalClock {
 public:
  SystemTime read() const override { return SystemTime{2024, 6, 5, 14, 9, 30, 0, 0}; }
};

class CombinationSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shoes = ts.wardrobe().collections().add(L"Shoes");
    hats = ts.wardrobe().collections().add(L"Hats");
    boot = shoes->items().add(L"Boot", 1);
    sandal = shoes->items().add(L"Sandal", 2);
    cap = hats->items().add(L"Cap", 1);
    outfit = ts.wardrobe().combinations().add(L"Outfit");
    for (Item* item : {boot, cap}) outfit->insertItem(item);
    spare = ts.wardrobe().combinations().add(L"Spare");
    spare->insertItem(cap);
    ts.session.setClock(clock);
    ts.open();
  }

  // The file, without the combinations' counter (an id once given out stays
  // used when its combination is undone).
  std::string saved() {
    EXPECT_TRUE(ts.session.save());
    std::string bytes = test::readFile(ts.session.wardrobe()->wardrobeFilePath());
    const size_t at = bytes.find("<Combinations next_id=\"");
    if (at != std::string::npos) bytes.erase(at, bytes.find('>', at) - at);
    return bytes;
  }

  FixedClock clock;
  test::TestSession ts;
  Collection* shoes = nullptr;
  Collection* hats = nullptr;
  Item* boot = nullptr;
  Item* sandal = nullptr;
  Item* cap = nullptr;
  Combination* outfit = nullptr;
  Combination* spare = nullptr;
};

TEST_F(CombinationSessionTest, EveryChangeIsOneStepUndoneAndRedoneToTheSameFile) {
  WardrobeSession& s = ts.session;
  const Date june = Date::fromParts(2024, 6, 1);
  struct Case {
    const char* step;
    std::function<bool()> change;
    std::function<void()> check;  // right after the change
  };
  const Case cases[] = {
      {"New Combination", [&] { return s.addCombination(L"  Beach  ", {sandal, cap, sandal}) != nullptr; },
       [&] {
         Combination* beach = s.wardrobe()->combinations().findByName(L"Beach");
         ASSERT_NE(beach, nullptr);
         EXPECT_EQ(beach->items(), (std::vector<Item*>{sandal, cap}));
         EXPECT_EQ(beach->created().toText(), L"2024-06-14 09:30:00.000");
       }},
      {"Add to Combination", [&] { return s.addToCombination(outfit, {cap, sandal}); },
       [&] { EXPECT_EQ(outfit->items(), (std::vector<Item*>{boot, cap, sandal})); }},
      {"Remove from Combination", [&] { return s.removeFromCombination(outfit, {boot}); },
       [&] { EXPECT_EQ(outfit->items(), (std::vector<Item*>{cap})); }},
      {"Move in Combination", [&] { return s.reorderCombination(outfit, {cap, boot}); },
       [&] { EXPECT_EQ(outfit->changed().toText(), L"2024-06-14 09:30:00.000"); }},
      {"Rename Combination", [&] { return s.renameCombination(outfit, L"Office"); },
       [&] { EXPECT_EQ(outfit->name(), L"Office"); }},
      {"Delete Combination", [&] { return s.removeCombination(outfit); },
       [&] { EXPECT_EQ(s.wardrobe()->combinations().count(), 1u); }},
      {"Worn Today", [&] { return s.wearCombination(outfit, s.today()); },
       [&] {
         EXPECT_EQ(outfit->worn().last(), Date::fromParts(2024, 6, 14));
         EXPECT_EQ(boot->worn().count(), 1u);
         EXPECT_EQ(cap->worn().count(), 1u);
       }},
      {"Worn on 2024-06-01", [&] { return s.wearItems({sandal}, june); },
       [&] { EXPECT_EQ(sandal->worn().days(), std::vector<Date>{june}); }},
      // Items leave every combination with the wardrobe, and come back.
      {"Delete Item", [&] { return s.removeItems({cap}); },
       [&] {
         EXPECT_EQ(outfit->items(), std::vector<Item*>{boot});
         EXPECT_TRUE(spare->items().empty());
       }},
      {"Delete Collection", [&] { return s.removeCollection(shoes); },
       [&] { EXPECT_EQ(outfit->items(), std::vector<Item*>{cap}); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    const std::string before = saved();
    const std::vector<Item*> outfitBefore = outfit->items();
    ASSERT_TRUE(c.change());
    EXPECT_EQ(s.history().undoText(), QString::fromUtf8(c.step));
    c.check();
    const std::string after = saved();
    EXPECT_NE(after, before);
    s.history().undo();
    EXPECT_EQ(saved(), before);
    EXPECT_EQ(outfit->items(), outfitBefore) << "the same objects, in their places";
    s.history().redo();
    EXPECT_EQ(saved(), after);
    s.history().undo();
  }
}

TEST_F(CombinationSessionTest, ChangesThatChangeNothingOrBreakTheNameRulesAreRefused) {
  WardrobeSession& s = ts.session;
  const int steps = s.history().count();
  EXPECT_EQ(s.addCombination(L"Outfit"), nullptr) << "taken";
  EXPECT_EQ(s.addCombination(L"   "), nullptr);
  EXPECT_EQ(s.addCombination(L"a\u0001b"), nullptr);
  EXPECT_EQ(s.addCombination(std::wstring(261, L'x')), nullptr);
  EXPECT_FALSE(s.renameCombination(outfit, L"Spare"));
  EXPECT_FALSE(s.renameCombination(outfit, L" Outfit "));
  EXPECT_FALSE(s.addToCombination(outfit, {boot, cap}));
  EXPECT_FALSE(s.removeFromCombination(outfit, {sandal}));
  EXPECT_FALSE(s.reorderCombination(outfit, {boot, cap}));
  EXPECT_FALSE(s.reorderCombination(outfit, {boot, sandal}));
  EXPECT_FALSE(s.wearItems({}, s.today()));
  EXPECT_FALSE(s.wearCombination(outfit, Date()));
  EXPECT_EQ(s.history().count(), steps);
  // A second wear of the same day changes nothing; a combination made of
  // items worn that day already still gets the day.
  ASSERT_TRUE(s.wearItems({boot, cap}, s.today()));
  EXPECT_TRUE(s.wearCombination(outfit, s.today()));
  EXPECT_FALSE(s.wearCombination(outfit, s.today()));
  EXPECT_EQ(boot->worn().count(), 1u);
  // Renamed to the same name in another case is a change.
  EXPECT_TRUE(s.renameCombination(outfit, L"outfit"));
}

TEST_F(CombinationSessionTest, PanesHearOfEachCombinationChange) {
  WardrobeSession& s = ts.session;
  std::vector<std::string> heard;
  QObject::connect(&s, &WardrobeSession::combinationAdded, [&](Combination*) { heard.push_back("added"); });
  QObject::connect(&s, &WardrobeSession::combinationChanged,
                   [&](Combination* c) { heard.push_back("changed " + std::to_string(c->id())); });
  QObject::connect(&s, &WardrobeSession::combinationAboutToBeRemoved,
                   [&](Combination*) { heard.push_back("aboutToBeRemoved"); });
  QObject::connect(&s, &WardrobeSession::combinationRemoved, [&] { heard.push_back("removed"); });
  QObject::connect(&s, &WardrobeSession::itemsWorn,
                   [&](const std::vector<Item*>& items) { heard.push_back("worn " + std::to_string(items.size())); });
  s.addCombination(L"New");
  s.wearCombination(outfit, s.today());
  s.removeItems({cap});
  s.history().undo();
  s.removeCombination(spare);
  s.history().undo();
  EXPECT_EQ(heard, (std::vector<std::string>{"added", "changed 1", "worn 2", "changed 1", "changed 2", "changed 1",
                                             "changed 2", "aboutToBeRemoved", "removed", "added"}));
}

}  // namespace
}  // namespace tavoro::ui

namespace tavoro::ui {
namespace {

// A jump from the combinations view to an item: its collection is chosen
// (also from "All Collections", whose item list is empty), the search goes,
// and the item list is asked to show the item.
TEST(RevealItemTest, ChoosesItsCollectionHidesTheSearchAndAsksToShowIt) {
  test::TestSession ts;
  Collection* shoes = ts.wardrobe().collections().add(L"Shoes");
  Collection* hats = ts.wardrobe().collections().add(L"Hats");
  Item* boot = shoes->items().add(L"Boot", 1);
  Item* cap = hats->items().add(L"Cap", 1);
  ts.open();
  std::vector<Item*> asked;
  QObject::connect(&ts.session, &WardrobeSession::revealRequested,
                   [&asked](const std::vector<Item*>& items) { asked = items; });
  ts.session.setCurrentCollection(hats);
  ts.session.search(QStringLiteral("cap"));
  ts.session.revealItem(boot);
  EXPECT_EQ(ts.session.currentCollection(), shoes);
  EXPECT_FALSE(ts.session.searchShown());
  EXPECT_EQ(asked, std::vector<Item*>{boot});
  Collection* all = ts.session.wardrobe()->collections().allCollections();
  ts.session.setCurrentCollection(all);
  ts.session.revealItem(cap);
  EXPECT_EQ(ts.session.currentCollection(), hats);
  EXPECT_EQ(asked, std::vector<Item*>{cap});
}

}  // namespace
}  // namespace tavoro::ui
