#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/DibBitmap.h"
#include "imaging/thumbnails/ThumbnailStore.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

constexpr uint64_t kChunk = ThumbnailStore::kChunkSize;

DibBitmap bitmap(int width, int height, uint8_t seed) {
  DibBitmap b;
  EXPECT_TRUE(b.create(width, height, 24));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width * 3; ++x) b.row(y)[x] = static_cast<uint8_t>(x * 7 + y * 13 + seed);
  return b;
}

bool samePixels(const DibBitmap& a, const DibBitmap& b) {
  if (a.width() != b.width() || a.height() != b.height() || a.bitsPerPixel() != b.bitsPerPixel()) return false;
  for (int y = 0; y < a.height(); ++y)
    if (std::memcmp(a.row(y), b.row(y), static_cast<size_t>(a.width()) * 3) != 0) return false;
  return true;
}

void setModified(const std::wstring& path, time_t seconds) {
  const timespec times[2] = {{seconds, 0}, {seconds, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, toUtf8(path).c_str(), times, 0), 0);
}

class ThumbnailStoreTest : public ::testing::Test {
 protected:
  ThumbnailStoreTest() {
    createFolders(m_dir / L"photos");
    writeFile(photo(1), "one");
    writeFile(photo(2), "two");
  }
  std::wstring photo(int n) const { return m_dir / (L"photos/" + std::to_wstring(n) + L".jpg"); }
  std::wstring storePath() const { return m_dir / L"ThumbCache_LV.tcf"; }

  TempDir m_dir;
};

TEST_F(ThumbnailStoreTest, KeepsThumbnailsAsRecordsOfIdAndBmpFile) {
  ThumbnailStore store;
  ASSERT_TRUE(store.open(ThumbnailStore::kListViewFileName, m_dir.path()));
  EXPECT_EQ(store.filePath(), storePath());
  EXPECT_EQ(store.mappingSize(), kChunk);
  const DibBitmap first = bitmap(94, 70, 1), second = bitmap(31, 5, 2);
  ASSERT_TRUE(store.put(first, photo(1)));
  ASSERT_TRUE(store.put(second, photo(2)));

  const auto one = store.entryFor(photo(1)), two = store.entryFor(photo(2));
  ASSERT_TRUE(one && two);
  EXPECT_EQ(one->offset, 0);
  EXPECT_EQ(one->size, 4u + 54u + 284u * 70u);  // rows of 282 bytes padded to 284
  EXPECT_EQ(two->offset, static_cast<int64_t>(one->size));
  EXPECT_GT(two->id, one->id);
  EXPECT_EQ(store.used(), one->size + two->size);

  // The file itself: the id, little-endian, then a whole BMP file; zeros after.
  const std::string bytes = readFile(storePath());
  ASSERT_EQ(bytes.size(), kChunk);
  uint32_t id = 0;
  std::memcpy(&id, bytes.data() + two->offset, 4);
  EXPECT_EQ(id, two->id);
  EXPECT_EQ(bytes.substr(static_cast<size_t>(two->offset) + 4, 2), "BM");
  EXPECT_EQ(bytes.substr(static_cast<size_t>(store.used())), std::string(kChunk - store.used(), '\0'));

  DibBitmap back;
  ASSERT_TRUE(store.get(back, photo(1)));
  EXPECT_TRUE(samePixels(back, first));
  ASSERT_TRUE(store.get(back, photo(2)));
  EXPECT_TRUE(samePixels(back, second));
  EXPECT_FALSE(store.get(back, m_dir / L"photos/1.JPG"));  // names differ in case: another photo
}

