// An export's output that appears whole or not at all: it is written under a
// temporary name beside the target and renamed to the target only by
// commit(), which never replaces anything; without a commit the temporary
// file or folder is deleted. Not thread-safe: one owner.
#pragma once

#include <string>
#include <string_view>

#include "platform/Status.h"

namespace tavoro {

class StagedOutput {
 public:
  enum class Kind { File, Folder };

  StagedOutput() = default;
  ~StagedOutput();
  StagedOutput(const StagedOutput&) = delete;
  StagedOutput& operator=(const StagedOutput&) = delete;

  // Makes the temporary file or folder (private to the user) beside target.
  // Fails when target exists already, its folder does not exist, or the
  // temporary cannot be made.
  Status begin(std::wstring_view target, Kind kind);
  // What to write to: the temporary file or folder.
  const std::wstring& stagingPath() const { return m_staging; }
  const std::wstring& target() const { return m_target; }

  // Flushes the output to disk and renames it to the target, which must
  // still not exist. On failure the temporary is deleted.
  Status commit();
  // A failure inside the temporary told as a failure at the target, whose
  // name the user knows (the temporary is gone by then).
  Status atTarget(Status status) const;
  // Deletes the temporary now (also done by the destructor).
  void discard();

 private:
  std::wstring m_target;
  std::wstring m_staging;
  Kind m_kind = Kind::File;
};

// Renames from to to when nothing is at to; never replaces anything.
Status renameNoReplace(std::wstring_view from, std::wstring_view to);

}  // namespace tavoro
