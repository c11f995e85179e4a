#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>

#include "TempDir.h"
#include "TestFiles.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

class PhotoFilesTest : public ::testing::Test {
 protected:
  PhotoFilesTest() : m_wardrobe(m_dir / L"Wardrobe", L"Wardrobe") {
    createFolders(m_dir / L"Wardrobe");
    m_collection = m_wardrobe.collections().add(L"Shirts");
  }
  std::wstring source(const std::wstring& name, const std::string& bytes = "photo") {
    const std::wstring path = m_dir / (L"in/" + name);
    createFolders(m_dir / L"in");
    writeFile(path, bytes);
    return path;
  }
  std::wstring photos() const { return m_dir / L"Wardrobe/_Wardrobe_Photos_"; }

  TempDir m_dir;
  Wardrobe m_wardrobe;
  Collection* m_collection = nullptr;
};

TEST_F(PhotoFilesTest, AddingAnItemCopiesThePhotoAndNamesTheItem) {
  struct Case {
    const wchar_t* name;
    const wchar_t* stored;
    const wchar_t* itemName;
  };
  const Case cases[] = {
      {L"Blue Oxford.jpg", L"P_000001.jpg", L"Blue Oxford"},
      {L"scan.JPEG", L"P_000001.jpg", L"scan"},
      {L"old.dib", L"P_000001.bmp", L"old"},
      {L"d\u00E9j\u00E0 vu \"quoted\".png", L"P_000001.png", L"d\u00E9j\u00E0 vu \"quoted\""},
      {L"-leading dash.bmp", L"P_000001.bmp", L"-leading dash"},
      {L"many.dots.in.name.jfif", L"P_000001.jpg", L"many.dots.in.name"},
      {L".jpg", L"P_000001.jpg", L".jpg"},  // only an extension: the whole name
      // Characters a name may not hold: white space becomes a blank, others U+FFFD.
      {L"tab\tand\nline\x01\x7F\u2028.png", L"P_000001.png", L"tab and line\uFFFD\uFFFD "},
  };
  int32_t id = 1;
  for (const Case& c : cases) {
    const std::wstring path = source(c.name, toUtf8(c.name));
    Item* item = m_collection->items().addFromPhotoFile(path);
    ASSERT_NE(item, nullptr) << c.name;
    EXPECT_EQ(item->id(), id);
    EXPECT_EQ(item->name(), c.itemName);
    EXPECT_FALSE(item->dateAdded().isNull());
    wchar_t folder[32];
    std::swprintf(folder, 32, L"/C_000001/I_%06d/", id);
    EXPECT_EQ(item->mainPhotoPath(), photos() + folder + c.stored);
    EXPECT_EQ(readFile(item->mainPhotoPath()), toUtf8(c.name));
    ++id;
  }
  EXPECT_EQ(m_collection->items().count(), std::size(cases));
}

TEST_F(PhotoFilesTest, ARefusedTypeLeavesNothingBehindButUsesUpTheId) {
  const std::wstring gif = source(L"anim.gif");
  EXPECT_EQ(m_collection->items().addFromPhotoFile(gif), nullptr);
  EXPECT_EQ(m_collection->items().addFromPhotoFile(m_dir / L"in/missing.jpg"), nullptr);
  EXPECT_EQ(m_collection->items().addFromPhotoFile(m_dir.path() + L"/in"), nullptr);  // a folder
  EXPECT_EQ(m_collection->items().count(), 0u);
  EXPECT_EQ(m_collection->items().nextId(), 4);
  EXPECT_FALSE(pathExists(photos()));  // no folder was left behind

  Item* item = m_collection->items().addFromPhotoFile(source(L"ok.png"));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->id(), 4);
}

