#include "AppFolders.h"

#include "platform/AppPaths.h"

namespace tavoro {

void setUpFolders(const std::function<void(const std::wstring& text)>& inform) {
  // A copy that is not installed keeps its data beside itself: nothing to make.
  if (AppPaths::isInstalled() && !ensureDataFolder()) inform(kDataFolderFailedText);
  if (!ensureTempFolder()) inform(kTempFolderFailedText);
}

}  // namespace tavoro
