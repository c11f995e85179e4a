// Where an export or a backup writes once the user has named its target in a
// save dialog: the target itself, or, when the dialog was told to replace an
// existing file, a free name beside that file, renamed over it only once
// everything was written, so that a failed or cancelled export leaves the old
// file as it was. Also where the next save dialog starts. User-interface
// thread only.
#pragma once

#include <string>

#include "platform/Status.h"

namespace tavoro::ui {

class ExportTarget {
 public:
  explicit ExportTarget(std::wstring chosen);

  const std::wstring& chosen() const { return m_chosen; }
  // Where the export writes (a path that does not exist).
  const std::wstring& writePath() const { return m_writePath; }
  // After a successful export: puts what was written in place of the chosen
  // file. On failure, what was written is deleted and the old file stays.
  Status commit();

 private:
  std::wstring m_chosen;
  std::wstring m_writePath;
};

// Where a save dialog for an export suggests name: in the folder of the last
// target chosen in this run, else in the documents folder. Characters that
// cannot be in a file name ("/") become "-".
std::wstring suggestedExportPath(const std::wstring& name);
// Remembers the folder of a chosen target for the next suggestion.
void rememberExportFolder(const std::wstring& target);

}  // namespace tavoro::ui
