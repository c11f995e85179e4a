#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

#include "wardrobe/PhotoNames.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro {
namespace {

TEST(CollectionListTest, IdsGrowAndAreNeverReused) {
  Wardrobe wardrobe(L"/tmp/w", L"Mine");
  CollectionList& list = wardrobe.collections();
  Collection* first = list.add(L"Shirts");
  EXPECT_EQ(first->id(), 1);
  EXPECT_TRUE(list.remove(first));
  EXPECT_EQ(list.add(L"Shoes")->id(), 2);
  EXPECT_EQ(list.add(L"Stored", 17)->id(), 17);  // the reader's own ids are kept
  EXPECT_EQ(list.nextId(), 3);
  EXPECT_EQ(list.add(L"Any", -5)->id(), 3);  // below -1: take the next id
  EXPECT_EQ(list.count(), 3u);
}

TEST(CollectionListTest, PseudoCollectionsAreNotInTheSequence) {
  Wardrobe wardrobe(L"/tmp/w", L"Mine");
  CollectionList& list = wardrobe.collections();
  EXPECT_EQ(list.allCollections()->id(), 0);
  EXPECT_EQ(list.allCollections()->name(), L"All Collections");
  EXPECT_EQ(list.addPlaceholder()->id(), -1);
  EXPECT_EQ(list.addPlaceholder()->name(), L"Double-click to add a collection");
  EXPECT_EQ(list.count(), 0u);
  EXPECT_FALSE(list.remove(list.allCollections()));
  EXPECT_FALSE(list.remove(list.addPlaceholder()));
  EXPECT_EQ(list.findByName(L"All Collections"), nullptr);
  EXPECT_EQ(list.allCollections()->photoFolder(), L"");
  EXPECT_EQ(list.allCollections()->tags().addPlaceholder()->name(), L"Double-click to add a tag");
  EXPECT_EQ(list.allCollections()->tags().addPlaceholder()->id(), 0);
}

TEST(CollectionListTest, DefaultNamesAndExactLookups) {
  Wardrobe wardrobe(L"/tmp/w", L"Mine");
  CollectionList& list = wardrobe.collections();
  EXPECT_EQ(list.suggestNewName(), L"New Collection");
  list.add(L"New Collection 2");
  EXPECT_EQ(list.suggestNewName(), L"New Collection 3");
  list.add(L"New Collection 3");
  list.add(L"new collection 4");  // differs in case: does not block "4"
  EXPECT_EQ(list.suggestNewName(), L"New Collection 4");
  list.add(L"Dresses");
  list.add(L"dresses");
  EXPECT_EQ(list.findByName(L"dresses")->id(), 5);
  EXPECT_EQ(list.findByName(L"Dresses")->id(), 4);
  EXPECT_EQ(list.findByName(L"Dresses "), nullptr);
}

TEST(CollectionListTest, ReorderNeedsEveryCollectionOnce) {
  Wardrobe wardrobe(L"/tmp/w", L"Mine");
  CollectionList& list = wardrobe.collections();
  Collection* a = list.add(L"A");
  Collection* b = list.add(L"B");
  Collection* c = list.add(L"C");
  EXPECT_FALSE(list.reorder({a, b}));
  EXPECT_FALSE(list.reorder({a, a, b}));
  EXPECT_FALSE(list.reorder({a, b, list.allCollections()}));
  EXPECT_EQ(list.at(0), a);
  EXPECT_TRUE(list.reorder({c, a, b}));
  EXPECT_EQ(list.at(0), c);
  EXPECT_EQ(list.at(1), a);
  EXPECT_EQ(list.at(2), b);
}

TEST(CollectionListTest, ItemCountOfAllCollectionsIsTheSum) {
  Wardrobe wardrobe(L"/tmp/w", L"Mine");
  CollectionList& list = wardrobe.collections();
  Collection* a = list.add(L"A");
  Collection* b = list.add(L"B");
  a->items().add(L"one", 1);
  a->items().add(L"two", 2);
  b->items().add(L"three", 7);
  EXPECT_EQ(list.itemCount(a), 2);
  EXPECT_EQ(list.itemCount(b), 1);
  EXPECT_EQ(list.itemCount(list.allCollections()), 3);
  EXPECT_EQ(list.itemCount(nullptr), 0);
}

TEST(TagListTest, UserTagsStartAt1001AndKeysIgnoreCaseAndSpace) {
  Wardrobe wardrobe(L"/tmp/w", L"Mine");
  Collection* c = wardrobe.collections().add(L"Shirts");
  TagList& tags = c->tags();
  EXPECT_EQ(tags.nextId(), 1001);
  Tag* colour = tags.add(L"Main  Colour");
  EXPECT_EQ(colour->id(), 1001);
  EXPECT_EQ(colour->key(), L"maincolour");
  EXPECT_EQ(colour->displayName(true), L"maincolour");
  EXPECT_EQ(colour->displayName(false), L"Main  Colour");
  Tag* twin = tags.add(L"main\u00A0colour");
  EXPECT_EQ(twin->key(), colour->key());
  EXPECT_EQ(tags.findByName(L"maincolour", true), colour);
  EXPECT_EQ(tags.findByName(L"maincolour", true, colour), twin);
  EXPECT_EQ(tags.findByName(L"main  colour"), nullptr);  // names compare exactly
  colour->setName(L"Size");
  EXPECT_EQ(colour->key(), L"size");

  EXPECT_EQ(tags.add(L"Old", 5)->id(), 5);  // a stored small id is kept
  EXPECT_EQ(tags.suggestNewName(), L"New Tag 4");
  EXPECT_FALSE(tags.remove(tags.addPlaceholder()));
  EXPECT_TRUE(tags.remove(twin));
  EXPECT_FALSE(tags.remove(twin));
  EXPECT_EQ(tags.add(L"Next")->id(), 1003);

  TagList fresh(c);
  fresh.setNextId(3);
  EXPECT_EQ(fresh.nextId(), 1001);  // never below 1001

  // A file may repeat a tag id: the first tag of the list answers for it.
  Tag* first = fresh.add(L"First", 7);
  Tag* second = fresh.add(L"Second", 7);
  Tag* other = fresh.add(L"Other", 8);
  EXPECT_EQ(fresh.findById(7), first);
  ASSERT_TRUE(fresh.reorder({second, other, first}));
  EXPECT_EQ(fresh.findById(7), second);
  ASSERT_TRUE(fresh.remove(second));
  EXPECT_EQ(fresh.findById(7), first);
  ASSERT_TRUE(fresh.remove(first));
  EXPECT_EQ(fresh.findById(7), nullptr);
  EXPECT_EQ(fresh.findById(8), other);
  fresh.clear();
  EXPECT_EQ(fresh.findById(8), nullptr);
}

TEST(RecordListTest, SetGetAndStorability) {
  Wardrobe wardrobe(L"/tmp/w", L"Mine");
  Collection* c = wardrobe.collections().add(L"Shirts");
  Tag* colour = c->tags().add(L"Colour");
  Tag* size = c->tags().add(L"Size");
  Item* item = c->items().add(L"Oxford", 1);
  RecordList& records = item->records();
  records.set(colour->id(), L"blue");
  records.set(size->id(), L"M");
  records.set(colour->id(), L"navy");
  ASSERT_EQ(records.count(), 2u);
  EXPECT_EQ(records.at(0).value(), L"navy");  // replaced in place
  EXPECT_TRUE(records.at(0).isStorable());

  records.set(size->id(), L"");  // an empty value stays, but is not stored
  EXPECT_EQ(records.count(), 2u);
  EXPECT_FALSE(records.at(1).isStorable());
  records.set(-1, L"x");
  EXPECT_FALSE(records.find(-1)->isStorable());
  records.set(999, L"no such tag");
  EXPECT_FALSE(records.find(999)->isStorable());

  // A deleted tag's value stays readable until the wardrobe closes, unsaved.
  ASSERT_TRUE(c->tags().remove(colour));
  EXPECT_EQ(records.get(1001), L"navy");
  EXPECT_FALSE(records.at(0).isStorable());
  EXPECT_EQ(records.get(4242), L"");

  c->clearAllRecords();
  EXPECT_EQ(records.count(), 0u);
}

TEST(WardrobeTest, PathsFollowTheLayoutAndIds) {
  Wardrobe wardrobe(L"/home/u//My Wardrobes/./Summer", L"Summer");
  EXPECT_EQ(wardrobe.folder(), L"/home/u/My Wardrobes/Summer");
  EXPECT_EQ(wardrobe.wardrobeId(), -1);
  EXPECT_EQ(wardrobe.wardrobeFilePath(), L"/home/u/My Wardrobes/Summer/Summer.twd");
  wardrobe.setName(L"Renamed");  // the file path, once known, stays
  EXPECT_EQ(wardrobe.wardrobeFilePath(), L"/home/u/My Wardrobes/Summer/Summer.twd");
  EXPECT_EQ(wardrobe.photoFolder(), L"/home/u/My Wardrobes/Summer/_Wardrobe_Photos_");
  Collection* c = wardrobe.collections().add(L"C", 12);
  EXPECT_EQ(c->photoFolder(), L"/home/u/My Wardrobes/Summer/_Wardrobe_Photos_/C_000012");
  Item* item = c->items().add(L"I", 3);
  EXPECT_EQ(item->photoFolder(), L"/home/u/My Wardrobes/Summer/_Wardrobe_Photos_/C_000012/I_000003");
  item->photos().addExisting(ImageType::Jpg, 2);
  item->photos().addExisting(ImageType::Png, 1234567);
  EXPECT_EQ(item->mainPhotoPath(), item->photoFolder() + L"/P_000002.jpg");
  EXPECT_EQ(item->photos().at(1)->filePath(), item->photoFolder() + L"/P_1234567.png");
  EXPECT_EQ(item->photos().addExisting(ImageType::Gif, 3), nullptr);
  EXPECT_EQ(item->photos().addExisting(ImageType::Jpg, 0), nullptr);

  Wardrobe unnamed;
  EXPECT_EQ(unnamed.wardrobeFilePath(), L"");
  EXPECT_EQ(unnamed.photoFolder(), L"");
  EXPECT_EQ(Wardrobe(L"/x", L"").folder(), L"");
}

TEST(WardrobeTest, NumberedNamesAreWhatTheFormatWouldGive) {
  for (const int32_t id : {0, 1, 12, 99999, 999999, 1000000, 1234567, INT32_MAX, -1, -12345, -123456, INT32_MIN}) {
    wchar_t expected[32];
    std::swprintf(expected, 32, L"P_%06d", id);
    EXPECT_EQ(numberedName(L'P', id), expected) << id;
  }
}

TEST(ImageTypeTest, ExtensionsMapToCodes) {
  struct Case {
    const wchar_t* path;
    ImageType type;
  };
  const Case cases[] = {
      {L"Photo.JPEG", ImageType::Jpg},      {L"a.jfif", ImageType::Jpg},  {L"b.jpe", ImageType::Jpg},
      {L"x.Jpg", ImageType::Jpg},           {L"c.rle", ImageType::Bmp},   {L"c.DIB", ImageType::Bmp},
      {L"d.tif", ImageType::Tif},           {L"e.gif", ImageType::Gif},   {L"f.ico", ImageType::Ico},
      {L"g.kod", ImageType::Kod},           {L"h.PNG", ImageType::Png},   {L"noext", ImageType::None},
      {L"/dir.jpg/noext", ImageType::None}, {L"a.tiff", ImageType::None}, {L"trailing.", ImageType::None},
  };
  for (const Case& c : cases) EXPECT_EQ(typeFromExtension(c.path), c.type) << c.path;
  EXPECT_EQ(extensionOf(ImageType::Jpg), L"jpg");
  EXPECT_EQ(extensionOf(ImageType::Bmp, true), L".bmp");
  EXPECT_EQ(extensionOf(ImageType::None, true), L"");
  EXPECT_EQ(extensionOf(static_cast<ImageType>(42)), L"");
}

}  // namespace
}  // namespace tavoro
