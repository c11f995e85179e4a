#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "FileSizeLimit.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "WardrobeDescription.h"
#include "platform/FileSystem.h"
#include "platform/LocalProcess.h"
#include "platform/SaveTemporaries.h"
#include "platform/Utf8.h"
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
constexpr const wchar_t* kFixedNow = L"2030-01-15 10:20:30.400";

DateTime at(int y, int mo, int d, int h, int mi, int s, int ms) {
  return DateTime(Date::fromParts(y, mo, d), Time::fromParts(h, mi, s, ms));
}

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n";
const std::string kRootOpen = "<TavoroWardrobe version=\"1.0\" xmlns=\"http://www.tavoro.example/xmlns/twd\">";

std::string wardrobeText(const std::string& body) {
  return kDeclaration + kRootOpen + body + "</TavoroWardrobe>";
}
std::string withProperties(const std::string& collections) {
  return wardrobeText("<Properties wardrobe_id=\"3\" wardrobe_name=\"W\"/>" + collections);
}

TEST(WardrobeFileTest, EveryKindOfContentSurvivesARoundTrip) {
  TempDir dir;
  Wardrobe wardrobe(dir / L"Closet", L"Garde-robe \u6D77 & <\"'>");
  wardrobe.setWardrobeId(-7);
  CollectionList& list = wardrobe.collections();
  Collection* shirts = list.add(L"Shirts \U0001F455 &amp; &#x41;");
  list.add(L"Empty \"quoted\" 'single'");
  list.add(L"\u8863\u670D", 40);  // a stored id beyond nextId
  list.setNextId(41);
  list.setHotId(shirts->id());
  Tag* colour = shirts->tags().add(L"Colour <c>");
  Tag* size = shirts->tags().add(L"\u5C3A\u5BF8 \U0001F4CF");
  Tag* gone = shirts->tags().add(L"Deleted later");
  Item* item = shirts->items().add(L"Blue 'oxford' & <co>", 1);
  item->setDateAdded(at(2012, 9, 8, 14, 3, 7, 5));
  item->photos().addExisting(ImageType::Jpg, 1);
  item->photos().addExisting(ImageType::Png, 3);
  item->photos().addExisting(ImageType::Bmp, 2);
  item->photos().setNextId(9);
  item->records().set(size->id(), L"\U0001F600 XL");
  item->records().set(colour->id(), L"navy & <white> \"stripes\"");
  item->records().set(gone->id(), L"forgotten");
  item->records().set(4242, L"no such tag");
  item->records().set(-1, L"no tag at all");
  Item* bare = shirts->items().add(L"  blanks kept  ", 7);
  bare->setDateAdded(at(1752, 9, 14, 0, 0, 0, 0));
  bare->records().set(colour->id(), L"");  // empty: not stored
  shirts->items().setNextId(12);
  ASSERT_TRUE(shirts->tags().remove(gone));

  ASSERT_TRUE(writeWardrobe(wardrobe));
  const std::wstring file = dir / L"Closet/Garde-robe \u6D77 & <\"'>.twd";
  EXPECT_EQ(wardrobe.wardrobeFilePath(), file);

  Wardrobe read;
  ASSERT_TRUE(readWardrobe(file, read, FixedClock()));
  EXPECT_EQ(describe(read), describe(wardrobe));
  EXPECT_EQ(read.wardrobeFilePath(), file);
  EXPECT_EQ(read.folder(), dir / L"Closet/");
  EXPECT_EQ(read.collections().at(0)->items().at(0)->photos().at(0)->filePath(),
            dir / L"Closet/_Wardrobe_Photos_/C_000001/I_000001/P_000001.jpg");
  // Records come back in the order they were stored.
  EXPECT_EQ(read.collections().at(0)->items().at(0)->records().at(0).tagId(), size->id());

  // Writing what was read gives the same bytes: nothing drifts.
  const std::string first = readFile(file);
  ASSERT_TRUE(writeWardrobe(read));
  EXPECT_EQ(readFile(file), first);
}

