#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <set>
#include <string>
#include <vector>

#include "StagedOutput.h"
#include "WardrobeBackup.h"
#include "ZipArchive.h"
#include "ZipEntryName.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {

namespace {

struct Entry {
  zip_uint64_t index = 0;
  std::string name;
  bool folder = false;
  uint64_t size = 0;
  time_t modified = 0;
};

std::string sizeText(uint64_t bytes) {
  return bytes >= (uint64_t{1} << 20) ? std::to_string(bytes >> 20) + " MiB" : std::to_string(bytes) + " bytes";
}

bool endsWithTwd(const std::string& name) {
  if (name.size() < 5) return false;
  std::string extension = name.substr(name.size() - 4);
  for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return extension == ".twd";
}

// Everything that would make unpacking unsafe is found here, before anything is written.
Status inspect(zip_t* zip, const std::wstring& zipPath, const RestoreLimits& limits, std::vector<Entry>& entries,
               std::string& wardrobeName) {
  const zip_int64_t count = zip_get_num_entries(zip, 0);
  if (count < 0 || static_cast<uint64_t>(count) > limits.maxEntries)
    return Status::failure(zipPath, "holds more than " + std::to_string(limits.maxEntries) + " entries");
  std::set<std::string> files, folders;
  uint64_t total = 0;
  int wardrobeFiles = 0;
  for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
    zip_stat_t stat;
    if (zip_stat_index(zip, i, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME) || !(stat.valid & ZIP_STAT_SIZE))
      return Status::failure(zipPath, "entry " + std::to_string(i) + " cannot be read");
    const std::string name = stat.name;
    const std::string what = "entry \"" + name + "\" ";
    if (!isSafeZipEntryName(name))
      return Status::failure(zipPath, what + "names a place outside the folder to restore into");
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(zip, i, 0, &system, &attributes) == 0 && system == ZIP_OPSYS_UNIX) {
      const mode_t type = (attributes >> 16) & S_IFMT;
      if (type == S_IFLNK) return Status::failure(zipPath, what + "is a link");
      if (type != 0 && type != S_IFREG && type != S_IFDIR) return Status::failure(zipPath, what + "is not a file");
    }
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
      return Status::failure(zipPath, what + "is encrypted");
    if ((stat.valid & ZIP_STAT_COMP_METHOD) && !zip_compression_method_supported(stat.comp_method, 0))
      return Status::failure(zipPath, what + "is compressed in a way this program cannot read");
    Entry entry{i, name, name.back() == '/', stat.size, (stat.valid & ZIP_STAT_MTIME) ? stat.mtime : 0};
    if (entry.folder) entry.name.pop_back();
    if (!entry.folder) {
      const uint64_t packed = (stat.valid & ZIP_STAT_COMP_SIZE) ? stat.comp_size : 0;
      if (stat.size >= limits.ratioFloor && stat.size / (packed ? packed : 1) > limits.maxRatio)
        return Status::failure(zipPath, what + "unpacks into more than " + std::to_string(limits.maxRatio) +
                                            " times its packed size");
      total += stat.size;
      if (total > limits.maxTotalBytes)
        return Status::failure(zipPath, "unpacks into more than " + sizeText(limits.maxTotalBytes));
      if (!files.insert(entry.name).second) return Status::failure(zipPath, what + "would overwrite an earlier entry");
      if (entry.name.find('/') == std::string::npos && endsWithTwd(entry.name)) {
        wardrobeName = entry.name;
        ++wardrobeFiles;
      }
    } else {
      folders.insert(entry.name);
    }
    for (size_t slash = entry.name.find('/'); slash != std::string::npos; slash = entry.name.find('/', slash + 1))
      folders.insert(entry.name.substr(0, slash));
    entries.push_back(std::move(entry));
  }
  for (const std::string& folder : folders)
    if (files.count(folder)) return Status::failure(zipPath, "entry \"" + folder + "\" would overwrite a folder");
  if (wardrobeFiles == 0) return Status::failure(zipPath, "holds no wardrobe file");
  if (wardrobeFiles > 1) return Status::failure(zipPath, "holds more than one wardrobe file");
  return {};
}

