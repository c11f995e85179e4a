// The reader and the writer against the same rules applied through the XML
// library's tree: on generated wardrobes, and on their files damaged at
// random, both readers must accept the same files and build the same model,
// and both writers must write the same bytes.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ReferenceWardrobeFile.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "WardrobeDescription.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

class FixedClock : public LocalClock {
 public:
  SystemTime read() const override { return SystemTime{2030, 1, 2, 15, 10, 20, 30, 400}; }
};

class WardrobeGenerator {
 public:
  explicit WardrobeGenerator(uint32_t seed) : m_random(seed) {}

  int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }

  // Text with what is hard to store: markup, references, quotes, controls,
  // their stand-ins, lone surrogates, characters beyond the BMP.
  std::wstring text() {
    static const std::vector<std::wstring> pieces = {
        L"a", L"Shirt", L" ", L"&", L"<", L">", L"\"", L"'", L"&#x41;", L"&amp;", L"]]>", L"\u00E9", L"\u6D77",
        L"\U0001F455", L"\t", L"\n", L"\r\n", std::wstring(1, L'\0'), L"\x01", L"\x1F", L"\x7F", L"\uFDD1", L"\uFFFE",
        std::wstring(1, static_cast<wchar_t>(0xDCE9)), L"--", L"=", L"/>"};
    std::wstring out;
    for (int n = pick(6); n > 0; --n) out += pieces[static_cast<size_t>(pick(static_cast<int>(pieces.size())))];
    return out;
  }

  int32_t id() {
    static const int32_t special[] = {0, -1, 1, 2, 1001, INT32_MAX};
    return pick(4) == 0 ? special[pick(6)] : pick(40) + 1;
  }

  DateTime date() {
    switch (pick(4)) {
      case 0:
        return DateTime();
      case 1:
        return DateTime(Date::fromParts(2024, 2, 29), Time(Time::kInvalid));
      default:
        return DateTime(Date::fromParts(1990 + pick(40), pick(12) + 1, pick(28) + 1), Time(pick(86400000)));
    }
  }

  void fill(Wardrobe& wardrobe) {
    wardrobe.setWardrobeId(id());
    wardrobe.setName(text());
    CollectionList& list = wardrobe.collections();
    list.setHotId(id());
    for (int c = pick(4); c > 0; --c) {
      Collection* collection = list.add(text(), pick(3) == 0 ? CollectionList::kTakeNextId : id());
      if (!collection) continue;
      std::vector<int32_t> tagIds = {-1, 4242};
      for (int t = pick(4); t > 0; --t)
        if (Tag* tag = collection->tags().add(text(), pick(2) ? -1 : id())) tagIds.push_back(tag->id());
      for (int i = pick(5); i > 0; --i) {
        Item* item = collection->items().add(text(), id());
        if (!item) continue;
        item->setDateAdded(date());
        static const ImageType formats[] = {ImageType::Bmp, ImageType::Jpg, ImageType::Png};
        for (int p = pick(4); p > 0; --p) item->photos().addExisting(formats[pick(3)], id());
        item->photos().setNextId(id());
        for (int r = pick(5); r > 0; --r)
          item->records().set(tagIds[static_cast<size_t>(pick(static_cast<int>(tagIds.size())))], text());
        if (pick(2)) item->worn().assign(days());
        m_items.push_back(item);
      }
      collection->items().setNextId(id());
    }
    list.setNextId(id());
    CombinationList& combinations = wardrobe.combinations();
    for (int c = pick(4); c > 0; --c) {
      Combination* combination = combinations.add(text(), pick(3) == 0 ? CombinationList::kTakeNextId : id());
      if (!combination) continue;
      combination->setCreated(date());
      combination->setChanged(date());
      for (int i = m_items.empty() ? 0 : pick(6); i > 0; --i)
        combination->insertItem(m_items[static_cast<size_t>(pick(static_cast<int>(m_items.size())))]);
      if (pick(2)) combination->worn().assign(days());
    }
    if (pick(2)) combinations.setNextId(id());
  }

  // Days around the present, and the first and last a file can hold.
  std::vector<Date> days() {
    std::vector<Date> out;
    for (int n = pick(4) + 1; n > 0; --n) {
      switch (pick(5)) {
        case 0:
          out.push_back(Date::fromParts(1752, 9, 14));
          break;
        case 1:
          out.push_back(Date::fromParts(9999, 12, 31));
          break;
        default:
          out.push_back(Date::fromParts(2020 + pick(8), pick(12) + 1, pick(28) + 1));
      }
    }
    return out;
  }

  // The file damaged: a range cut out, a snippet put in, a byte changed.
  std::string damage(std::string bytes) {
    static const std::vector<std::string> snippets = {
        "\xE9", "\xE9\"", "\xC3", "\xF0\x9F", "\x80", "\xEF\xBB\xBF", "\xEF\xBF\xBE", "&#x", "&#x41;", "&#65;",
        "&#xD800;", "&#x110000;", "&", ";", "<!--", "-->", "<![CDATA[", "]]>", "<?xml encoding='latin1'?>",
        "<?xml?>", "</", "/>", ">", "<", "\"", "'", "=", " ", "\r", "\r\n", std::string(1, '\0'), "<Item",
        "<Record tag_id=\"1001\" value=\"x\"/>", "<Photo id=\"9\" format=\"4\"/>", "id=\"3\"", "name=\"\"",
        "<Worn dates=\"2024-02-30 2024-01-05 x 0099-01-01  1752-09-13\"/>", "<ItemRef collection_id=\"1\" item_id=\"3\"/>",
        "<Combination id=\"2\" name=\"c\" created=\"2024-01-01 00:00:00.000\">", "</Combination>", "created=\"x\""};
    for (int n = pick(3) + 1; n > 0; --n) {
      const size_t at = bytes.empty() ? 0 : static_cast<size_t>(pick(static_cast<int>(bytes.size())));
      switch (pick(3)) {
        case 0:
          bytes.erase(at, static_cast<size_t>(pick(12)));
          break;
        case 1:
          bytes.insert(at, snippets[static_cast<size_t>(pick(static_cast<int>(snippets.size())))]);
          break;
        default:
          if (!bytes.empty()) bytes[at] = static_cast<char>(pick(256));
      }
    }
    return bytes;
  }

 private:
  std::mt19937 m_random;
  std::vector<Item*> m_items;  // every item made, for the combinations
};

