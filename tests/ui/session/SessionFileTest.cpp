// The session and the file on disk: a second writer (the core writing the
// file as tavoro-cli does, atomically) is noticed, a save never replaces a
// version it did not read, reading anew keeps where the window looked, and a
// wardrobe opened read-only refuses every change with a reason.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>

#include "PhotoFactory.h"
#include "TestFiles.h"
#include "TestSession.h"
#include "TryWait.h"
#include "platform/FileSystem.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Collection.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {
namespace {

class SessionFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shoes = ts.wardrobe().collections().add(L"Shoes");
    ts.wardrobe().collections().add(L"Hats");
    boot = shoes->items().add(L"Boot", 1);
    shoes->items().add(L"Sandal", 2);
    ASSERT_TRUE(writeWardrobe(ts.wardrobe()));
    path = ts.wardrobe().wardrobeFilePath();
    ts.open();
  }
  // Another program adds a collection to the file, as tavoro-cli writes it.
  void secondWriterAdds(const std::wstring& collection) {
    Wardrobe theirs;
    ASSERT_TRUE(readWardrobe(path, theirs));
    ASSERT_NE(theirs.collections().add(collection), nullptr);
    ASSERT_TRUE(writeWardrobe(theirs));
  }
  bool fileHolds(const std::wstring& collection) {
    Wardrobe saved;
    EXPECT_TRUE(readWardrobe(path, saved));
    return saved.collections().findByName(collection) != nullptr;
  }

  test::TestSession ts;
  std::wstring path;
  Collection* shoes = nullptr;
  Item* boot = nullptr;
};

TEST_F(SessionFileTest, ASaveNeverReplacesAVersionItDidNotRead) {
  WardrobeSession& s = ts.session;
  s.addCollection(L"Coats");
  EXPECT_TRUE(s.hasUnsavedChanges());
  secondWriterAdds(L"Bags");
  EXPECT_TRUE(s.changedOnDisk());

  const Status refused = s.save();
  EXPECT_TRUE(isChangedOnDisk(refused));
  EXPECT_TRUE(fileHolds(L"Bags")) << "theirs is still there";
  EXPECT_TRUE(s.hasUnsavedChanges());

  // Asked, the user keeps ours over the version seen.
  FileIdentity seen;
  ASSERT_TRUE(readFileIdentity(path, seen));
  s.keepOurs(seen);
  EXPECT_TRUE(s.save());
  EXPECT_FALSE(s.hasUnsavedChanges());
  EXPECT_FALSE(s.changedOnDisk()) << "our own save is the version we know";
  EXPECT_TRUE(fileHolds(L"Coats"));
  EXPECT_TRUE(s.save()) << "and the next save replaces it without asking";
}

TEST_F(SessionFileTest, ASecondWriterIsNoticedAndReadingAnewKeepsWhereTheWindowLooked) {
  WardrobeSession& s = ts.session;
  s.setCurrentCollection(shoes);
  s.setListSelection({boot});
  s.search(QStringLiteral("boot"));
  QSignalSpy changed(&s, &WardrobeSession::fileChangedOnDisk);
  QSignalSpy revealed(&s, &WardrobeSession::revealRequested);

  secondWriterAdds(L"Bags");
  TRY_VERIFY(changed.count() > 0);
  ASSERT_TRUE(s.reload());
  EXPECT_NE(s.wardrobe()->collections().findByName(L"Bags"), nullptr);
  ASSERT_NE(s.currentCollection(), nullptr);
  EXPECT_EQ(s.currentCollection()->name(), L"Shoes");
  ASSERT_EQ(s.listSelection().size(), 1u);
  EXPECT_EQ(s.listSelection()[0]->name(), L"Boot");
  EXPECT_EQ(revealed.count(), 1);
  EXPECT_TRUE(s.searchShown());
  EXPECT_EQ(s.results().size(), 1u);
  EXPECT_FALSE(s.changedOnDisk());

  // The file replaced again (the watch follows the name, not the old file).
  changed.clear();
  secondWriterAdds(L"Belts");
  TRY_VERIFY(changed.count() > 0);
}

