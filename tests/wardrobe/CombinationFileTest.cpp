// Combinations and wear dates in the wardrobe file: where they are written,
// that a wardrobe without them is written as before, and how a damaged file
// is repaired on reading.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "TestFiles.h"
#include "WardrobeDescription.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

using test::describe;
using test::readFile;
using test::TempDir;
using test::writeFile;

class FixedClock : public LocalClock {
 public:
  SystemTime read() const override { return SystemTime{2030, 1, 2, 15, 10, 20, 30, 400}; }
};

DateTime at(int y, int mo, int d, int h, int mi) {
  return DateTime(Date::fromParts(y, mo, d), Time::fromParts(h, mi, 0, 0));
}

const std::string kHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
    "<TavoroWardrobe version=\"1.0\" xmlns=\"http://www.tavoro.example/xmlns/twd\"><Properties wardrobe_id=\"3\" "
    "wardrobe_name=\"W\"/>";
// Collection 1 with items 1 and 2, collection 2 with item 1.
const std::string kCollections =
    "<Collections next_id=\"3\"><Collection id=\"1\" name=\"A\"><Items next_id=\"3\">"
    "<Item id=\"1\" name=\"Shirt\" date_added=\"2024-01-01 00:00:00.000\"/>"
    "<Item id=\"2\" name=\"Jeans\" date_added=\"2024-01-01 00:00:00.000\"/></Items></Collection>"
    "<Collection id=\"2\" name=\"B\"><Items next_id=\"2\">"
    "<Item id=\"1\" name=\"Boots\" date_added=\"2024-01-01 00:00:00.000\"/></Items></Collection></Collections>";

TEST(CombinationFileTest, WritesCombinationsAfterTheCollectionsAndWearDatesInTheirItems) {
  TempDir dir;
  Wardrobe wardrobe(dir / L"W", L"Small");
  wardrobe.setWardrobeId(2);
  Collection* c = wardrobe.collections().add(L"C");
  Item* shirt = c->items().add(L"Shirt", 1);
  Item* jeans = c->items().add(L"Jeans", 2);
  c->items().setNextId(3);
  shirt->setDateAdded(at(2024, 1, 2, 3, 4));
  jeans->setDateAdded(at(2024, 1, 2, 3, 4));
  jeans->worn().assign({Date::fromParts(2024, 5, 3), Date::fromParts(2024, 2, 1), Date::fromParts(2024, 5, 3)});
  CombinationList& combinations = wardrobe.combinations();
  Combination* office = combinations.add(L"Office & <Co>");
  office->setCreated(at(2024, 2, 1, 9, 0));
  office->setChanged(at(2024, 5, 3, 8, 30));
  office->insertItem(jeans);
  office->insertItem(shirt);
  office->worn().add(Date::fromParts(2024, 5, 3));
  Combination* empty = combinations.add(L"Empty");
  empty->setCreated(at(2024, 3, 1, 0, 0));
  empty->setChanged(at(2024, 3, 1, 0, 0));
  ASSERT_TRUE(writeWardrobe(wardrobe));
  const std::string written = readFile(dir / L"W/Small.twd");
  EXPECT_NE(written.find("                <Item id=\"2\" name=\"Jeans\" date_added=\"2024-01-02 03:04:00.000\">\n"
                         "                    <Photos next_id=\"1\" />\n"
                         "                    <Records />\n"
                         "                    <Worn dates=\"2024-02-01 2024-05-03\" />\n"
                         "                </Item>\n"),
            std::string::npos)
      << written;
  const std::string tail =
      "    </Collections>\n"
      "    <Combinations next_id=\"3\">\n"
      "        <Combination id=\"1\" name=\"Office &amp; &lt;Co&gt;\" created=\"2024-02-01 09:00:00.000\" "
      "changed=\"2024-05-03 08:30:00.000\">\n"
      "            <ItemRef collection_id=\"1\" item_id=\"2\" />\n"
      "            <ItemRef collection_id=\"1\" item_id=\"1\" />\n"
      "            <Worn dates=\"2024-05-03\" />\n"
      "        </Combination>\n"
      "        <Combination id=\"2\" name=\"Empty\" created=\"2024-03-01 00:00:00.000\" "
      "changed=\"2024-03-01 00:00:00.000\" />\n"
      "    </Combinations>\n"
      "</TavoroWardrobe>\n";
  ASSERT_GE(written.size(), tail.size());
  EXPECT_EQ(written.substr(written.size() - tail.size()), tail);

  Wardrobe read;
  ASSERT_TRUE(readWardrobe(dir / L"W/Small.twd", read, FixedClock()));
  EXPECT_EQ(describe(read), describe(wardrobe));

  // Once every combination is gone, only the counter stays; without any
  // combination ever, nothing at all is written (the older files' form).
  combinations.clear();
  ASSERT_TRUE(writeWardrobe(wardrobe));
  EXPECT_NE(readFile(dir / L"W/Small.twd").find("    <Combinations next_id=\"3\" />\n</TavoroWardrobe>"),
            std::string::npos);
  combinations.setNextId(1);
  jeans->worn().clear();
  ASSERT_TRUE(writeWardrobe(wardrobe));
  const std::string plain = readFile(dir / L"W/Small.twd");
  EXPECT_EQ(plain.find("Worn"), std::string::npos);
  EXPECT_EQ(plain.find("Combinations"), std::string::npos);
}