// Reads path both ways; both must agree, and when they accept it, write the
// same bytes back.
void expectTheSame(const std::wstring& path, const test::TempDir& dir) {
  Wardrobe read;
  Wardrobe reference;
  const bool ok = readWardrobe(path, read, FixedClock()).ok();
  ASSERT_EQ(ok, test::referenceReadWardrobe(path, reference, FixedClock())) << test::readFile(path);
  if (!ok) return;
  ASSERT_EQ(test::describe(read, true), test::describe(reference, true)) << test::readFile(path);
  read.setFilePath(dir / L"written.twd");
  ASSERT_TRUE(writeWardrobe(read));
  ASSERT_TRUE(test::referenceWriteWardrobe(reference, dir / L"reference.twd"));
  ASSERT_EQ(test::readFile(dir / L"written.twd"), test::readFile(dir / L"reference.twd")) << test::readFile(path);
}

TEST(WardrobeFileDifferentialTest, ReadsAndWritesAsThroughTheLibrarysTree) {
  test::TempDir dir;
  const std::wstring file = dir / L"generated.twd";
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    SCOPED_TRACE(seed);
    WardrobeGenerator generator(seed);
    Wardrobe wardrobe(dir.path(), L"generated");
    generator.fill(wardrobe);
    wardrobe.setFilePath(file);
    ASSERT_TRUE(writeWardrobe(wardrobe));
    ASSERT_TRUE(test::referenceWriteWardrobe(wardrobe, dir / L"reference.twd"));
    const std::string written = test::readFile(file);
    ASSERT_EQ(written, test::readFile(dir / L"reference.twd"));
    expectTheSame(file, dir);
    for (int i = 0; i < 10; ++i) {
      test::writeFile(file, generator.damage(written));
      expectTheSame(file, dir);
    }
  }
}

}  // namespace
}  // namespace tavoro
