#include "ui/export/ExportTarget.h"

#include <unistd.h>

#include <cstdio>

#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"

namespace tavoro::ui {

namespace {

std::wstring& lastFolder() {
  static std::wstring folder;
  return folder;
}

}  // namespace

ExportTarget::ExportTarget(std::wstring chosen) : m_chosen(std::move(chosen)), m_writePath(m_chosen) {
  if (!isFile(m_chosen)) return;
  // A hidden name beside the file; the export refuses it should it be taken
  // after all, so that nothing is ever written over.
  const std::wstring base = joinLexical(pathFolder(m_chosen), L"." + pathFileName(m_chosen) + L".tavoro-new-" +
                                                                  std::to_wstring(::getpid()));
  m_writePath = base;
  for (int n = 2; pathExists(m_writePath); ++n) m_writePath = base + L"-" + std::to_wstring(n);
}

Status ExportTarget::commit() {
  if (m_writePath == m_chosen) return {};
  if (std::rename(toUtf8(m_writePath).c_str(), toUtf8(m_chosen).c_str()) == 0) return {};
  const Status failed = Status::fromErrno(m_chosen);
  removeFile(m_writePath);
  return failed;
}

std::wstring suggestedExportPath(const std::wstring& name) {
  std::wstring fileName = name;
  for (wchar_t& c : fileName)
    if (c == L'/') c = L'-';
  const std::wstring folder = !lastFolder().empty() && isFolder(lastFolder()) ? lastFolder() : AppPaths::documentsFolder();
  return joinLexical(folder, fileName);
}

void rememberExportFolder(const std::wstring& target) { lastFolder() = pathFolder(target); }

}  // namespace tavoro::ui