Status makeFolder(const std::string& root, const std::string& name, std::set<std::string>& made) {
  if (name.empty() || made.count(name)) return {};
  const size_t slash = name.rfind('/');
  if (slash != std::string::npos)
    if (Status parent = makeFolder(root, name.substr(0, slash), made); !parent) return parent;
  const std::string path = root + "/" + name;
  if (::mkdir(path.c_str(), 0777) != 0) return Status::fromErrno(fromUtf8(path));
  made.insert(name);
  return {};
}

Status unpack(zip_t* zip, const std::wstring& zipPath, const Entry& entry, const std::string& root,
              std::vector<char>& buffer) {
  const std::string path = root + "/" + entry.name;
  const std::string what = "entry \"" + entry.name + "\" ";
  zip_file_t* source = zip_fopen_index(zip, entry.index, 0);
  if (!source) return Status::failure(zipPath, what + "cannot be read: " + zip_error_strerror(zip_get_error(zip)));
  // O_EXCL and O_NOFOLLOW: nothing that exists is ever written through.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) {
    zip_fclose(source);
    return Status::fromErrno(fromUtf8(path));
  }
  Status result;
  uint64_t total = 0;
  zip_int64_t n = 0;
  while (result && (n = zip_fread(source, buffer.data(), buffer.size())) > 0) {
    total += static_cast<uint64_t>(n);
    if (total > entry.size) {
      result = Status::failure(zipPath, what + "holds more than it declares");
      break;
    }
    for (zip_int64_t written = 0; written < n;) {
      const ssize_t w = ::write(fd, buffer.data() + written, static_cast<size_t>(n - written));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) {
        result = Status::fromErrno(fromUtf8(path), w < 0 ? errno : ENOSPC);
        break;
      }
      written += w;
    }
  }
  if (result && n < 0)
    result = Status::failure(zipPath, what + "is damaged: " + zip_error_strerror(zip_file_get_error(source)));
  if (zip_fclose(source) != 0 && result) result = Status::failure(zipPath, what + "is damaged");
  if (result && total != entry.size) result = Status::failure(zipPath, what + "holds less than it declares");
  if (result && entry.modified) {
    const timespec times[2] = {{0, UTIME_OMIT}, {entry.modified, 0}};
    ::futimens(fd, times);
  }
  if (::close(fd) != 0 && result) result = Status::fromErrno(fromUtf8(path));
  return result;
}

}  // namespace

ExportResult restoreWardrobe(std::wstring_view zipPath, std::wstring_view folder, const ProgressCallback& callback,
                             std::wstring* wardrobeFile, const RestoreLimits& limits) {
  const std::wstring archivePath(zipPath);
  ZipArchive archive;
  if (!archive.open(toUtf8(archivePath), ZIP_RDONLY | ZIP_CHECKCONS))
    return ExportResult::failure(Status::failure(archivePath, "not a zip archive, or damaged: " + archive.error()));
  std::vector<Entry> entries;
  std::string wardrobeName;
  if (Status safe = inspect(archive.get(), archivePath, limits, entries, wardrobeName); !safe)
    return ExportResult::failure(safe);

  ProgressReporter progress(callback, entries.size());
  StagedOutput output;
  if (Status begun = output.begin(folder, StagedOutput::Kind::Folder); !begun) return ExportResult::failure(begun);
  const std::string root = toUtf8(output.stagingPath());
  std::set<std::string> made;
  std::vector<char> buffer(256 * 1024);
  for (const Entry& entry : entries) {
    const size_t slash = entry.name.rfind('/');
    Status unpacked = makeFolder(root, entry.folder ? entry.name : entry.name.substr(0, slash == std::string::npos ? 0 : slash), made);
    if (unpacked && !entry.folder) unpacked = unpack(archive.get(), archivePath, entry, root, buffer);
    if (!unpacked) return ExportResult::failure(output.atTarget(unpacked));
    if (!progress.advance()) return ExportResult::stopped();
  }

  Wardrobe check;
  if (!readWardrobe(fromUtf8(root + "/" + wardrobeName), check))
    return ExportResult::failure(Status::failure(archivePath, "its wardrobe file \"" + wardrobeName + "\" is not a wardrobe, or damaged"));
  if (Status committed = output.commit(); !committed) return ExportResult::failure(committed);
  if (wardrobeFile) *wardrobeFile = joinLexical(output.target(), fromUtf8(wardrobeName));
  return {};
}

}  // namespace tavoro
