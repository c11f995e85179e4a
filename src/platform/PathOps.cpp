#include "PathOps.h"

#include <unistd.h>

#include <vector>

#include "CharClass.h"
#include "FileSystem.h"
#include "Utf8.h"

namespace tavoro {

namespace {

std::wstring withFolderSlash(std::wstring_view path) {
  std::wstring p(path);
  if (!p.empty() && p.back() != L'/' && isFolder(p)) p.push_back(L'/');
  return p;
}

std::wstring lexicalNormal(std::wstring_view p) {
  if (p.empty()) return {};
  std::wstring prefix;
  size_t i = 0;
  if (p.size() >= 2 && p[0] == L'/' && p[1] == L'/') {
    prefix = L"//";
    i = 2;
  } else if (p[0] == L'/') {
    prefix = L"/";
    i = 1;
  }
  const bool absolute = !prefix.empty();
  std::vector<std::wstring> parts;
  bool trailing = false;
  while (i < p.size()) {
    size_t end = p.find(L'/', i);
    if (end == std::wstring_view::npos) end = p.size();
    const std::wstring_view part = p.substr(i, end - i);
    trailing = end < p.size();
    i = end + 1;
    if (part.empty() || part == L".") continue;
    if (part == L"..") {
      if (!parts.empty() && parts.back() != L"..") {
        parts.pop_back();
      } else if (!absolute) {
        parts.emplace_back(L"..");
      }
      continue;
    }
    parts.emplace_back(part);
  }
  std::wstring out = prefix;
  for (size_t k = 0; k < parts.size(); ++k) {
    if (k) out.push_back(L'/');
    out += parts[k];
  }
  if (parts.empty()) return absolute ? prefix : std::wstring(trailing ? L"./" : L".");
  if (trailing) out.push_back(L'/');
  return out;
}

size_t lastSlash(std::wstring_view path) {
  return path.rfind(L'/');
}

}  // namespace

std::wstring cleanPath(std::wstring_view path) {
  return withFolderSlash(trimSpace(path));
}

std::wstring normalizePath(std::wstring_view path) {
  return lexicalNormal(withFolderSlash(path));
}

std::wstring lexicalPath(std::wstring_view path) {
  return lexicalNormal(path);
}

namespace {

// True when lexicalNormal would give p back unchanged and p is neither empty
// nor a root nor ".", nor ends with "/".
bool isPlainLexicalPath(std::wstring_view p) {
  size_t i = p.starts_with(L"//") ? 2 : p.starts_with(L"/") ? 1 : 0;
  const bool absolute = i > 0;
  if (i == p.size()) return false;
  bool onlyParents = true;  // every part so far is ".."
  while (i <= p.size()) {
    size_t end = p.find(L'/', i);
    if (end == std::wstring_view::npos) end = p.size();
    const std::wstring_view part = p.substr(i, end - i);
    if (part.empty() || part == L".") return false;
    if (part == L"..") {
      if (absolute || !onlyParents) return false;
    } else {
      onlyParents = false;
    }
    i = end + 1;
  }
  return true;
}

bool isPlainName(std::wstring_view name) {
  return !name.empty() && name != L"." && name != L".." && name.find(L'/') == std::wstring_view::npos;
}

}  // namespace

std::wstring joinLexical(std::wstring_view folder, std::wstring_view name) {
  std::wstring_view base = folder;
  if (base.size() > 1 && base.back() == L'/') base.remove_suffix(1);
  if (!isPlainName(name) || !isPlainLexicalPath(base))
    return lexicalPath(std::wstring(folder) + L"/" + std::wstring(name));
  std::wstring joined;
  joined.reserve(base.size() + 1 + name.size());
  joined.append(base).push_back(L'/');
  joined.append(name);
  return joined;
}

std::wstring joinPath(std::wstring_view base, std::wstring_view path) {
  if (!path.empty() && path[0] == L'/') return std::wstring(path);
  if (base.empty()) return normalizePath(path);
  std::wstring joined(base);
  if (joined.back() != L'/') joined.push_back(L'/');
  joined += path;
  return normalizePath(joined);
}

bool samePath(std::wstring_view a, std::wstring_view b) {
  return normalizePath(a) == normalizePath(b);
}

std::wstring absolutePath(std::wstring_view path) {
  if (!path.empty() && path[0] == L'/') return lexicalNormal(path);
  std::string cwd(4096, '\0');
  while (!::getcwd(cwd.data(), cwd.size())) {
    if (cwd.size() > (1u << 20)) return lexicalNormal(path);
    cwd.resize(cwd.size() * 2);
  }
  cwd.resize(cwd.find('\0'));
  std::wstring joined = fromUtf8(cwd);
  joined.push_back(L'/');
  joined += path;
  return lexicalNormal(joined);
}

std::wstring pathFileName(std::wstring_view path) {
  const size_t slash = lastSlash(path);
  return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

std::wstring pathFolder(std::wstring_view path) {
  const size_t slash = lastSlash(path);
  if (slash == std::wstring_view::npos) return {};
  if (slash == 0) return L"/";
  return std::wstring(path.substr(0, slash));
}

std::wstring pathStem(std::wstring_view path) {
  std::wstring name = pathFileName(path);
  const size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return name;
}

std::wstring pathExtension(std::wstring_view path) {
  const std::wstring name = pathFileName(path);
  const size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? std::wstring() : name.substr(dot + 1);
}

}  // namespace tavoro
