// Backing up and restoring through a zip file: a round trip byte for byte,
// and hostile archives made here with libzip (slip, absolute names, links,
// bombs, lying sizes, overwrites) that restore must refuse without writing
// anything.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <functional>
#include <map>

#include "AwkwardWardrobe.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "export/WardrobeBackup.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

// Every regular file under folder, by relative path, with its bytes.
void collect(const std::wstring& folder, const std::wstring& prefix, std::map<std::wstring, std::string>& out) {
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(listFolder(folder, entries));
  for (const FolderEntry& e : entries) {
    if (e.kind == EntryKind::Folder) collect(folder + L"/" + e.name, prefix + e.name + L"/", out);
    if (e.kind == EntryKind::File) out[prefix + e.name] = test::readFile(folder + L"/" + e.name);
  }
}

std::vector<std::wstring> entriesOf(const std::wstring& folder) {
  std::vector<FolderEntry> entries;
  listFolder(folder, entries);
  std::vector<std::wstring> names;
  for (const FolderEntry& e : entries) names.push_back(e.name);
  return names;
}

TEST(BackupTest, RestoreGivesBackEveryFileByteForByte) {
  test::TempDir dir;
  const std::wstring file = test::makeAwkwardWardrobe(dir / L"w");
  const std::wstring folder = pathFolder(file);
  const std::wstring link = folder + L"/_Wardrobe_Photos_/link.jpg";
  ASSERT_EQ(::symlink("/etc/passwd", toUtf8(link).c_str()), 0);

  BackupSummary summary;
  uint64_t lastDone = 0, lastTotal = 0;
  ASSERT_TRUE(backupWardrobe(file, dir / L"b.zip", [&](uint64_t done, uint64_t total) {
                lastDone = done;
                lastTotal = total;
                return true;
              }, &summary).ok());
  EXPECT_EQ(lastDone, lastTotal);
  EXPECT_EQ(summary.skipped, std::vector<std::wstring>{link});

  std::wstring restored;
  ASSERT_TRUE(restoreWardrobe(dir / L"b.zip", dir / L"r", {}, &restored).ok());
  EXPECT_EQ(restored, dir / (L"r/" + pathFileName(file)));
  std::map<std::wstring, std::string> before, after;
  ASSERT_NO_FATAL_FAILURE(collect(folder, L"", before));
  ASSERT_NO_FATAL_FAILURE(collect(dir / L"r", L"", after));
  before.erase(L"_Wardrobe_Photos_/link.jpg");  // the link is not a file of the wardrobe
  EXPECT_EQ(summary.files, before.size());
  EXPECT_EQ(after, before);
  EXPECT_FALSE(pathExists(dir / L"r/_Wardrobe_Photos_/link.jpg"));

  // Neither replaces what exists.
  EXPECT_EQ(backupWardrobe(file, dir / L"b.zip", {}).status.reason(), "exists already");
  EXPECT_EQ(restoreWardrobe(dir / L"b.zip", dir / L"r", {}, nullptr).status.reason(), "exists already");
}

TEST(BackupTest, StoppedBackupOrRestoreLeavesNothing) {
  test::TempDir dir;
  const std::wstring file = test::makeAwkwardWardrobe(dir / L"w");
  ASSERT_TRUE(createFolders(dir / L"out"));
  for (uint64_t stopAt : {uint64_t{0}, uint64_t{20}}) {
    EXPECT_TRUE(backupWardrobe(file, dir / L"out/b.zip", [&](uint64_t d, uint64_t) { return d < stopAt; }).cancelled);
    EXPECT_TRUE(entriesOf(dir / L"out").empty());
  }
  ASSERT_TRUE(backupWardrobe(file, dir / L"b.zip", {}).ok());
  EXPECT_TRUE(restoreWardrobe(dir / L"b.zip", dir / L"out/r", [](uint64_t d, uint64_t) { return d < 3; }, nullptr).cancelled);
  EXPECT_TRUE(entriesOf(dir / L"out").empty());
}

// One entry of a hostile archive.
struct Entry {
  std::string name;
  std::string data;
  mode_t unixType = 0;  // S_IFLNK for a link
};