// Files left by another writer or an interrupted import are never
// overwritten: the add takes the next id whose file (or, for a new item,
// folder) is free, so later imports do not fail for good.
TEST_F(PhotoFilesTest, AnAddStepsOverFilesThatExistAlready) {
  Item* item = m_collection->items().add(L"Item", 1);
  ASSERT_TRUE(createFolders(item->photoFolder()));
  writeFile(item->photoFolder() + L"/P_000001.jpg", "left behind");
  writeFile(item->photoFolder() + L"/P_000002.jpg", "left behind too");
  Photo* photo = item->photos().addFromFile(source(L"new.jpg", "new"));
  ASSERT_NE(photo, nullptr);
  EXPECT_EQ(photo->id(), 3);
  EXPECT_EQ(readFile(item->photoFolder() + L"/P_000001.jpg"), "left behind");
  EXPECT_EQ(readFile(photo->filePath()), "new");
  EXPECT_EQ(item->name(), L"new");  // the item's only photo names it
  EXPECT_EQ(item->photos().nextId(), 4);
  // Another format has another file name: id 4 is free for a PNG.
  writeFile(item->photoFolder() + L"/P_000004.jpg", "left behind");
  Photo* png = item->photos().addFromFile(source(L"later.png"));
  ASSERT_NE(png, nullptr);
  EXPECT_EQ(png->id(), 4);
  EXPECT_EQ(item->name(), L"new");  // later photos do not rename it

  // An interrupted import left the folders of items 2 and 3, which the file
  // does not name: a new item takes an id whose folder is free.
  ASSERT_TRUE(createFolders(m_collection->photoFolder() + L"I_000002"));
  ASSERT_TRUE(createFolders(m_collection->photoFolder() + L"I_000003"));
  writeFile(m_collection->photoFolder() + L"I_000003/P_000001.png", "orphan");
  m_collection->items().setNextId(2);
  Item* added = m_collection->items().addFromPhotoFile(source(L"shirt.png", "shirt"));
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->id(), 4);
  EXPECT_EQ(readFile(added->mainPhotoPath()), "shirt");
  EXPECT_EQ(readFile(m_collection->photoFolder() + L"I_000003/P_000001.png"), "orphan");
  EXPECT_EQ(m_collection->items().nextId(), 5);
}

// Another wardrobe can share a photo folder through a link, and users keep
// notes beside photos: a delete takes only the files the wardrobe names, and
// reports the folders that keep something.
TEST_F(PhotoFilesTest, RemovingDeletesOnlyThePhotosTheWardrobeNames) {
  ItemList& items = m_collection->items();
  Item* a = items.addFromPhotoFile(source(L"a.jpg"));
  Item* b = items.addFromPhotoFile(source(L"b.jpg"));
  Item* c = items.addFromPhotoFile(source(L"c.jpg"));
  ASSERT_TRUE(a && b && c);
  ASSERT_NE(a->photos().addFromFile(source(L"a2.png")), nullptr);
  const std::wstring aFolder = a->photoFolder();
  const std::wstring bFolder = b->photoFolder();
  const std::wstring cPhoto = c->mainPhotoPath();
  writeFile(bFolder + L"P_000002.jpg", "another wardrobe's photo");

  RemovalReport report;
  EXPECT_TRUE(items.remove(a, &report));
  EXPECT_FALSE(pathExists(aFolder));
  EXPECT_TRUE(report.clean());
  EXPECT_TRUE(items.remove(b, &report));
  EXPECT_FALSE(pathExists(bFolder + L"P_000001.jpg"));
  EXPECT_EQ(readFile(bFolder + L"P_000002.jpg"), "another wardrobe's photo");
  EXPECT_EQ(report.foldersKept, std::vector<std::wstring>{bFolder});
  EXPECT_TRUE(isFile(cPhoto));
  EXPECT_FALSE(items.remove(a));
  EXPECT_FALSE(items.remove(nullptr));

  const std::wstring collectionFolder = m_collection->photoFolder();
  writeFile(collectionFolder + L"notes.txt", "the user's notes");
  Collection* other = m_wardrobe.collections().add(L"Other");
  ASSERT_NE(other->items().addFromPhotoFile(source(L"d.bmp")), nullptr);
  RemovalReport collectionReport;
  EXPECT_TRUE(m_wardrobe.collections().remove(m_collection, &collectionReport));
  EXPECT_FALSE(pathExists(pathFolder(cPhoto)));
  EXPECT_EQ(readFile(collectionFolder + L"notes.txt"), "the user's notes");
  EXPECT_EQ(readFile(bFolder + L"P_000002.jpg"), "another wardrobe's photo");
  EXPECT_EQ(collectionReport.foldersKept, std::vector<std::wstring>{collectionFolder});

  // Without foreign files everything goes and nothing is reported.
  const std::wstring otherFolder = other->photoFolder();
  RemovalReport clean;
  EXPECT_TRUE(m_wardrobe.collections().remove(other, &clean));
  EXPECT_FALSE(pathExists(otherFolder));
  EXPECT_TRUE(clean.clean());
}