TEST(WardrobeFileTest, WritesTheDocumentedLayout) {
  TempDir dir;
  Wardrobe wardrobe(dir / L"W", L"Small");
  wardrobe.setWardrobeId(2);
  Collection* c = wardrobe.collections().add(L"C");
  wardrobe.collections().add(L"Empty");
  Tag* t = c->tags().add(L"T");
  Item* i = c->items().add(L"I", 1);
  c->items().setNextId(2);
  i->setDateAdded(at(2012, 9, 8, 14, 3, 7, 5));
  i->photos().addExisting(ImageType::Jpg, 1);
  i->photos().setNextId(2);
  i->records().set(t->id(), L"v");
  Item* j = c->items().add(L"J", 5);
  j->setDateAdded(at(2024, 2, 29, 23, 59, 59, 999));
  c->items().setNextId(6);
  ASSERT_TRUE(writeWardrobe(wardrobe));
  EXPECT_EQ(readFile(dir / L"W/Small.twd"),
            kDeclaration + kRootOpen +
                "\n"
                "    <Properties wardrobe_id=\"2\" wardrobe_name=\"Small\" />\n"
                "    <Collections next_id=\"3\" hot_id=\"0\">\n"
                "        <Collection id=\"1\" name=\"C\">\n"
                "            <Tags next_id=\"1002\">\n"
                "                <Tag id=\"1001\" name=\"T\" />\n"
                "            </Tags>\n"
                "            <Items next_id=\"6\">\n"
                "                <Item id=\"1\" name=\"I\" date_added=\"2012-09-08 14:03:07.005\">\n"
                "                    <Photos next_id=\"2\">\n"
                "                        <Photo id=\"1\" format=\"4\" />\n"
                "                    </Photos>\n"
                "                    <Records>\n"
                "                        <Record tag_id=\"1001\" value=\"v\" />\n"
                "                    </Records>\n"
                "                </Item>\n"
                "                <Item id=\"5\" name=\"J\" date_added=\"2024-02-29 23:59:59.999\">\n"
                "                    <Photos next_id=\"1\" />\n"
                "                    <Records />\n"
                "                </Item>\n"
                "            </Items>\n"
                "        </Collection>\n"
                "        <Collection id=\"2\" name=\"Empty\">\n"
                "            <Tags next_id=\"1001\" />\n"
                "            <Items next_id=\"1\" />\n"
                "        </Collection>\n"
                "    </Collections>\n"
                "</TavoroWardrobe>\n");
}

TEST(WardrobeFileTest, AFileNameThatIsNotUtf8StillGivesAReadableFile) {
  TempDir dir;
  const std::wstring source = dir / fromUtf8("shirt caf\xE9.jpg");  // a byte that is not UTF-8
  writeFile(source, "not really a photo");
  Wardrobe wardrobe(dir / L"W", L"W");
  Item* item = wardrobe.collections().add(L"C")->items().addFromPhotoFile(source);
  ASSERT_NE(item, nullptr);
  ASSERT_TRUE(writeWardrobe(wardrobe));
  Wardrobe read;
  ASSERT_TRUE(readWardrobe(wardrobe.wardrobeFilePath(), read));
  EXPECT_EQ(read.collections().at(0)->items().at(0)->name(), L"shirt caf\uFFFD");
}

struct RepairCase {
  const char* what;
  std::string file;
  std::function<void(Wardrobe&)> check;
};