void writeZip(const std::wstring& path, const std::vector<Entry>& entries) {
  int error = 0;
  zip_t* zip = zip_open(toUtf8(path).c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(zip, nullptr);
  for (const Entry& e : entries) {
    zip_source_t* source = zip_source_buffer(zip, e.data.data(), e.data.size(), 0);
    const zip_int64_t index =
        e.name.back() == '/' ? zip_dir_add(zip, e.name.c_str(), 0) : zip_file_add(zip, e.name.c_str(), source, 0);
    ASSERT_GE(index, 0) << e.name << ": " << zip_strerror(zip);
    if (e.name.back() == '/') zip_source_free(source);
    if (e.unixType)
      zip_file_set_external_attributes(zip, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                       static_cast<zip_uint32_t>(e.unixType | 0777) << 16);
  }
  ASSERT_EQ(zip_close(zip), 0);
}

// Replaces every occurrence of from by to (of the same length) in the file's bytes.
void patch(const std::wstring& path, const std::string& from, const std::string& to) {
  std::string bytes = test::readFile(path);
  for (size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + 1))
    bytes.replace(at, from.size(), to);
  test::writeFile(path, bytes);
}

TEST(BackupTest, RestoreRefusesHostileArchivesAndWritesNothing) {
  const std::string twd = "<?xml version=\"1.0\"?><TavoroWardrobe version=\"1.0\" xmlns=\"http://www.tavoro.example/xmlns/twd\"/>";
  const Entry wardrobe{"W.twd", twd};
  const std::string zeros(8 << 20, '\0');
  struct Case {
    const char* what;
    std::vector<Entry> entries;
    const char* reason;  // a part of the reason given
    std::function<void(const std::wstring&)> tamper = nullptr;
    RestoreLimits limits = {};
  };
  const std::vector<Case> cases = {
      {"slip", {wardrobe, {"_Wardrobe_Photos_/../../evil.txt", "x"}}, "outside the folder"},
      {"absolute", {wardrobe, {"/tmp/evil.txt", "x"}}, "outside the folder"},
      {"dot", {wardrobe, {"a/./b", "x"}}, "outside the folder"},
      {"backslash", {wardrobe, {"..\\evil.txt", "x"}}, "outside the folder"},
      {"link", {wardrobe, {"_Wardrobe_Photos_/l.jpg", "/etc/passwd", S_IFLNK}}, "is a link"},
      {"device", {wardrobe, {"dev", "", S_IFCHR}}, "is not a file"},
      {"bomb", {wardrobe, {"big.bin", zeros}}, "times its packed size"},
      {"total", {wardrobe, {"a.bin", std::string(600, 'a')}, {"b.bin", std::string(600, 'b')}}, "more than 1000 bytes",
       nullptr, {.maxTotalBytes = 1000}},
      {"file over folder", {wardrobe, {"p", "x"}, {"p/q.jpg", "y"}}, "would overwrite a folder"},
      {"duplicate", {wardrobe, {"a.jpg", "x"}, {"b.jpg", "y"}}, "exists", [&](const std::wstring& p) { patch(p, "b.jpg", "a.jpg"); }},
      {"lying size", {{"big.txt", std::string(5000, 'z')}, wardrobe}, "declares",
       [&](const std::wstring& p) { patch(p, std::string("\x88\x13\0\0", 4), std::string("\x10\0\0\0", 4)); }},
      {"no wardrobe", {{"a.jpg", "x"}}, "holds no wardrobe file"},
      {"two wardrobes", {wardrobe, {"V.TWD", twd}}, "more than one wardrobe file"},
      {"not a wardrobe", {{"W.twd", "<html/>"}}, "is not a wardrobe"},
      {"not a zip", {}, "not a zip archive", [](const std::wstring& p) { test::writeFile(p, "PK junk"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    const std::wstring zip = dir / L"hostile.zip";
    ASSERT_NO_FATAL_FAILURE(writeZip(zip, c.entries));
    if (c.tamper) c.tamper(zip);
    const ExportResult result = restoreWardrobe(zip, dir / L"r", {}, nullptr, c.limits);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.status.reason().find(c.reason), std::string::npos) << result.status.reason();
    EXPECT_EQ(entriesOf(dir.path()), std::vector<std::wstring>{L"hostile.zip"});
    EXPECT_FALSE(pathExists(L"/tmp/evil.txt"));
  }
}

}  // namespace
}  // namespace tavoro