TEST_F(SessionFileTest, ReadingAnewLosesOurChangesTheirHistoryAndThePhotosTheyCopied) {
  WardrobeSession& s = ts.session;
  const std::wstring photo = ts.dir() / L"new.jpg";
  test::writeFile(photo, test::jpegBytes(8, 8));
  ImportList files;
  files.add(photo);
  const AddedFiles added = s.addPhotoFiles(shoes, files);
  ASSERT_EQ(added.items.size(), 1u);
  const std::wstring copied = added.items[0]->photos().photos()[0]->filePath();
  ASSERT_TRUE(isFile(copied));
  s.renameCollection(shoes, L"Boots");
  EXPECT_EQ(s.unsavedChanges(), (QStringList{QStringLiteral("Add Photo"), QStringLiteral("Rename Collection")}));
  s.history().undo();
  EXPECT_EQ(s.unsavedChanges(), (QStringList{QStringLiteral("Add Photo")}));

  secondWriterAdds(L"Bags");
  ASSERT_TRUE(s.reload());
  EXPECT_EQ(s.history().count(), 0);
  EXPECT_FALSE(s.hasUnsavedChanges());
  EXPECT_EQ(s.wardrobe()->collections().findByName(L"Shoes")->items().count(), 2u);
  EXPECT_FALSE(isFile(copied)) << "no file names the photo any more: it went to the trash";
}

TEST_F(SessionFileTest, AFileThatCannotBeReadLeavesTheOpenWardrobeAsItWas) {
  WardrobeSession& s = ts.session;
  s.addCollection(L"Coats");
  test::writeFile(path, "<half written");
  EXPECT_FALSE(s.reload());
  EXPECT_NE(s.wardrobe()->collections().findByName(L"Coats"), nullptr);
  EXPECT_TRUE(s.hasUnsavedChanges());
}

TEST_F(SessionFileTest, ReadOnlyRefusesEveryChangeSayingWhyAndWritesNothing) {
  ts.reset();
  auto read = std::make_unique<Wardrobe>();
  ASSERT_TRUE(readWardrobe(path, *read));
  WardrobeSession::FileState file;
  file.readOnly = true;
  ASSERT_TRUE(readFileIdentity(path, file.identity));
  WardrobeSession& s = ts.session;
  ASSERT_TRUE(s.open(read, std::move(file)));
  Collection* mine = s.wardrobe()->collections().findByName(L"Shoes");
  Item* item = mine->items().at(0);
  Tag* tag = mine->tags().add(L"Colour");  // the model itself, as a file would hold it
  const std::string before = test::readFile(path);
  QSignalSpy refused(&s, &WardrobeSession::changeRefused);

  const std::pair<const char*, std::function<bool()>> changes[] = {
      {"add a collection", [&] { return s.addCollection(L"Coats") != nullptr; }},
      {"rename a collection", [&] { return s.renameCollection(mine, L"Boots"); }},
      {"delete a collection", [&] { return s.removeCollection(mine); }},
      {"add a tag", [&] { return s.addTag(mine, L"Size") != nullptr; }},
      {"rename a tag", [&] { return s.renameTag(tag, L"Hue"); }},
      {"delete a tag", [&] { return s.removeTag(tag); }},
      {"delete all tags", [&] { return s.removeAllTags(mine); }},
      {"rename an item", [&] { return s.renameItem(item, L"Shoe"); }},
      {"set a value", [&] { return s.setValue(item, tag, L"red"); }},
      {"delete an item", [&] { return s.removeItems({item}); }},
      {"make a combination", [&] { return s.addCombination(L"Sunday", {item}) != nullptr; }},
      {"wear an item", [&] { return s.wearItems({item}, s.today()); }},
  };
  for (const auto& [what, change] : changes) {
    const int count = refused.count();
    EXPECT_FALSE(change()) << what;
    EXPECT_EQ(refused.count(), count + 1) << what << " is refused with a reason";
  }
  EXPECT_TRUE(refused.last().at(0).toString().contains(QStringLiteral("read-only")));
  EXPECT_EQ(s.history().count(), 0);
  EXPECT_EQ(mine->name(), L"Shoes");
  EXPECT_TRUE(s.save());
  EXPECT_EQ(test::readFile(path), before) << "nothing written";
}

}  // namespace
}  // namespace tavoro::ui
