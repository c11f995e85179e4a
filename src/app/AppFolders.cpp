#include "AppFolders.h"

#include "platform/AppPaths.h"

namespace tavoro {

bool setUpFolders(const std::function<void(const std::wstring& text)>& inform) {
  // A copy that is not installed keeps its data beside itself: nothing to make.
  if (AppPaths::isInstalled() && !ensureDataFolder()) inform(kDataFolderFailedText);
  const TempFolderSetUp temp = ensureTempFolder();
  if (temp != TempFolderSetUp::Usual) inform(kTempFolderFailedText);
  return temp != TempFolderSetUp::Failed;
}

}  // namespace tavoro