TEST_F(ThumbnailStoreTest, ARecordThatDoesNotFitGrowsTheFileByWholeChunks) {
  ThumbnailStore store;
  ASSERT_TRUE(store.open(L"grow.tcf", m_dir.path()));
  // About 100 KiB first (200 x 170: 102,058 bytes with the id) ...
  ASSERT_TRUE(store.put(bitmap(200, 170, 3), photo(1)));
  EXPECT_EQ(store.used(), 102058u);
  EXPECT_EQ(store.mappingSize(), kChunk);
  // ... then about 700 KiB (400 x 597: 716,458 bytes): one more chunk.
  const DibBitmap large = bitmap(400, 597, 4);
  ASSERT_TRUE(store.put(large, photo(2)));
  EXPECT_EQ(store.used(), 102058u + 716458u);
  EXPECT_EQ(store.mappingSize(), 2 * kChunk);
  struct stat st {};
  ASSERT_EQ(::stat(toUtf8(m_dir / L"grow.tcf").c_str(), &st), 0);
  EXPECT_EQ(static_cast<uint64_t>(st.st_size), 2 * kChunk);
  DibBitmap back;
  ASSERT_TRUE(store.get(back, photo(2)));
  EXPECT_TRUE(samePixels(back, large));
  // A record larger than a chunk takes as many chunks as it needs.
  ASSERT_TRUE(store.put(bitmap(1000, 500, 5), photo(1)));
  EXPECT_EQ(store.mappingSize(), 4 * kChunk);
}