struct RepairCase {
  const char* what;
  std::string body;  // after the collections
  std::function<void(Wardrobe&)> check;
};

std::vector<std::wstring> itemNames(const Combination& combination) {
  std::vector<std::wstring> names;
  for (const Item* item : combination.items())
    names.push_back(item->owner()->collection()->name() + L"/" + item->name());
  return names;
}

TEST(CombinationFileTest, RepairsWhatItCanOnReading) {
  const std::string combination = "<Combination id=\"1\" name=\"Outfit\" created=\"2024-02-01 09:00:00.000\" "
                                   "changed=\"2024-03-01 09:00:00.000\">";
  const auto combinations = [&](const std::string& inner, const std::string& attributes = "next_id=\"2\"") {
    return "<Combinations " + attributes + ">" + combination + inner + "</Combination></Combinations>";
  };
  const std::vector<RepairCase> cases = {
      {"references to missing items, collections or repeated ones are dropped, the order kept",
       combinations("<ItemRef collection_id=\"2\" item_id=\"1\"/><ItemRef collection_id=\"1\" item_id=\"9\"/>"
                    "<ItemRef collection_id=\"7\" item_id=\"1\"/><ItemRef collection_id=\"1\" item_id=\"2\"/>"
                    "<ItemRef collection_id=\"2\" item_id=\"1\"/><ItemRef item_id=\"1\"/>"
                    "<ItemRef collection_id=\"x\" item_id=\"1\"/><ItemRef collection_id=\"1\" item_id=\"1\"/>"),
       [](Wardrobe& w) {
         ASSERT_EQ(w.combinations().count(), 1u);
         EXPECT_EQ(itemNames(*w.combinations().at(0)),
                   (std::vector<std::wstring>{L"B/Boots", L"A/Jeans", L"A/Shirt"}));
       }},
      {"bad days are skipped, the others sorted and kept once",
       combinations("<Worn dates=\"2024-05-03 2024-02-30 x 2024-1-05 2024-01-05  2024-05-03 1752-09-13 "
                    "10000-01-01 2024-01-05T\"/><Worn dates=\"2020-01-01\"/>"),
       [](Wardrobe& w) {
         const WearDates& worn = w.combinations().at(0)->worn();
         EXPECT_EQ(worn.days(), (std::vector<Date>{Date::fromParts(2024, 1, 5), Date::fromParts(2024, 5, 3)}));
       }},
      {"an item's bad days are skipped too; an empty list is no list",
       "",
       [](Wardrobe& w) {
         EXPECT_EQ(w.collections().at(0)->items().at(0)->worn().days(),
                   (std::vector<Date>{Date::fromParts(2023, 12, 24)}));
         EXPECT_TRUE(w.collections().at(0)->items().at(1)->worn().empty());
       }},
      {"damaged counter: recomputed from the ids",
       "<Combinations next_id=\"many\"><Combination id=\"5\" name=\"A\"/><Combination id=\"2\" name=\"B\"/>"
       "</Combinations>",
       [](Wardrobe& w) {
         EXPECT_EQ(w.combinations().count(), 2u);
         EXPECT_EQ(w.combinations().nextId(), 6);
       }},
      {"a counter behind the ids is raised; one ahead is kept",
       "<Combinations next_id=\"40\"><Combination id=\"5\" name=\"A\"/></Combinations>",
       [](Wardrobe& w) { EXPECT_EQ(w.combinations().nextId(), 40); }},
      {"without id, name, with a used or a non-positive id: skipped",
       "<Combinations next_id=\"1\"><Combination name=\"no id\"/><Combination id=\"1\"/>"
       "<Combination id=\"1\" name=\"\"/><Combination id=\"0\" name=\"zero\"/><Combination id=\"3\" name=\"first\"/>"
       "<Combination id=\"3\" name=\"again\"/><Other id=\"4\" name=\"other\"/></Combinations>",
       [](Wardrobe& w) {
         ASSERT_EQ(w.combinations().count(), 1u);
         EXPECT_EQ(w.combinations().at(0)->name(), L"first");
         EXPECT_EQ(w.combinations().nextId(), 4);
       }},
      {"a bad creation date is now, a bad change date the creation's",
       "<Combinations next_id=\"2\"><Combination id=\"1\" name=\"A\" created=\"2024-02-30 00:00:00.000\" "
       "changed=\"soon\"/><Combination id=\"2\" name=\"B\" created=\"2024-02-03 04:05:06.007\"/></Combinations>",
       [](Wardrobe& w) {
         EXPECT_EQ(w.combinations().at(0)->created().toText(), L"2030-01-15 10:20:30.400");
         EXPECT_EQ(w.combinations().at(0)->changed(), w.combinations().at(0)->created());
         EXPECT_EQ(w.combinations().at(1)->changed().toText(), L"2024-02-03 04:05:06.007");
       }},
      {"only the first Combinations counts",
       "<Combinations next_id=\"2\"><Combination id=\"1\" name=\"A\"/></Combinations>"
       "<Combinations next_id=\"9\"><Combination id=\"8\" name=\"B\"/></Combinations>",
       [](Wardrobe& w) {
         ASSERT_EQ(w.combinations().count(), 1u);
         EXPECT_EQ(w.combinations().nextId(), 2);
       }},
  };
  TempDir dir;
  const std::wstring file = dir / L"file.twd";
  const std::string wornItems =
      "<Collections next_id=\"3\"><Collection id=\"1\" name=\"A\"><Items next_id=\"3\">"
      "<Item id=\"1\" name=\"Shirt\" date_added=\"2024-01-01 00:00:00.000\"><Worn dates=\"2023-12-24 nope\"/></Item>"
      "<Item id=\"2\" name=\"Jeans\" date_added=\"2024-01-01 00:00:00.000\"><Worn dates=\"\"/></Item></Items>"
      "</Collection><Collection id=\"2\" name=\"B\"><Items next_id=\"2\">"
      "<Item id=\"1\" name=\"Boots\" date_added=\"2024-01-01 00:00:00.000\"/></Items></Collection></Collections>";
  for (const RepairCase& c : cases) {
    SCOPED_TRACE(c.what);
    // The combinations may come first in a file made by hand: they are
    // read the same.
    for (const bool first : {false, true}) {
      const std::string collections = c.body.empty() ? wornItems : kCollections;
      writeFile(file, kHead + (first ? c.body + collections : collections + c.body) + "</TavoroWardrobe>");
      Wardrobe wardrobe;
      ASSERT_TRUE(readWardrobe(file, wardrobe, FixedClock()));
      c.check(wardrobe);
      ASSERT_TRUE(writeWardrobe(wardrobe));
      Wardrobe resaved;
      ASSERT_TRUE(readWardrobe(file, resaved, FixedClock()));
      EXPECT_EQ(describe(resaved), describe(wardrobe));
    }
  }
}

}  // namespace
}  // namespace tavoro
