#include "WardrobeBackup.h"

#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "StagedOutput.h"
#include "ZipArchive.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro {

namespace {

struct StoredFile {
  std::wstring path;
  std::string name;  // inside the archive
  uint64_t size = 0;
  bool compress = true;
};

// Photos are compressed already: deflating them again costs time for nothing.
bool worthCompressing(std::wstring_view path) {
  const ImageType type = typeFromExtension(path);
  return type != ImageType::Jpg && type != ImageType::Png;
}

Status gather(const std::wstring& folder, const std::string& prefix, std::vector<StoredFile>& files,
              std::vector<std::wstring>& skipped) {
  std::vector<FolderEntry> entries;
  if (!listFolder(folder, entries)) return Status::fromErrno(folder);
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  for (const FolderEntry& entry : entries) {
    const std::wstring path = joinLexical(folder, entry.name);
    const std::string name = prefix + toUtf8(entry.name);
    if (entry.kind == EntryKind::Folder) {
      if (Status inner = gather(path, name + "/", files, skipped); !inner) return inner;
    } else if (entry.kind == EntryKind::File) {
      struct stat info {};
      if (::lstat(toUtf8(path).c_str(), &info) != 0) return Status::fromErrno(path);
      files.push_back({path, name, static_cast<uint64_t>(info.st_size), worthCompressing(path)});
    } else {
      skipped.push_back(path);  // a link could name anything outside the wardrobe
    }
  }
  return {};
}

struct CloseProgress {
  ProgressReporter* progress;
  uint64_t files;
};

void onCloseProgress(zip_t*, double fraction, void* state) {
  auto* close = static_cast<CloseProgress*>(state);
  close->progress->report(static_cast<uint64_t>(fraction * static_cast<double>(close->files)));
}

int onCloseCancel(zip_t*, void* state) { return static_cast<CloseProgress*>(state)->progress->stopRequested() ? 1 : 0; }

// Reads every entry back: the names, sizes and count as written, each
// entry's data whole and matching its CRC.
Status verify(const std::string& archivePath, const std::wstring& zipPath, const std::vector<StoredFile>& files,
              ProgressReporter& progress) {
  ZipArchive archive;
  if (!archive.open(archivePath, ZIP_RDONLY | ZIP_CHECKCONS))
    return Status::failure(zipPath, "cannot be read back: " + archive.error());
  if (zip_get_num_entries(archive.get(), 0) != static_cast<zip_int64_t>(files.size()))
    return Status::failure(zipPath, "read back with a wrong number of entries");
  std::vector<char> buffer(256 * 1024);
  for (size_t i = 0; i < files.size(); ++i) {
    zip_stat_t stat;
    if (zip_stat_index(archive.get(), i, ZIP_FL_ENC_RAW, &stat) != 0 || files[i].name != stat.name ||
        stat.size != files[i].size)
      return Status::failure(zipPath, "entry " + files[i].name + " reads back wrong");
    zip_file_t* entry = zip_fopen_index(archive.get(), i, 0);
    if (!entry) return Status::failure(zipPath, "entry " + files[i].name + " cannot be read back: " + archive.archiveError());
    uint64_t total = 0;
    zip_int64_t n = 0;
    while ((n = zip_fread(entry, buffer.data(), buffer.size())) > 0) total += static_cast<uint64_t>(n);
    const std::string reason = n < 0 ? zip_error_strerror(zip_file_get_error(entry)) : "";
    const bool closed = zip_fclose(entry) == 0;
    if (n < 0 || !closed || total != files[i].size)
      return Status::failure(zipPath, "entry " + files[i].name + " reads back wrong" + (reason.empty() ? "" : ": " + reason));
    if (!progress.advance()) return {};
  }
  return {};
}

}  // namespace

ExportResult backupWardrobe(std::wstring_view wardrobeFile, std::wstring_view zipPath, const ProgressCallback& callback,
                            BackupSummary* summary) {
  const std::wstring file = lexicalPath(wardrobeFile);
  if (!isFile(file)) return ExportResult::failure(Status::failure(file, "no such file"));
  std::vector<StoredFile> files;
  BackupSummary done;
  struct stat info {};
  if (::stat(toUtf8(file).c_str(), &info) != 0) return ExportResult::failure(Status::fromErrno(file));
  files.push_back({file, toUtf8(pathFileName(file)), static_cast<uint64_t>(info.st_size), true});
  const std::wstring photoFolder = joinLexical(pathFolder(file), Wardrobe::kPhotoFolderName);
  if (isFolder(photoFolder)) {
    if (Status gathered = gather(photoFolder, toUtf8(Wardrobe::kPhotoFolderName) + "/", files, done.skipped); !gathered)
      return ExportResult::failure(gathered);
  }

  ProgressReporter progress(callback, 2 * files.size());
  StagedOutput output;
  if (Status begun = output.begin(zipPath, StagedOutput::Kind::File); !begun) return ExportResult::failure(begun);
  const std::string staging = toUtf8(output.stagingPath());
  ZipArchive archive;
  if (!archive.open(staging, ZIP_CREATE | ZIP_TRUNCATE))
    return ExportResult::failure(Status::failure(zipPath, archive.error()));
  for (const StoredFile& stored : files) {
    zip_source_t* source = zip_source_file(archive.get(), toUtf8(stored.path).c_str(), 0, -1);
    if (!source) return ExportResult::failure(Status::failure(stored.path, archive.archiveError()));
    const zip_int64_t index = zip_file_add(archive.get(), stored.name.c_str(), source, ZIP_FL_ENC_GUESS);
    if (index < 0) {
      zip_source_free(source);
      return ExportResult::failure(Status::failure(stored.path, archive.archiveError()));
    }
    if (!stored.compress) zip_set_file_compression(archive.get(), static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    done.bytes += stored.size;
  }
  CloseProgress closeState{&progress, files.size()};
  zip_register_progress_callback_with_state(archive.get(), 0.001, onCloseProgress, nullptr, &closeState);
  zip_register_cancel_callback_with_state(archive.get(), onCloseCancel, nullptr, &closeState);
  const bool closed = archive.close();
  if (progress.stopRequested()) return ExportResult::stopped();
  if (!closed) return ExportResult::failure(Status::failure(zipPath, archive.error()));
  progress.report(files.size());

  if (Status verified = verify(staging, std::wstring(zipPath), files, progress); !verified)
    return ExportResult::failure(verified);
  if (progress.stopRequested()) return ExportResult::stopped();
  if (Status committed = output.commit(); !committed) return ExportResult::failure(committed);
  done.files = files.size();
  if (summary) *summary = std::move(done);
  return {};
}

}  // namespace tavoro