TEST_F(PhotoFilesTest, ClearingWithFilesDeletesEveryCollectionFolder) {
  Collection* second = m_wardrobe.collections().add(L"Second");
  ASSERT_NE(m_collection->items().addFromPhotoFile(source(L"a.jpg")), nullptr);
  ASSERT_NE(second->items().addFromPhotoFile(source(L"b.jpg")), nullptr);
  m_wardrobe.collections().clear(true);
  EXPECT_EQ(m_wardrobe.collections().count(), 0u);
  EXPECT_FALSE(pathExists(photos() + L"/C_000001"));
  EXPECT_FALSE(pathExists(photos() + L"/C_000002"));
}

// Ids run up to 2147483646; a file may hold 2147483647 itself, after which
// the reader leaves nextId there: every add is then refused, and nothing
// overflows or repeats an id.
TEST_F(PhotoFilesTest, AddsAreRefusedWhenNoIdIsLeft) {
  Item* item = m_collection->items().add(L"Item", INT32_MAX);
  ASSERT_NE(item->photos().addExisting(ImageType::Jpg, INT32_MAX), nullptr);
  m_collection->tags().add(L"Colour", INT32_MAX);
  m_wardrobe.collections().add(L"Last", INT32_MAX);
  ASSERT_TRUE(writeWardrobe(m_wardrobe));
  Wardrobe read;
  ASSERT_TRUE(readWardrobe(m_wardrobe.wardrobeFilePath(), read));
  Collection* shirts = read.collections().findByName(L"Shirts");
  ASSERT_NE(shirts, nullptr);
  Item* last = shirts->items().at(0);

  EXPECT_EQ(read.collections().add(L"New"), nullptr);
  EXPECT_EQ(shirts->tags().add(L"Size"), nullptr);
  EXPECT_EQ(shirts->items().addFromPhotoFile(source(L"a.jpg")), nullptr);
  EXPECT_EQ(last->photos().addFromFile(source(L"b.jpg")), nullptr);
  EXPECT_FALSE(read.collections().hasIdLeft() || shirts->tags().hasIdLeft() || shirts->items().hasIdLeft() ||
               last->photos().hasIdLeft());
  EXPECT_EQ(read.collections().count(), 2u);
  EXPECT_EQ(shirts->tags().count(), 1u);
  EXPECT_EQ(shirts->items().count(), 1u);
  EXPECT_EQ(last->photos().count(), 1u);
  EXPECT_FALSE(pathExists(last->photoFolder()));  // nothing was copied

  // The last id but one is still handed out, once.
  Collection* other = read.collections().at(1);
  other->items().setNextId(INT32_MAX - 1);
  Item* added = other->items().addFromPhotoFile(source(L"c.png"));
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->id(), INT32_MAX - 1);
  EXPECT_EQ(other->items().addFromPhotoFile(source(L"d.png")), nullptr);
  // The last free photo id's file is taken: stepping over it runs out of ids.
  writeFile(added->photoFolder() + L"P_2147483646.png", "taken");
  added->photos().setNextId(INT32_MAX - 1);
  EXPECT_EQ(added->photos().addFromFile(source(L"e.png")), nullptr);
  EXPECT_EQ(readFile(added->photoFolder() + L"P_2147483646.png"), "taken");
  EXPECT_EQ(added->photos().count(), 1u);
}

TEST_F(PhotoFilesTest, PhotosOfAPseudoCollectionHaveNoPath) {
  Item* item = m_wardrobe.collections().allCollections()->items().add(L"x", 1);
  EXPECT_EQ(item->photoFolder(), L"");
  EXPECT_EQ(item->photos().addFromFile(source(L"a.jpg")), nullptr);
  EXPECT_FALSE(pathExists(L"/I_000001"));
}

}  // namespace
}  // namespace tavoro
