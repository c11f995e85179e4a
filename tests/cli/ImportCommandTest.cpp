#include <gtest/gtest.h>

#include <climits>

#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "LockHolder.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "platform/FileSystem.h"
#include "platform/LocalProcess.h"
#include "platform/LockFile.h"
#include "platform/Utf8.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

using test::readFile;
using test::runCli;
using test::TempDir;
using test::writeFile;

class ImportCommandTest : public ::testing::Test {
 protected:
  ImportCommandTest() {
    Wardrobe wardrobe(m_dir / L"Closet", L"Closet");
    wardrobe.collections().add(L"Shirts");
    wardrobe.collections().add(L"Shoes");
    EXPECT_TRUE(writeWardrobe(wardrobe));
    m_file = toUtf8(wardrobe.wardrobeFilePath());
    createFolders(m_dir / L"drop/nested");
  }
  // count photos in drop/ (every third one in drop/nested/), with a text file beside each.
  void makePhotos(int count) {
    for (int i = 0; i < count; ++i) {
      const std::wstring folder = m_dir / (i % 3 == 2 ? L"drop/nested/" : L"drop/");
      writeFile(folder + L"shirt " + std::to_wstring(i) + L".jpg", "jpeg " + std::to_string(i));
      writeFile(folder + L"note " + std::to_wstring(i) + L".txt", "text");
    }
  }
  // The items of a collection as the saved file has them.
  std::vector<std::wstring> savedItems(const std::wstring& collection) {
    Wardrobe wardrobe;
    EXPECT_TRUE(readWardrobe(fromUtf8(m_file), wardrobe));
    std::vector<std::wstring> names;
    if (Collection* c = wardrobe.collections().findByName(collection))
      for (const auto& item : c->items().items()) names.push_back(item->name());
    return names;
  }
  std::string drop() const { return toUtf8(m_dir / L"drop"); }

  TempDir m_dir;
  std::string m_file;
};

TEST_F(ImportCommandTest, AddsTheFilteredPhotosAndSavesTheWardrobe) {
  makePhotos(4);
  const std::string single = toUtf8(m_dir / L"single.png");
  writeFile(fromUtf8(single), "png");
  const test::CliRun r = runCli({"import", m_file, "Shoes", drop(), single});
  ASSERT_EQ(r.status, 0) << r.err;
  const nlohmann::json result = nlohmann::json::parse(r.out);
  EXPECT_EQ(result, (nlohmann::json{{"accepted", 5}, {"added", 5}, {"failed", nlohmann::json::array()}}));
  std::vector<std::wstring> names = savedItems(L"Shoes");
  ASSERT_EQ(names.size(), 5u);
  EXPECT_EQ(names.back(), L"single");  // the named paths keep their order
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names.front(), L"shirt 0");
  EXPECT_TRUE(savedItems(L"Shirts").empty());
  EXPECT_EQ(readFile(m_dir / L"Closet/_Wardrobe_Photos_/C_000002/I_000005/P_000001.png"), "png");
}

