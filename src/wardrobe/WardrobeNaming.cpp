#include "WardrobeNaming.h"

#include "Wardrobe.h"
#include "platform/AppPaths.h"
#include "platform/CharClass.h"
#include "platform/DecimalText.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Utf16.h"
#include "platform/Utf8.h"

namespace tavoro {

namespace {

constexpr std::wstring_view kDefaultBase = L"My Wardrobe";
constexpr std::wstring_view kForbidden = L"\\/:*?\"<>|\t\r\n";
// The longest file name the file system takes, in bytes.
constexpr size_t kMaxFileNameBytes = 255;

bool isValidName(std::wstring_view name) {
  if (!isPrintableName(name) || utf16Length(name) >= 260) return false;
  for (wchar_t c : name)
    if (kForbidden.find(c) != std::wstring_view::npos) return false;
  // The wardrobe file is "<name>.twd" inside a folder "<name>": a name the
  // file system cannot hold would make a wardrobe that can never be saved.
  return toUtf8(name).size() + std::wstring_view(Wardrobe::kFileExtension).size() <= kMaxFileNameBytes;
}

}  // namespace

// Everything not refused here is printable, new emoji included.
bool isPrintableNameChar(wchar_t c) {
  const auto u = static_cast<char32_t>(c);
  if (u < 0x20 || (u >= 0x7F && u <= 0x9F)) return false;
  if (u == 0x2028 || u == 0x2029) return false;
  if (u >= 0xD800 && u <= 0xDFFF) return false;
  if ((u & 0xFFFE) == 0xFFFE || (u >= 0xFDD0 && u <= 0xFDEF)) return false;
  return u <= 0x10FFFF;
}

bool isPrintableName(std::wstring_view name) {
  if (name.empty()) return false;
  for (wchar_t c : name)
    if (!isPrintableNameChar(c)) return false;
  return true;
}

std::wstring invalidNameMessage(NameKind kind) {
  const wchar_t* what = kind == NameKind::Collection    ? L"collection"
                        : kind == NameKind::Tag         ? L"tag"
                        : kind == NameKind::Combination ? L"combination"
                                                        : L"item";
  return std::wstring(L"Invalid ") + what + L" name. Please try another name.";
}

std::wstring defaultWardrobeName(int32_t n) {
  if (n <= 1) return std::wstring(kDefaultBase);
  return std::wstring(kDefaultBase) + L" " + std::to_wstring(n);
}

int32_t nextWardrobeIdAfterAccept(std::wstring_view name, int32_t nextWardrobeId) {
  // "My Wardrobe <digits>" as a whole.
  const std::wstring prefix = std::wstring(kDefaultBase) + L" ";
  if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) return nextWardrobeId;
  const std::wstring_view digits = name.substr(prefix.size());
  for (wchar_t c : digits)
    if (c < L'0' || c > L'9') return nextWardrobeId;
  int32_t m = 0;
  if (!parseDecimalInt(digits, m) || m < nextWardrobeId) return nextWardrobeId;
  return m == INT32_MAX ? INT32_MAX : m + 1;
}

int32_t nextWardrobeIdAfterCancel(int32_t nextWardrobeId) {
  return nextWardrobeId > 2 ? nextWardrobeId - 1 : 1;
}

namespace {

// The folder as typed, unless it is "~" or starts with "~/" (the home
// folder, as in a shell) or is relative (to the current folder): the new
// wardrobe's path must mean the same whichever folder the program runs in.
std::wstring absoluteFolder(std::wstring folder) {
  if (folder == L"~" || folder.starts_with(L"~/")) {
    const std::wstring home = AppPaths::homeFolder();
    if (!home.empty()) folder = home + folder.substr(1);
  }
  return folder.empty() || folder[0] == L'/' ? folder : absolutePath(folder);
}

}  // namespace

NewWardrobeCheck checkNewWardrobe(std::wstring_view name, std::wstring_view folder) {
  NewWardrobeCheck check;
  check.name = trimSpace(name);
  check.folder = absoluteFolder(trimSpace(folder));

  if (!isValidName(check.name)) {
    check.problem = NewWardrobeProblem::InvalidName;
    check.message = L"Invalid wardrobe name: " + check.name +
                    L"\n\nHint: a wardrobe name cannot contain any of the following charactes:\n\t\\ / : * ? \" < > |";
    return check;
  }
  createFolders(check.folder);  // whether it worked shows in the next test
  if (!isFolder(check.folder)) {
    check.problem = NewWardrobeProblem::InvalidFolder;
    check.message = L"Invalid folder: \"" + check.folder + L"\"\n\nPlease specify another location.";
    return check;
  }
  check.path = normalizePath(check.folder + L"/" + check.name);
  if (pathExists(check.path)) {
    check.problem = NewWardrobeProblem::AlreadyExists;
    check.message =
        L"A wardrobe with the specified name already exists on disk in the specified location.\n\n"
        L"Please enter a new wardrobe name or choose another folder.";
  }
  return check;
}

}  // namespace tavoro
