#include "AppPaths.h"

#include <fnmatch.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <mutex>
#include <vector>

#include "FileSystem.h"
#include "PathOps.h"
#include "Utf8.h"
#include "Version.h"

namespace tavoro {

namespace {

std::wstring& programFolderOverride() {
  static std::wstring folder;
  return folder;
}

// The private temporary folder made for this run, when the usual one failed
// its check; guarded by runFolderMutex().
std::wstring& runFolder() {
  static std::wstring folder;
  return folder;
}
std::mutex& runFolderMutex() {
  static std::mutex mutex;
  return mutex;
}

std::wstring usualTempFolder();

std::wstring environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? fromUtf8(value) : std::wstring();
}

std::wstring configHome() {
  std::wstring config = environment("XDG_CONFIG_HOME");
  if (!config.empty() && config[0] == L'/') return config;
  const std::wstring home = AppPaths::homeFolder();
  return home.empty() ? std::wstring() : home + L"/.config";
}

// The folder named by XDG_DOCUMENTS_DIR in user-dirs.dirs ("$HOME/..." or an
// absolute path), or empty text.
std::wstring xdgDocumentsFolder(const std::wstring& home) {
  const std::wstring config = configHome();
  if (config.empty()) return {};
  std::ifstream file(toUtf8(config + L"/user-dirs.dirs"));
  std::string line;
  while (std::getline(file, line)) {
    const std::string key = "XDG_DOCUMENTS_DIR=";
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    std::wstring folder = fromUtf8(value);
    if (folder.rfind(L"$HOME", 0) == 0) folder = home + folder.substr(5);
    if (!folder.empty() && folder[0] == L'/') return folder;
  }
  return {};
}

// One of our own private folders: made 0700 when missing; refused when it is
// a link, not a folder, or another user's; narrowed to 0700 when it is wider.
bool makePrivateFolder(const std::wstring& path) {
  const std::string p = toUtf8(path);
  ::mkdir(p.c_str(), 0700);
  struct stat st {};
  if (::lstat(p.c_str(), &st) != 0) return false;
  if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) return false;
  if ((st.st_mode & 077) != 0 && ::chmod(p.c_str(), 0700) != 0) return false;
  return true;
}

}  // namespace

std::wstring AppPaths::programFolder() {
  if (!programFolderOverride().empty()) return programFolderOverride();
  std::vector<char> buffer(4096);
  for (;;) {
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return {};
    if (static_cast<size_t>(n) < buffer.size()) return pathFolder(fromUtf8(std::string(buffer.data(), n)));
    if (buffer.size() > (1u << 20)) return {};
    buffer.resize(buffer.size() * 2);
  }
}

bool AppPaths::isInstalled() {
  const std::wstring folder = programFolder();
  if (folder.empty()) return false;
  std::vector<FolderEntry> entries;
  if (listFolder(folder, entries)) {
    for (const FolderEntry& entry : entries) {
      if (::fnmatch("unins???.dat", toUtf8(entry.name).c_str(), 0) == 0) return true;
    }
  }
  return ::access(toUtf8(folder).c_str(), W_OK) != 0;
}

std::wstring AppPaths::productName() { return versionString(L"ProductName"); }

std::wstring AppPaths::versionString(std::wstring_view key) {
  if (key == L"ProductName") return TAVORO_PRODUCT_NAME;
  if (key == L"ProductVersion" || key == L"FileVersion") return TAVORO_PRODUCT_VERSION;
  if (key == L"CompanyName") return TAVORO_COMPANY_NAME;
  if (key == L"FileDescription") return L"Tavoro Wardrobe Manager";
  return {};
}

std::wstring AppPaths::dataFolder() {
  if (!isInstalled()) return programFolder();
  const std::wstring config = configHome();
  if (config.empty()) return normalizePath(programFolder() + L"/Data/");
  return normalizePath(config + L"/" TAVORO_COMPANY_NAME L"/" + productName());
}

std::wstring AppPaths::tempFolder() {
  {
    std::lock_guard lock(runFolderMutex());
    if (!runFolder().empty()) return runFolder();
  }
  return usualTempFolder();
}

namespace {

std::wstring usualTempFolder() {
  const std::wstring runtime = environment("XDG_RUNTIME_DIR");
  if (!runtime.empty() && runtime[0] == L'/' && isFolder(runtime)) {
    return normalizePath(runtime + L"/" TAVORO_COMPANY_NAME L"/" + AppPaths::productName());
  }
  std::wstring base = environment("TMPDIR");
  if (base.empty() || base[0] != L'/') base = L"/tmp";
  return normalizePath(base + L"/" TAVORO_COMPANY_NAME L"-" + std::to_wstring(::getuid()) + L"/" +
                       AppPaths::productName());
}

bool makeUsualTempFolder() {
  std::wstring folder = usualTempFolder();
  while (!folder.empty() && folder.back() == L'/') folder.pop_back();
  if (folder.empty()) return false;
  // The product folder and the company folder above it are ours; whatever
  // lies above them (the runtime or temporary folder) must exist already.
  const std::wstring company = pathFolder(folder);
  const std::wstring base = pathFolder(company);
  if (!isFolder(base)) return false;
  return makePrivateFolder(company) && makePrivateFolder(folder);
}

// A new folder that nobody else can have made or entered: mkdtemp's name is
// unpredictable, created exclusively, with mode 0700.
std::wstring makeFreshPrivateFolder() {
  std::vector<std::wstring> bases;
  if (const std::wstring tmp = environment("TMPDIR"); !tmp.empty() && tmp[0] == L'/') bases.push_back(tmp);
  bases.push_back(L"/tmp");
  for (const std::wstring& base : bases) {
    std::string name =
        toUtf8(base) + "/" + toUtf8(TAVORO_COMPANY_NAME) + "-" + toUtf8(AppPaths::productName()) + "-XXXXXX";
    if (::mkdtemp(name.data())) return normalizePath(fromUtf8(name));
  }
  return {};
}

}  // namespace

std::wstring AppPaths::helpFile() { return programFolder() + L"/Help.html"; }

std::wstring AppPaths::homeFolder() {
  std::wstring home = environment("HOME");
  if (!home.empty()) return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return fromUtf8(pw->pw_dir);
  return {};
}

std::wstring AppPaths::documentsFolder() {
  const std::wstring home = homeFolder();
  if (std::wstring xdg = xdgDocumentsFolder(home); !xdg.empty() && isFolder(xdg)) return normalizePath(xdg);
  if (!home.empty() && isFolder(home + L"/Documents")) return normalizePath(home + L"/Documents");
  return home.empty() ? std::wstring() : normalizePath(home);
}

void AppPaths::setProgramFolderForTesting(std::wstring_view folder) { programFolderOverride() = folder; }

bool ensureDataFolder() {
  const std::wstring folder = AppPaths::dataFolder();
  return !folder.empty() && createFolders(folder);
}

TempFolderSetUp ensureTempFolder() {
  std::lock_guard lock(runFolderMutex());
  if (!runFolder().empty()) return TempFolderSetUp::PrivateForThisRun;
  if (makeUsualTempFolder()) return TempFolderSetUp::Usual;
  // Never the folder that failed: another user could learn the paths opened
  // there, or hold the lock file and keep the program from starting.
  runFolder() = makeFreshPrivateFolder();
  return runFolder().empty() ? TempFolderSetUp::Failed : TempFolderSetUp::PrivateForThisRun;
}

void removeRunTempFolder() {
  std::lock_guard lock(runFolderMutex());
  if (runFolder().empty()) return;
  removeTree(runFolder());
  runFolder().clear();
}

}  // namespace tavoro