TEST(WardrobeFileTest, RepairsWhatItCanOnReading) {
  const std::string item = "<Item id=\"1\" name=\"I\" date_added=\"2012-09-08 14:03:07.005\">";
  const auto oneCollection = [](const std::string& inner, const std::string& collectionsAttributes = "next_id=\"1\"") {
    return withProperties("<Collections " + collectionsAttributes + "><Collection id=\"1\" name=\"C\">" + inner +
                          "</Collection></Collections>");
  };
  const auto oneItem = [&](const std::string& itemXml, const std::string& tags = "<Tags next_id=\"1\"/>") {
    return oneCollection(tags + "<Items next_id=\"1\">" + itemXml + "</Items>");
  };
  const std::vector<RepairCase> cases = {
      {"no Properties: the file's base name and no id", wardrobeText("<Collections next_id=\"1\"/>"),
       [](Wardrobe& w) {
         EXPECT_EQ(w.wardrobeId(), -1);
         EXPECT_EQ(w.name(), L"file.name");
       }},
      {"an empty name: the file's base name", wardrobeText("<Properties wardrobe_id=\"4\" wardrobe_name=\"\"/>"),
       [](Wardrobe& w) {
         EXPECT_EQ(w.wardrobeId(), 4);
         EXPECT_EQ(w.name(), L"file.name");
       }},
      {"wardrobe_id read as its leading number",
       wardrobeText("<Properties wardrobe_id=\"12abc\" wardrobe_name=\"N\"/>"),
       [](Wardrobe& w) { EXPECT_EQ(w.wardrobeId(), 12); }},
      {"no Collections: an empty wardrobe", withProperties(""),
       [](Wardrobe& w) { EXPECT_EQ(w.collections().count(), 0u); }},
      {"Collections without next_id: read all the same, the counter from the ids",
       withProperties("<Collections hot_id=\"1\"><Collection id=\"4\" name=\"C\"/></Collections>"),
       [](Wardrobe& w) {
         EXPECT_EQ(w.collections().count(), 1u);
         EXPECT_EQ(w.collections().hotId(), 1);
         EXPECT_EQ(w.collections().nextId(), 5);
       }},
      {"damaged counters at every level: everything is read",
       withProperties("<Collections next_id=\"x\"><Collection id=\"2\" name=\"C\"><Tags next_id=\"\">"
                      "<Tag id=\"1003\" name=\"T\"/></Tags><Items next_id=\"-\"><Item id=\"9\" name=\"I\" "
                      "date_added=\"2012-09-08 14:03:07.005\"><Photos next_id=\"many\"><Photo id=\"3\" "
                      "format=\"4\"/></Photos><Records><Record tag_id=\"1003\" value=\"v\"/></Records></Item>"
                      "</Items></Collection></Collections>"),
       [](Wardrobe& w) {
         ASSERT_EQ(w.collections().count(), 1u);
         EXPECT_EQ(w.collections().nextId(), 3);
         const Collection* c = w.collections().at(0);
         ASSERT_EQ(c->tags().count(), 1u);
         EXPECT_EQ(c->tags().nextId(), 1004);
         ASSERT_EQ(c->items().count(), 1u);
         EXPECT_EQ(c->items().nextId(), 10);
         const Item* i = c->items().at(0);
         ASSERT_EQ(i->photos().count(), 1u);
         EXPECT_EQ(i->photos().nextId(), 4);
         EXPECT_EQ(i->records().get(1003), L"v");
       }},
      {"counters raised past the largest id read",
       withProperties("<Collections next_id=\"2\" hot_id=\"9\"><Collection id=\"5\" name=\"C\"><Tags next_id=\"3\">"
                      "<Tag id=\"7\" name=\"T\"/></Tags><Items next_id=\"1\">" +
                      item +
                      "<Photos next_id=\"0\"><Photo id=\"6\" format=\"5\"/></Photos></Item>"
                      "</Items></Collection></Collections>"),
       [](Wardrobe& w) {
         EXPECT_EQ(w.collections().nextId(), 6);
         EXPECT_EQ(w.collections().hotId(), 9);  // a missing collection is the pane's business
         const Collection* c = w.collections().at(0);
         EXPECT_EQ(c->tags().nextId(), 1001);
         EXPECT_EQ(c->items().nextId(), 2);
         EXPECT_EQ(c->items().at(0)->photos().nextId(), 7);
       }},
      {"the largest id there is does not overflow the counter",
       withProperties("<Collections next_id=\"1\"><Collection id=\"2147483647\" name=\"C\"/></Collections>"),
       [](Wardrobe& w) { EXPECT_EQ(w.collections().nextId(), INT32_MAX); }},
      {"collections with id 0, a negative id, no id or no name are dropped",
       withProperties("<Collections next_id=\"1\"><Collection id=\"0\" name=\"Zero\"/><Collection id=\"-4\" "
                      "name=\"Minus\"/><Collection name=\"NoId\"/><Collection id=\"8\" name=\"\"/>"
                      "<Other id=\"9\" name=\"Other\"/><Collection id=\"3\" name=\"Kept\" extra=\"x\"/></Collections>"),
       [](Wardrobe& w) {
         ASSERT_EQ(w.collections().count(), 1u);
         EXPECT_EQ(w.collections().at(0)->name(), L"Kept");
         EXPECT_EQ(w.collections().nextId(), 4);
       }},
      {"a repeated collection, item or photo id is read once: the first wins",
       withProperties("<Collections next_id=\"1\"><Collection id=\"2\" name=\"A\"><Items next_id=\"1\">" + item +
                      "<Photos next_id=\"1\"><Photo id=\"1\" format=\"4\"/><Photo id=\"1\" format=\"5\"/>"
                      "</Photos></Item><Item id=\"1\" name=\"Second\" date_added=\"2012-09-08 14:03:07.005\"/>"
                      "</Items></Collection><Collection id=\"2\" name=\"B\"/><Collection id=\"3\" name=\"C\"/>"
                      "</Collections>"),
       [](Wardrobe& w) {
         ASSERT_EQ(w.collections().count(), 2u);
         EXPECT_EQ(w.collections().at(0)->name(), L"A");
         EXPECT_EQ(w.collections().at(1)->name(), L"C");
         const ItemList& items = w.collections().at(0)->items();
         ASSERT_EQ(items.count(), 1u);
         EXPECT_EQ(items.at(0)->name(), L"I");
         ASSERT_EQ(items.at(0)->photos().count(), 1u);
         EXPECT_EQ(items.at(0)->photos().at(0)->format(), ImageType::Jpg);
       }},
      {"Tags without next_id: tags and items are read",
       oneItem(item + "</Item>", "<Tags><Tag id=\"1001\" name=\"T\"/></Tags>"),
       [](Wardrobe& w) {
         EXPECT_EQ(w.collections().at(0)->tags().count(), 1u);
         EXPECT_EQ(w.collections().at(0)->tags().nextId(), 1002);
         EXPECT_EQ(w.collections().at(0)->items().count(), 1u);
       }},
      {"tags without id, name or a positive id are dropped",
       oneCollection("<Tags next_id=\"1\"><Tag id=\"0\" name=\"Z\"/><Tag name=\"N\"/><Tag id=\"5\" name=\"\"/>"
                     "<Tag id=\"5\" name=\"Small id\"/></Tags>"),
       [](Wardrobe& w) {
         ASSERT_EQ(w.collections().at(0)->tags().count(), 1u);
         EXPECT_EQ(w.collections().at(0)->tags().at(0)->id(), 5);
       }},
      {"no Tags: items are read all the same", oneCollection("<Items next_id=\"1\">" + item + "</Item></Items>"),
       [](Wardrobe& w) { EXPECT_EQ(w.collections().at(0)->items().count(), 1u); }},
      {"a date without milliseconds becomes now",
       oneItem("<Item id=\"1\" name=\"I\" date_added=\"2012-09-08 14:03:07\"/>"),
       [](Wardrobe& w) { EXPECT_EQ(w.collections().at(0)->items().at(0)->dateAdded().toText(), kFixedNow); }},
      {"a date before 14 September 1752 becomes now",
       oneItem("<Item id=\"1\" name=\"I\" date_added=\"1752-09-13 00:00:00.000\"/>"),
       [](Wardrobe& w) { EXPECT_EQ(w.collections().at(0)->items().at(0)->dateAdded().toText(), kFixedNow); }},
      {"an impossible time becomes now", oneItem("<Item id=\"1\" name=\"I\" date_added=\"2012-09-08 24:00:00.000\"/>"),
       [](Wardrobe& w) { EXPECT_EQ(w.collections().at(0)->items().at(0)->dateAdded().toText(), kFixedNow); }},
      // Older versions wrote an empty name for a photo file named only ".jpg".
      {"an item without a name is kept as unnamed, with its photos and records",
       oneItem("<Item id=\"1\" name=\"\" date_added=\"2012-09-08 14:03:07.005\"><Photos next_id=\"2\"><Photo "
               "id=\"1\" format=\"4\"/></Photos><Records><Record tag_id=\"1\" value=\"v\"/></Records></Item>"
               "<Item id=\"2\" name=\"K\" date_added=\"2012-09-08 14:03:07.005\"/>"),
       [](Wardrobe& w) {
         const ItemList& items = w.collections().at(0)->items();
         ASSERT_EQ(items.count(), 2u);
         EXPECT_EQ(items.at(0)->name(), L"unnamed");
         EXPECT_EQ(items.at(0)->photos().count(), 1u);
         EXPECT_EQ(items.at(0)->records().get(1), L"v");
         EXPECT_EQ(items.at(1)->name(), L"K");
       }},
      {"items without a date or a positive id are dropped",
       oneItem("<Item id=\"1\" name=\"I\"/><Item id=\"0\" name=\"I\" date_added=\"2012-09-08 14:03:07.005\"/>"),
       [](Wardrobe& w) { EXPECT_EQ(w.collections().at(0)->items().count(), 0u); }},
      {"photos of other formats or without a positive id are skipped",
       oneItem(item + "<Photos next_id=\"1\"><Photo id=\"1\" format=\"2\"/><Photo id=\"2\" format=\"-1\"/><Photo "
                      "id=\"0\" format=\"4\"/><Photo id=\"3\"/><Photo id=\"4\" format=\"1\"/><Photo id=\"5\" "
                      "format=\"5\"/><Photo id=\"6\" format=\"4x\"/></Photos></Item>"),
       [](Wardrobe& w) {
         const PhotoList& photos = w.collections().at(0)->items().at(0)->photos();
         ASSERT_EQ(photos.count(), 3u);
         EXPECT_EQ(photos.at(0)->format(), ImageType::Bmp);
         EXPECT_EQ(photos.at(1)->format(), ImageType::Png);
         EXPECT_EQ(photos.at(2)->format(), ImageType::Jpg);
       }},
      {"Photos without next_id: photos and records are read",
       oneItem(item + "<Photos><Photo id=\"1\" format=\"4\"/></Photos><Records><Record tag_id=\"1\" "
                      "value=\"v\"/></Records></Item>"),
       [](Wardrobe& w) {
         const Item* i = w.collections().at(0)->items().at(0);
         EXPECT_EQ(i->photos().count(), 1u);
         EXPECT_EQ(i->photos().nextId(), 2);
         EXPECT_EQ(i->records().count(), 1u);
       }},
      {"two records for one tag leave the second; bad records are skipped",
       oneItem(item + "<Records><Record tag_id=\"1\" value=\"first\"/><Record tag_id=\"2\" value=\"\"/>"
                      "<Record value=\"no tag\"/><Other tag_id=\"3\" value=\"x\"/><Record tag_id=\"1\" "
                      "value=\"second\"/><Record tag_id=\"77\" value=\"unknown tag kept\"/></Records></Item>"),
       [](Wardrobe& w) {
         const RecordList& records = w.collections().at(0)->items().at(0)->records();
         ASSERT_EQ(records.count(), 2u);
         EXPECT_EQ(records.get(1), L"second");
         EXPECT_EQ(records.get(77), L"unknown tag kept");
       }},
      {"elements and attributes of other names anywhere are ignored",
       wardrobeText("<Extra><Collections next_id=\"9\"/></Extra><Properties wardrobe_id=\"3\" wardrobe_name=\"W\" "
                    "colour=\"red\"><Child/></Properties><!-- note --><Collections next_id=\"1\" other=\"x\">"
                    "<Note/><Collection id=\"1\" name=\"C\"><Extra/><Items next_id=\"1\"><Unknown/>" +
                    item + "<Stray/></Item></Items></Collection></Collections><Trailer/>"),
       [](Wardrobe& w) {
         EXPECT_EQ(w.name(), L"W");
         ASSERT_EQ(w.collections().count(), 1u);
         EXPECT_EQ(w.collections().at(0)->items().count(), 1u);
       }},
  };
  TempDir dir;
  const std::wstring file = dir / L"file.name.twd";
  for (const RepairCase& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(file, c.file);
    Wardrobe wardrobe;
    ASSERT_TRUE(readWardrobe(file, wardrobe, FixedClock()));
    c.check(wardrobe);
    // The next save writes the repaired wardrobe, which reads back the same.
    ASSERT_TRUE(writeWardrobe(wardrobe));
    Wardrobe resaved;
    ASSERT_TRUE(readWardrobe(file, resaved, FixedClock()));
    EXPECT_EQ(describe(resaved), describe(wardrobe));
  }
}

