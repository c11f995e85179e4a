// The model of combinations and wear dates: days kept in order once each,
// the list's ids and order, and items leaving every combination when they
// leave the wardrobe.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wardrobe/Wardrobe.h"

namespace tavoro {
namespace {

Date day(int y, int m, int d) { return Date::fromParts(y, m, d); }

TEST(DateTest, DayTextReadsOnlyWholeValidDays) {
  struct Case {
    const char* text;
    bool ok;
    const wchar_t* written;  // toText of what was read
  };
  const Case cases[] = {
      {"2024-02-29", true, L"2024-02-29"}, {"1752-09-14", true, L"1752-09-14"}, {"9999-12-31", true, L"9999-12-31"},
      {"0099-01-01", true, L"1999-01-01"},  // two-digit years are the 1900s, as everywhere
      {"2023-02-29", false, L""},          {"1752-09-13", false, L""},          {"2024-1-05", false, L""},
      {"2024-01-05 ", false, L""},         {"2024/01/05", false, L""},          {"+024-01-05", false, L""},
      {"", false, L""},                    {"\xEF\xBC\x92""024-01-0", false, L""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Date date;
    EXPECT_EQ(date.parseText(std::string_view(c.text)), c.ok);
    EXPECT_EQ(date.toText(), c.written);
  }
  EXPECT_EQ(Date(Date::kFirstValidDay - 1).toText(), L"");
  EXPECT_FALSE(day(9999, 12, 31).addDays(1).isStorable());
}

TEST(WearDatesTest, KeepsStorableDaysInOrderOnceEach) {
  WearDates worn;
  EXPECT_TRUE(worn.empty());
  EXPECT_TRUE(worn.last().isNull());
  EXPECT_TRUE(worn.add(day(2024, 5, 3)));
  EXPECT_TRUE(worn.add(day(2024, 1, 9)));
  EXPECT_FALSE(worn.add(day(2024, 5, 3)));  // a day is worn once
  EXPECT_FALSE(worn.add(Date()));
  EXPECT_FALSE(worn.add(day(9999, 12, 31).addDays(1)));
  EXPECT_TRUE(worn.add(day(2024, 3, 1)));
  EXPECT_EQ(worn.days(), (std::vector<Date>{day(2024, 1, 9), day(2024, 3, 1), day(2024, 5, 3)}));
  EXPECT_EQ(worn.first(), day(2024, 1, 9));
  EXPECT_EQ(worn.last(), day(2024, 5, 3));
  EXPECT_EQ(worn.countBetween(day(2024, 3, 1), day(2024, 5, 3)), 2u);
  EXPECT_EQ(worn.countBetween(day(2024, 5, 3), day(2024, 3, 1)), 0u);
  EXPECT_TRUE(worn.contains(day(2024, 3, 1)));
  EXPECT_TRUE(worn.remove(day(2024, 3, 1)));
  EXPECT_FALSE(worn.remove(day(2024, 3, 1)));
  worn.assign({day(2020, 1, 2), Date(), day(2019, 1, 1), day(2020, 1, 2)});
  EXPECT_EQ(worn.days(), (std::vector<Date>{day(2019, 1, 1), day(2020, 1, 2)}));
  worn.assign({});
  EXPECT_TRUE(worn.empty());
}

TEST(CombinationListTest, IdsGrowNamesAndTheOrderOfChange) {
  Wardrobe wardrobe(L"/tmp/w", L"Mine");
  CombinationList& list = wardrobe.combinations();
  EXPECT_EQ(list.suggestNewName(), L"New Combination");
  Combination* first = list.add(L"New Combination");
  EXPECT_EQ(first->id(), 1);
  EXPECT_EQ(list.suggestNewName(), L"New Combination 2");
  EXPECT_TRUE(list.remove(first));
  EXPECT_FALSE(list.remove(first));
  Combination* b = list.add(L"B");
  EXPECT_EQ(b->id(), 2);
  EXPECT_EQ(list.add(L"Stored", 17)->id(), 17);
  EXPECT_EQ(list.add(L"Zero", 0), nullptr);
  Combination* c = list.add(L"C");
  EXPECT_EQ(c->id(), 3);
  EXPECT_EQ(list.findByName(L"C"), c);
  EXPECT_EQ(list.findByName(L"c"), nullptr);
  EXPECT_EQ(list.findById(17)->name(), L"Stored");
  const DateTime early(day(2024, 1, 1), Time());
  const DateTime late(day(2024, 6, 1), Time());
  b->setChanged(late);
  list.findById(17)->setChanged(early);
  c->setChanged(early);
  const std::vector<Combination*> recent = list.byLastChange();
  ASSERT_EQ(recent.size(), 3u);
  EXPECT_EQ(recent[0], b);
  EXPECT_EQ(recent[1]->id(), 17);  // equally recent: the newer id first
  EXPECT_EQ(recent[2], c);
}

TEST(CombinationTest, HoldsEachItemOnceInTheUsersOrder) {
  Wardrobe wardrobe(L"/tmp/w", L"Mine");
  ItemList& items = wardrobe.collections().add(L"C")->items();
  Item* a = items.add(L"a", 1);
  Item* b = items.add(L"b", 2);
  Item* c = items.add(L"c", 3);
  Combination* outfit = wardrobe.combinations().add(L"Outfit");
  EXPECT_TRUE(outfit->insertItem(a));
  EXPECT_TRUE(outfit->insertItem(c));
  EXPECT_FALSE(outfit->insertItem(a));
  EXPECT_FALSE(outfit->insertItem(nullptr));
  EXPECT_TRUE(outfit->insertItem(b, 1));
  EXPECT_EQ(outfit->items(), (std::vector<Item*>{a, b, c}));
  EXPECT_FALSE(outfit->reorder({c, b}));
  EXPECT_FALSE(outfit->reorder({c, c, a}));
  EXPECT_TRUE(outfit->reorder({c, a, b}));
  size_t position = 9;
  EXPECT_TRUE(outfit->removeItem(a, &position));
  EXPECT_EQ(position, 1u);
  EXPECT_FALSE(outfit->removeItem(a));
  EXPECT_EQ(wardrobe.combinations().holding(b), (std::vector<Combination*>{outfit}));
}

TEST(CombinationListTest, ItemsLeaveEveryCombinationWithTheWardrobeAndComeBackInPlace) {
  Wardrobe wardrobe(L"", L"");
  Collection* tops = wardrobe.collections().add(L"Tops");
  Collection* shoes = wardrobe.collections().add(L"Shoes");
  Item* shirt = tops->items().add(L"shirt", 1);
  Item* blouse = tops->items().add(L"blouse", 2);
  Item* boots = shoes->items().add(L"boots", 1);
  Item* flats = shoes->items().add(L"flats", 2);
  CombinationList& list = wardrobe.combinations();
  Combination* one = list.add(L"one");
  Combination* two = list.add(L"two");
  for (Item* item : {boots, shirt, flats, blouse}) one->insertItem(item);
  for (Item* item : {shirt, boots}) two->insertItem(item);

  // Taken out and put back (the session's undo): every combination as before.
  const std::vector<CombinationPlace> places = list.removeItems({shirt, flats, boots});
  EXPECT_EQ(one->items(), (std::vector<Item*>{blouse}));
  EXPECT_TRUE(two->items().empty());  // left empty, it stays
  EXPECT_EQ(list.count(), 2u);
  list.putBack(places);
  EXPECT_EQ(one->items(), (std::vector<Item*>{boots, shirt, flats, blouse}));
  EXPECT_EQ(two->items(), (std::vector<Item*>{shirt, boots}));

  // Deleted for good, by the item or with its collection.
  EXPECT_TRUE(tops->items().remove(shirt));
  EXPECT_EQ(one->items(), (std::vector<Item*>{boots, flats, blouse}));
  EXPECT_EQ(two->items(), (std::vector<Item*>{boots}));
  EXPECT_TRUE(wardrobe.collections().remove(shoes));
  EXPECT_EQ(one->items(), (std::vector<Item*>{blouse}));
  EXPECT_TRUE(two->items().empty());
  wardrobe.collections().clear(false);
  EXPECT_TRUE(one->items().empty());
}

}  // namespace
}  // namespace tavoro
