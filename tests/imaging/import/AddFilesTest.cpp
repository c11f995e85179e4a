#include <gtest/gtest.h>

#include <vector>

#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/import/AddFiles.h"
#include "imaging/import/ImportMessages.h"
#include "platform/FileSystem.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

class AddFilesTest : public ::testing::Test {
 protected:
  AddFilesTest() : m_wardrobe(m_dir / L"Wardrobe", L"Wardrobe") {
    createFolders(m_dir / L"Wardrobe");
    createFolders(m_dir / L"in");
    m_collection = m_wardrobe.collections().add(L"Shirts");
  }
  ImportList photos(int count) {
    ImportList list;
    for (int i = 0; i < count; ++i) {
      const std::wstring path = m_dir / (L"in/shirt " + std::to_wstring(i) + L".jpg");
      writeFile(path, "photo " + std::to_string(i));
      list.add(path);
    }
    return list;
  }
  // Answers the confirmation and remembers what it was asked.
  AddFilesConfirmation answer(bool yes) {
    return [this, yes](size_t count) {
      m_asked.push_back(count);
      return yes;
    };
  }

  TempDir m_dir;
  Wardrobe m_wardrobe;
  Collection* m_collection = nullptr;
  std::vector<size_t> m_asked;
};

TEST_F(AddFilesTest, NineteenFilesAreAddedInOrderWithoutAQuestion) {
  const ImportList files = photos(19);
  const AddedFiles added = addFiles(m_collection, files, answer(false));
  EXPECT_TRUE(m_asked.empty());
  EXPECT_FALSE(added.declined);
  ASSERT_EQ(added.items.size(), 19u);
  ASSERT_EQ(m_collection->items().count(), 19u);
  for (size_t i = 0; i < 19; ++i) {
    EXPECT_EQ(added.items[i], m_collection->items().at(i));
    EXPECT_EQ(added.items[i]->name(), L"shirt " + std::to_wstring(i));
    EXPECT_EQ(readFile(added.items[i]->mainPhotoPath()), "photo " + std::to_string(i));
  }
}

TEST_F(AddFilesTest, TwentyFilesAskFirstAndADeclineAddsNothing) {
  const ImportList files = photos(20);
  const AddedFiles declined = addFiles(m_collection, files, answer(false));
  EXPECT_EQ(m_asked, (std::vector<size_t>{20}));
  EXPECT_TRUE(declined.declined);
  EXPECT_TRUE(declined.items.empty());
  EXPECT_EQ(m_collection->items().count(), 0u);
  EXPECT_EQ(m_collection->items().nextId(), 1);  // not a single copy was tried
  EXPECT_FALSE(pathExists(m_wardrobe.photoFolder()));
  EXPECT_TRUE(addFiles(m_collection, files, nullptr).declined);  // no one to ask: no

  const AddedFiles accepted = addFiles(m_collection, files, answer(true));
  EXPECT_EQ(m_asked, (std::vector<size_t>{20, 20}));
  EXPECT_EQ(accepted.items.size(), 20u);
  EXPECT_EQ(addFilesQuestion(20),
            L"20 files are to be added. This may take some time. \nAre you sure you want to continue?");
}

TEST_F(AddFilesTest, FailedCopiesAreSkippedAndNamed) {
  ImportList files = photos(3);
  writeFile(m_dir / L"in/anim.gif", "x");
  const std::vector<std::wstring> bad = {m_dir / L"in/anim.gif", m_dir / L"in/gone.png", m_dir / L"in"};
  ImportList mixed{files.at(0), bad[0], files.at(1), bad[1], bad[2], files.at(2)};
  std::vector<std::pair<size_t, size_t>> progress;
  const AddedFiles added = addFiles(m_collection, mixed, answer(true),
                                    [&](size_t done, size_t total) { progress.emplace_back(done, total); });
  ASSERT_EQ(added.items.size(), 3u);
  EXPECT_EQ(added.items[2]->name(), L"shirt 2");
  EXPECT_EQ(added.failed, bad);
  ASSERT_EQ(progress.size(), 6u);
  EXPECT_EQ(progress.front(), std::make_pair(size_t{1}, size_t{6}));
  EXPECT_EQ(progress.back(), std::make_pair(size_t{6}, size_t{6}));
}

TEST_F(AddFilesTest, NothingIsAddedOutsideARealCollection) {
  const ImportList files = photos(2);
  for (Collection* c : {m_wardrobe.collections().allCollections(), m_wardrobe.collections().addPlaceholder(),
                        static_cast<Collection*>(nullptr)}) {
    const AddedFiles added = addFiles(c, files, answer(true));
    EXPECT_TRUE(added.items.empty());
    EXPECT_TRUE(added.failed.empty());
  }
  EXPECT_TRUE(addFiles(m_collection, ImportList{}, answer(true)).items.empty());
  EXPECT_TRUE(m_asked.empty());
}

}  // namespace
}  // namespace tavoro