TEST(WardrobeFileTest, RefusesFilesThatAreNotWardrobes) {
  const std::string properties = "<Properties wardrobe_id=\"1\" wardrobe_name=\"N\"/>";
  struct Case {
    const char* what;
    std::string bytes;
  };
  std::string deep = kDeclaration + kRootOpen;
  for (int i = 0; i < 100000; ++i) deep += "<Collections>";
  const std::vector<Case> cases = {
      {"not XML", "this is not a wardrobe"},
      {"empty", ""},
      {"truncated", wardrobeText(properties).substr(0, 150)},
      {"another root", kDeclaration + "<Wardrobe version=\"1.0\" xmlns=\"http://www.tavoro.example/xmlns/twd\"/>"},
      {"another version",
       kDeclaration + "<TavoroWardrobe version=\"1.1\" xmlns=\"http://www.tavoro.example/xmlns/twd\"/>"},
      {"a namespace one character off",
       kDeclaration + "<TavoroWardrobe version=\"1.0\" xmlns=\"http://www.tavoro.example/xmlns/twe\"/>"},
      {"no namespace", kDeclaration + "<TavoroWardrobe version=\"1.0\"/>"},
      {"Properties without wardrobe_id", wardrobeText("<Properties wardrobe_name=\"N\"/>")},
      {"wardrobe_id not a number", wardrobeText("<Properties wardrobe_id=\"x1\" wardrobe_name=\"N\"/>")},
      {"wardrobe_id beyond 32 bits", wardrobeText("<Properties wardrobe_id=\"4294967297\" wardrobe_name=\"N\"/>")},
      {"nested too deep to parse", deep},
  };
  TempDir dir;
  const std::wstring file = dir / L"bad.twd";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(file, c.bytes);
    Wardrobe wardrobe;
    EXPECT_FALSE(readWardrobe(file, wardrobe));
  }
  Wardrobe wardrobe;
  EXPECT_FALSE(readWardrobe(dir / L"missing.twd", wardrobe));
  EXPECT_FALSE(readWardrobe(dir.path(), wardrobe));
}

