// The settings reader on any bytes: it must neither crash nor hang, and what
// it accepts must save and load back unchanged.
#include <cstdint>
#include <cstdlib>

#include "FuzzScratch.h"
#include "settings/AppSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tavoro;
  const Rect workArea{0, 0, 1920, 1080};
  AppSettings settings;
  if (!settings.loadFrom(fuzz::scratchFile(L"Settings.xml", data, size), workArea)) return 0;
  const std::wstring saved = fuzz::scratchFolder() + L"/saved.xml";
  if (!settings.saveTo(saved)) abort();
  AppSettings reloaded;
  if (!reloaded.loadFrom(saved, workArea)) abort();
  if (reloaded.recentFiles != settings.recentFiles || reloaded.mruSearches != settings.mruSearches ||
      reloaded.allSearches != settings.allSearches || reloaded.wardrobeFolder != settings.wardrobeFolder ||
      reloaded.nextWardrobeId != settings.nextWardrobeId || reloaded.frameRect != settings.frameRect ||
      reloaded.activeTab != settings.activeTab || reloaded.leftPaneWidth != settings.leftPaneWidth ||
      reloaded.midPaneWidth != settings.midPaneWidth || reloaded.maximized != settings.maximized ||
      reloaded.lastWardrobeActive != settings.lastWardrobeActive ||
      reloaded.loadLastWardrobe != settings.loadLastWardrobe || reloaded.autoSuggest != settings.autoSuggest ||
      reloaded.debut)
    abort();
  return 0;
}