TEST_F(ImportCommandTest, TwentyFilesNeedAnAnswerAndAScriptGivesItWithYes) {
  makePhotos(20);
  const std::string before = readFile(fromUtf8(m_file));
  test::CliRun r = runCli({"import", m_file, "Shirts", drop()}, "y\n");  // not a terminal: refused
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("20 files are to be added"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("--yes"), std::string::npos) << r.err;
  EXPECT_EQ(readFile(fromUtf8(m_file)), before);
  EXPECT_FALSE(pathExists(m_dir / L"Closet/_Wardrobe_Photos_"));

  r = runCli({"import", m_file, "Shirts", drop(), "--yes"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(nlohmann::json::parse(r.out)["added"], 20);
  EXPECT_EQ(savedItems(L"Shirts").size(), 20u);
}

// An interrupted import left the first new item's folder behind: it is
// stepped over, never written into, and the import goes on.
TEST_F(ImportCommandTest, FilesLeftBehindAreSteppedOver) {
  makePhotos(2);
  const std::wstring taken = m_dir / L"Closet/_Wardrobe_Photos_/C_000001/I_000001/P_000001.jpg";
  createFolders(m_dir / L"Closet/_Wardrobe_Photos_/C_000001/I_000001");
  writeFile(taken, "someone else's");
  const test::CliRun r = runCli({"import", m_file, "Shirts", drop() + "/shirt 0.jpg", drop() + "/shirt 1.jpg"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(nlohmann::json::parse(r.out)["added"], 2);
  EXPECT_EQ(readFile(taken), "someone else's");
  EXPECT_EQ(readFile(m_dir / L"Closet/_Wardrobe_Photos_/C_000001/I_000002/P_000001.jpg"), "jpeg 0");
  EXPECT_EQ(savedItems(L"Shirts"), (std::vector<std::wstring>{L"shirt 0", L"shirt 1"}));
}

TEST_F(ImportCommandTest, AFileThatCannotBeCopiedIsReportedAsFailed) {
  makePhotos(2);
  // Too large to be copied under the limit below; the wardrobe file is not.
  const std::string large = toUtf8(m_dir / L"drop/shirt 0.jpg");
  writeFile(fromUtf8(large), std::string(64 * 1024, 'j'));
  const test::CliRun r =
      runCli({"import", m_file, "Shirts", large, drop() + "/shirt 1.jpg"}, {}, {.maxFileBytes = 16 * 1024});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cannot add " + large), std::string::npos) << r.err;
  const nlohmann::json result = nlohmann::json::parse(r.out);
  EXPECT_EQ(result["accepted"], 2);
  EXPECT_EQ(result["added"], 1);
  EXPECT_EQ(result["failed"], nlohmann::json::array({large}));
  EXPECT_EQ(savedItems(L"Shirts"), std::vector<std::wstring>{L"shirt 1"});
}

TEST_F(ImportCommandTest, APathThatCannotBeReadFailsTheImportOfTheOthersNot) {
  makePhotos(1);
  const std::string missing = toUtf8(m_dir / L"missing.jpg");
  test::CliRun r = runCli({"import", m_file, "Shoes", missing});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cannot read " + missing), std::string::npos) << r.err;
  EXPECT_EQ(nlohmann::json::parse(r.out)["accepted"], 0);

  r = runCli({"import", m_file, "Shoes", missing, toUtf8(m_dir / L"drop/shirt 0.jpg")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(nlohmann::json::parse(r.out)["added"], 1);
  EXPECT_EQ(savedItems(L"Shoes"), std::vector<std::wstring>{L"shirt 0"});
}

// The wardrobe's photo folder may be shared with another wardrobe through a
// link: taking back the copies of an import whose save failed deletes those
// copies and nothing else.
TEST_F(ImportCommandTest, AFailedSaveTakesBackOnlyTheImportedCopies) {
  makePhotos(1);
  const std::wstring collectionFolder = m_dir / L"Closet/_Wardrobe_Photos_/C_000001/";
  createFolders(collectionFolder);
  writeFile(collectionFolder + L"notes.txt", "another wardrobe's notes");
  const std::string before = readFile(fromUtf8(m_file));

  // No file may grow past 100 bytes: the photo is copied, the wardrobe file is not written.
  const test::CliRun r =
      runCli({"import", m_file, "Shirts", toUtf8(m_dir / L"drop/shirt 0.jpg")}, {}, {.maxFileBytes = 100});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("no photo was added"), std::string::npos) << r.err;
  EXPECT_FALSE(pathExists(collectionFolder + L"I_000001"));
  EXPECT_EQ(readFile(collectionFolder + L"notes.txt"), "another wardrobe's notes");
  EXPECT_EQ(readFile(fromUtf8(m_file)), before);
}

TEST_F(ImportCommandTest, ACollectionWithoutItemIdsLeftAddsNothing) {
  makePhotos(2);
  {
    Wardrobe wardrobe;
    ASSERT_TRUE(readWardrobe(fromUtf8(m_file), wardrobe));
    wardrobe.collections().findByName(L"Shirts")->items().add(L"Last", INT32_MAX)->setDateAdded(DateTime::now());
    ASSERT_TRUE(writeWardrobe(wardrobe));
  }
  const std::string before = readFile(fromUtf8(m_file));
  const test::CliRun r = runCli({"import", m_file, "Shirts", drop()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("every item id of the collection \"Shirts\" is used up"), std::string::npos) << r.err;
  const nlohmann::json result = nlohmann::json::parse(r.out);
  EXPECT_EQ(result["added"], 0);
  EXPECT_EQ(result["failed"].size(), 2u);
  EXPECT_EQ(readFile(fromUtf8(m_file)), before);
  EXPECT_FALSE(pathExists(m_dir / L"Closet/_Wardrobe_Photos_"));
}

// The window holds the wardrobe's lock file while the wardrobe is open.
TEST_F(ImportCommandTest, AWardrobeOpenElsewhereIsRefusedUnlessForced) {
  makePhotos(2);
  const std::wstring lock = m_dir / L"Closet/.Closet.twd.lock";
  test::LockHolder window(lock);
  ASSERT_TRUE(window.waitUntilHeld());
  const std::string before = readFile(fromUtf8(m_file));
  test::CliRun r = runCli({"import", m_file, "Shirts", drop() + "/shirt 0.jpg"});
  EXPECT_EQ(r.status, 1);
  const std::string holder = localUserName() + " on " + localHostName() + " (process " + std::to_string(window.pid());
  EXPECT_NE(r.err.find("is open in Tavoro by " + holder), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("--force"), std::string::npos) << r.err;
  EXPECT_EQ(readFile(fromUtf8(m_file)), before);
  EXPECT_FALSE(pathExists(m_dir / L"Closet/_Wardrobe_Photos_"));

  r = runCli({"import", m_file, "Shirts", drop() + "/shirt 0.jpg", "--force"});
  ASSERT_EQ(r.status, 0) << r.err;
  LockOwner owner;
  ASSERT_TRUE(readLockFile(lock, owner));
  EXPECT_EQ(owner.pid, window.pid());  // its lock is left alone

  // The window crashed: its lock is stale, taken over and removed afterwards.
  window.end(true);
  r = runCli({"import", m_file, "Shirts", drop() + "/shirt 1.jpg"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(pathExists(lock));
  EXPECT_EQ(savedItems(L"Shirts"), (std::vector<std::wstring>{L"shirt 0", L"shirt 1"}));
}

TEST_F(ImportCommandTest, RefusesWhatItCannotDo) {
  makePhotos(1);
  struct Case {
    std::vector<std::string> arguments;
    int exitCode;
    const char* message;
  };
  const Case cases[] = {
      {{"import", m_file, "All Collections", drop()}, 2, "Adding photos to \"All Collections\" is not allowed."},
      {{"import", m_file, "Socks", drop()}, 2, "is named \"Socks\""},
      {{"import", m_file, "shirts", drop()}, 2, "is named \"shirts\""},  // names are exact
      {{"import", toUtf8(m_dir / L"missing.twd"), "Shirts", drop()}, 1, "missing.twd"},
      {{"import", m_file, "Shirts"}, 2, ""},
  };
  for (const Case& c : cases) {
    const test::CliRun r = runCli(c.arguments);
    EXPECT_EQ(r.status, c.exitCode) << c.arguments[2];
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
  }
  EXPECT_FALSE(pathExists(m_dir / L"Closet/_Wardrobe_Photos_"));
  EXPECT_EQ(runCli({"import", "--help"}).status, 0);
}

}  // namespace
}  // namespace tavoro