TEST(WardrobeFileTest, SaysWhyAFileCannotBeRead) {
  TempDir dir;
  struct Case {
    const char* what;
    std::string bytes;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {"not XML", "this is not a wardrobe", "XML error at line 1"},
      {"broken on line 4", kDeclaration + kRootOpen + "\n<Properties wardrobe_id=\"1\"/>\n<Collections x=\"1\" x=\"2\"/>",
       "XML error at line 4"},
      {"another root", kDeclaration + "<Wardrobe/>", "not a Tavoro wardrobe (no TavoroWardrobe element)"},
      {"another version", kDeclaration + "<TavoroWardrobe version=\"2.0\"/>", "not a Tavoro wardrobe of version 1.0"},
      {"no wardrobe_id", wardrobeText("<Properties wardrobe_name=\"N\"/>"),
       "damaged wardrobe (Properties without a wardrobe_id)"},
  };
  const std::wstring file = dir / L"bad.twd";
  for (const Case& c : cases) {
    writeFile(file, c.bytes);
    Wardrobe wardrobe;
    const Status status = readWardrobe(file, wardrobe);
    EXPECT_FALSE(status.ok()) << c.what;
    EXPECT_EQ(status.reason(), c.reason) << c.what;
    EXPECT_EQ(status.path(), file) << c.what;
  }
  Wardrobe wardrobe;
  EXPECT_EQ(readWardrobe(dir / L"missing.twd", wardrobe).reason(), "No such file or directory");
  EXPECT_EQ(readWardrobe(dir.path(), wardrobe).reason(), "Is a directory");
  ASSERT_EQ(::chmod(toUtf8(file).c_str(), 0), 0);
  if (::access(toUtf8(file).c_str(), R_OK) != 0) {  // modes do not bind a privileged user
    EXPECT_EQ(readWardrobe(file, wardrobe).reason(), "Permission denied");
  }

  Wardrobe intoAFolder(dir.path(), L"W");
  intoAFolder.setFilePath(dir.path());
  const Status written = writeWardrobe(intoAFolder);
  EXPECT_EQ(written.reason(), "Is a directory");
  EXPECT_EQ(written.path(), dir.path());
}