TEST_F(ThumbnailStoreTest, AChangedPhotoMissesAndItsNewRecordIsAppended) {
  ThumbnailStore store;
  ASSERT_TRUE(store.open(L"changed.tcf", m_dir.path()));
  setModified(photo(1), 1'600'000'000);
  ASSERT_TRUE(store.put(bitmap(20, 20, 6), photo(1)));
  const ThumbnailStoreEntry before = *store.entryFor(photo(1));
  const uint64_t usedBefore = store.used();

  setModified(photo(1), 1'600'000'001);  // edited after its thumbnail was stored
  DibBitmap back;
  EXPECT_FALSE(store.get(back, photo(1)));
  EXPECT_FALSE(back.isValid());
  const DibBitmap edited = bitmap(20, 20, 7);
  ASSERT_TRUE(store.put(edited, photo(1)));
  const ThumbnailStoreEntry after = *store.entryFor(photo(1));
  EXPECT_EQ(after.offset, static_cast<int64_t>(usedBefore));  // appended, never rewritten
  EXPECT_NE(after.id, before.id);
  ASSERT_TRUE(store.get(back, photo(1)));
  EXPECT_TRUE(samePixels(back, edited));

  // A photo that is gone is a miss, and cannot be stored.
  removeFile(photo(1));
  EXPECT_FALSE(store.get(back, photo(1)));
  EXPECT_FALSE(store.put(edited, photo(1)));
  EXPECT_FALSE(store.entryFor(photo(1)));
}

TEST_F(ThumbnailStoreTest, ARecordReadsBackByItsEntryWhateverBecameOfThePhoto) {
  ThumbnailStore store;
  ASSERT_TRUE(store.open(L"read.tcf", m_dir.path()));
  const DibBitmap first = bitmap(30, 20, 1), second = bitmap(12, 9, 2);
  ThumbnailStoreEntry put, got;
  ASSERT_TRUE(store.put(first, photo(1), &put));
  EXPECT_EQ(put.id, store.entryFor(photo(1))->id);
  DibBitmap back;
  ASSERT_TRUE(store.get(back, photo(1), &got));
  EXPECT_EQ(got.id, put.id);
  EXPECT_EQ(got.offset, put.offset);

  // A newer thumbnail of the photo, then the photo gone: the old record stays.
  ASSERT_TRUE(store.put(second, photo(1)));
  removeFile(photo(1));
  DibBitmap old;
  ASSERT_TRUE(store.read(put, old));
  EXPECT_TRUE(samePixels(old, first));

  // Entries this store never wrote, or wrote before it was opened anew.
  const uint64_t used = store.used();
  ThumbnailStoreEntry forged = put;
  forged.id += 1000;
  ThumbnailStoreEntry past = put;
  past.offset = static_cast<int64_t>(used);
  ThumbnailStoreEntry overlong = put;
  overlong.size = used + 1;
  ThumbnailStoreEntry negative = put;
  negative.offset = -1;
  DibBitmap untouched = bitmap(3, 3, 9);
  for (const ThumbnailStoreEntry& entry : {forged, past, overlong, negative}) {
    EXPECT_FALSE(store.read(entry, untouched));
    EXPECT_EQ(untouched.width(), 3);
  }
  store.close();
  EXPECT_FALSE(store.read(put, untouched));
  ASSERT_TRUE(store.open(L"read.tcf", m_dir.path()));
  ASSERT_TRUE(store.put(first, photo(2)));  // a record where the old one was
  EXPECT_EQ(store.entryFor(photo(2))->offset, put.offset);
  EXPECT_FALSE(store.read(put, untouched));
}

TEST_F(ThumbnailStoreTest, AStoreThatCannotBeOpenedMissesEveryGetAndFailsEveryPut) {
  createFolders(m_dir / L"taken.tcf");  // a folder where the file should be
  ThumbnailStore unopened, refused;
  EXPECT_FALSE(refused.open(L"taken.tcf", m_dir.path()));
  EXPECT_FALSE(refused.open(L"x.tcf", m_dir / L"no such folder"));
  for (ThumbnailStore* store : {&unopened, &refused}) {
    EXPECT_FALSE(store->isOpen());
    EXPECT_FALSE(store->put(bitmap(8, 8, 1), photo(1)));
    DibBitmap back;
    EXPECT_FALSE(store->get(back, photo(1)));
  }
  ThumbnailStore store;
  ASSERT_TRUE(store.open(L"ok.tcf", m_dir.path()));
  DibBitmap notTwentyFourBits;
  ASSERT_TRUE(notTwentyFourBits.create(8, 8, 32));
  EXPECT_FALSE(store.put(notTwentyFourBits, photo(1)));
  EXPECT_FALSE(store.put(DibBitmap(), photo(1)));
  EXPECT_EQ(store.used(), 0u);
}

TEST_F(ThumbnailStoreTest, OpeningEmptiesALeftoverAndClosingDeletesTheFile) {
  writeFile(storePath(), std::string(3 * kChunk + 5, 'x'));
  ThumbnailStore store;
  ASSERT_TRUE(store.open(ThumbnailStore::kListViewFileName, m_dir.path()));
  EXPECT_EQ(readFile(storePath()), std::string(kChunk, '\0'));
  EXPECT_TRUE(store.open(ThumbnailStore::kListViewFileName, m_dir.path()));  // the same: fine
  EXPECT_FALSE(store.open(L"other.tcf", m_dir.path()));
  ASSERT_TRUE(store.put(bitmap(8, 8, 1), photo(1)));
  store.close();
  EXPECT_FALSE(pathExists(storePath()));
  EXPECT_FALSE(store.entryFor(photo(1)));
  {
    ThumbnailStore again;
    ASSERT_TRUE(again.open(ThumbnailStore::kListViewFileName, m_dir.path()));
    // A second instance, finding the file held, keeps a store of its own.
    ThumbnailStore second;
    ASSERT_TRUE(second.open(ThumbnailStore::kListViewFileName, m_dir.path()));
    EXPECT_EQ(second.filePath(), ThumbnailStore::ownCopyPath(storePath()));
    ASSERT_TRUE(second.put(bitmap(8, 8, 2), photo(1)));
    EXPECT_FALSE(again.entryFor(photo(1)));
    EXPECT_TRUE(second.open(ThumbnailStore::kListViewFileName, m_dir.path()));  // its own: the same
  }  // destroyed at exit: deleted too
  EXPECT_FALSE(pathExists(storePath()));
  EXPECT_FALSE(pathExists(ThumbnailStore::ownCopyPath(storePath())));
}

TEST(ThumbnailStoreDefaultFolderTest, LivesInThePrivateTemporaryFolder) {
  TempDir runtime;
  ASSERT_EQ(::setenv("XDG_RUNTIME_DIR", toUtf8(runtime.path()).c_str(), 1), 0);
  ThumbnailStore store;
  ASSERT_TRUE(store.open(ThumbnailStore::kPreviewFileName));
  const std::wstring folder = runtime / L"Quillmoor/Tavoro";
  EXPECT_EQ(store.filePath(), folder + L"/ThumbCache_PV.tcf");
  struct stat st {};
  ASSERT_EQ(::stat(toUtf8(folder).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  ASSERT_EQ(::stat(toUtf8(store.filePath()).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  store.close();
  ::unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace tavoro
