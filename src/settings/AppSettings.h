// The program's per-user state between runs (Settings.xml in the data folder)
// and the one process-wide object that holds it while the program runs.
// Used from the user-interface thread only; no lock.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"

namespace tavoro {

class AppSettings {
 public:
  // The one object of the process, made with the defaults on first use.
  static AppSettings& settings();

  AppSettings();  // the defaults of a first run

  bool debut = true;
  std::wstring wardrobeFolder;  // default: documents folder + "/My Wardrobes"
  int32_t nextWardrobeId = 1;
  bool lastWardrobeActive = false;
  bool loadLastWardrobe = true;
  bool autoSuggest = true;
  Rect frameRect{0, 0, 920, 640};
  bool maximized = false;
  int32_t leftPaneWidth = 0;
  int32_t midPaneWidth = 0;
  int activeTab = 0;  // 0 home page, 1 wardrobe page
  std::vector<std::wstring> recentFiles;
  std::vector<std::wstring> mruSearches;
  std::vector<std::wstring> allSearches;

  // The data folder, "/" and "Settings.xml".
  static std::wstring filePath();

  // Reads the file into this object; false (every field left at its
  // default) when the file is missing, malformed or not ours. workArea is the
  // primary screen's available area, used to bring the window back on screen.
  bool load(const Rect& workArea);
  bool loadFrom(std::wstring_view path, const Rect& workArea);
  // Makes the data folder when missing and writes the file atomically; false
  // when nothing could be written (the previous file stays whole).
  bool save() const;
  bool saveTo(std::wstring_view path) const;

  // The placement check of load(): an empty rect becomes 920 x 640; a rect
  // larger than the work area is cut to its size; a rect whose top-left
  // corner lies outside the work area is centred on it.
  static Rect fitToWorkArea(Rect rect, const Rect& workArea);
};

// The settings namespace; files are accepted only when it matches exactly.
inline constexpr const wchar_t* kSettingsNamespace = L"http://www.tavoro.example/xmlns/settings";

}  // namespace tavoro