// One byte that is not UTF-8 used to make the whole file unreadable when it
// stood just before a closing quote or a '<'; now it reads as U+FFFD
// wherever it stands.
TEST(WardrobeFileTest, AByteThatIsNotUtf8ReadsAsAReplacementCharacterWhereverItStands) {
  TempDir dir;
  const std::wstring file = dir / L"latin1.twd";
  writeFile(file, withProperties("<Collections next_id=\"1\"><Collection id=\"1\" name=\"Caf\xE9\"><Items next_id=\"1\">"
                                 "<Item id=\"1\" name=\"\xE9t\xE9\" date_added=\"2012-09-08 14:03:07.005\">\xE9"
                                 "<Records><Record tag_id=\"1\" value='na\xEFve'/></Records></Item></Items>"
                                 "</Collection></Collections>"));
  Wardrobe wardrobe;
  ASSERT_TRUE(readWardrobe(file, wardrobe, FixedClock()));
  ASSERT_EQ(wardrobe.collections().count(), 1u);
  const Collection* collection = wardrobe.collections().at(0);
  EXPECT_EQ(collection->name(), L"Caf\uFFFD");
  ASSERT_EQ(collection->items().count(), 1u);
  EXPECT_EQ(collection->items().at(0)->name(), L"\uFFFDt\uFFFD");
  EXPECT_EQ(collection->items().at(0)->records().get(1), L"na\uFFFDve");
}

// XML 1.0 allows no control character but tab, line feed and carriage
// return, not even as a character reference.
bool isXml10Char(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

TEST(WardrobeFileTest, ControlCharactersKeepTheFileWellFormedAndReadBack) {
  TempDir dir;
  Wardrobe wardrobe(dir / L"W", L"W");
  const std::wstring name = std::wstring(L"a\x01" L"b") + L'\0' + L"c\td\x1F" L"e\r\nf";
  Collection* collection = wardrobe.collections().add(L"C");
  Tag* tag = collection->tags().add(L"T\x07");
  Item* item = collection->items().add(name, 1);
  item->records().set(tag->id(), L"\x0B value \x0C");
  collection->items().add(L"stand-in \uFDD1 written as U+FFFD", 2);
  ASSERT_TRUE(writeWardrobe(wardrobe));

  const std::wstring text = fromUtf8(readFile(wardrobe.wardrobeFilePath()));
  for (const wchar_t c : text) EXPECT_TRUE(isXml10Char(static_cast<char32_t>(c))) << static_cast<int>(c);
  for (size_t at = text.find(L"&#"); at != std::wstring::npos; at = text.find(L"&#", at + 1)) {
    const bool hex = text[at + 2] == L'x';
    const auto value = static_cast<char32_t>(std::stoul(text.substr(at + (hex ? 3 : 2)), nullptr, hex ? 16 : 10));
    EXPECT_TRUE(isXml10Char(value)) << toUtf8(text.substr(at, 8));
  }

  Wardrobe read;
  ASSERT_TRUE(readWardrobe(wardrobe.wardrobeFilePath(), read));
  const Collection* c = read.collections().at(0);
  EXPECT_EQ(c->items().at(0)->name(), name);
  EXPECT_EQ(c->tags().at(0)->name(), L"T\x07");
  EXPECT_EQ(c->items().at(0)->records().get(tag->id()), L"\x0B value \x0C");
  EXPECT_EQ(c->items().at(1)->name(), L"stand-in \uFFFD written as U+FFFD");

  // Files written before keep reading as they did.
  const std::wstring old = dir / L"old.twd";
  writeFile(old, withProperties("<Collections next_id=\"1\"><Collection id=\"1\" name=\"a&#x01;b&#x00;c\"/>"
                                "</Collections>"));
  Wardrobe oldRead;
  ASSERT_TRUE(readWardrobe(old, oldRead));
  EXPECT_EQ(oldRead.collections().at(0)->name(), std::wstring(L"a\x01" L"b") + L'\0' + L"c");
}

TEST(WardrobeFileTest, ReadsTheNameAlone) {
  TempDir dir;
  const std::wstring file = dir / L"n.twd";
  writeFile(file, wardrobeText("<Properties wardrobe_name=\"\xE6\xB5\xB7 only\"/>"));
  EXPECT_EQ(readWardrobeName(file), L"\u6D77 only");  // no wardrobe_id needed here
  writeFile(file, wardrobeText("<Collections next_id=\"1\"/>"));
  EXPECT_EQ(readWardrobeName(file), L"");
  writeFile(file, "<TavoroWardrobe version=\"1.0\"><Properties wardrobe_name=\"N\"/></TavoroWardrobe>");
  EXPECT_EQ(readWardrobeName(file), L"");
  EXPECT_EQ(readWardrobeName(dir / L"missing.twd"), L"");

  // Only as far as Properties: what follows it is not even parsed.
  struct Case {
    const char* what;
    std::string text;
    std::wstring name;
  };
  const std::string properties = "<Properties wardrobe_id=\"1\" wardrobe_name=\"Head\"";
  const std::vector<Case> cases = {
      {"a damaged rest", kDeclaration + kRootOpen + properties + "/><Collections next_id=\"1\"><Coll", L"Head"},
      {"Properties with children", kDeclaration + kRootOpen + properties + "><Extra a='<'/>\x01 garbage", L"Head"},
      {"Properties after Collections", wardrobeText("<Collections next_id=\"1\"/>" + properties + "/>"), L"Head"},
      {"Properties deeper down is not the wardrobe's",
       wardrobeText("<Collections next_id=\"1\">" + properties + "/></Collections>"), L""},
      {"a damaged file before Properties", kDeclaration + kRootOpen + "<Collections next_id='1'>" + properties + "/>",
       L""},
      {"another root", kDeclaration + "<Other>" + properties + "/></Other>", L""},
  };
  for (const Case& c : cases) {
    writeFile(file, c.text);
    EXPECT_EQ(readWardrobeName(file), c.name) << c.what;
  }
}

TEST(WardrobeFileTest, AFailedWriteLeavesThePreviousFileWhole) {
  TempDir dir;
  Wardrobe wardrobe(dir / L"deep/er/W", L"Name");
  wardrobe.collections().add(L"First");
  ASSERT_TRUE(writeWardrobe(wardrobe));  // makes the missing folders
  const std::wstring file = dir / L"deep/er/W/Name.twd";
  const std::string saved = readFile(file);
  ASSERT_FALSE(saved.empty());
  const auto onlyTheFileIsThere = [&] {
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(listFolder(dir / L"deep/er/W", entries));
    ASSERT_EQ(entries.size(), 1u) << "a temporary file was left behind";
    EXPECT_EQ(entries[0].name, L"Name.twd");
  };

  // The disk fills up half way through the new file.
  for (int i = 0; i < 200; ++i) wardrobe.collections().add(L"Another collection with a longer name");
  EXPECT_FALSE(test::runWithFileSizeLimit(saved.size() + 100, [&] { return writeWardrobe(wardrobe).ok(); }));
  EXPECT_EQ(readFile(file), saved);
  onlyTheFileIsThere();

  // A file the user may not write is not replaced either (file modes do not
  // bind a privileged user, so this part needs an ordinary one).
  ASSERT_EQ(::chmod(toUtf8(file).c_str(), 0444), 0);
  if (::access(toUtf8(file).c_str(), W_OK) != 0) {
    EXPECT_FALSE(writeWardrobe(wardrobe));
    EXPECT_EQ(readFile(file), saved);
    onlyTheFileIsThere();
  }

  ASSERT_EQ(::chmod(toUtf8(file).c_str(), 0640), 0);
  ASSERT_TRUE(writeWardrobe(wardrobe));
  struct stat st {};
  ASSERT_EQ(::stat(toUtf8(file).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);  // the file keeps its mode
  // What a killed save of a process that is gone left is removed on opening.
  writeFile(dir / (L"deep/er/W/" + fromUtf8(saveTemporaryName(99999999, 1, localHostName()))), "half");
  Wardrobe read;
  ASSERT_TRUE(readWardrobe(file, read));
  EXPECT_EQ(read.collections().count(), 201u);
  onlyTheFileIsThere();

  writeFile(dir / L"blocker", "a file where a folder should be");
  Wardrobe blocked(dir / L"blocker/W", L"Name");
  EXPECT_FALSE(writeWardrobe(blocked));
  Wardrobe unnamed;
  EXPECT_FALSE(writeWardrobe(unnamed));
}

}  // namespace
}  // namespace tavoro
