// Settings.xml: reading it into AppSettings and writing it back.
#include <algorithm>
#include <cstdint>

#include "AppSettings.h"
#include "platform/AppPaths.h"
#include "wardrobe/XmlDocument.h"

namespace tavoro {

namespace {

constexpr const char* kRoot = "TavoroSettings";
constexpr const wchar_t* kVersionValue = L"1.0";

// Stored numbers may be anything; sums and differences stay within 32 bits.
int32_t saturated(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

void readList(XmlElement list, const char* childName, const char* attribute, std::vector<std::wstring>& out) {
  for (XmlElement child = list.firstChild(childName); child; child = child.nextSibling()) {
    std::wstring text;
    if (child.nameIs(childName) && child.getText(attribute, text)) out.push_back(std::move(text));
  }
}

void writeList(XmlElement parent, const char* listName, const char* childName, const char* attribute,
               const std::vector<std::wstring>& entries) {
  XmlElement list = parent.appendChild(listName);
  for (const std::wstring& entry : entries) list.appendChild(childName).setText(attribute, entry);
}

}  // namespace

bool AppSettings::load(const Rect& workArea) {
  return loadFrom(filePath(), workArea);
}

bool AppSettings::loadFrom(std::wstring_view path, const Rect& workArea) {
  XmlDocument document;
  if (!document.load(path)) return false;
  const XmlElement root = document.root();
  std::wstring version;
  std::wstring xmlns;
  if (!root.nameIs(kRoot) || !root.getText("version", version) || version != kVersionValue ||
      !root.getText("xmlns", xmlns) || xmlns != kSettingsNamespace)
    return false;

  // The lists are the file's alone: a second load must not append to them.
  recentFiles.clear();
  mruSearches.clear();
  allSearches.clear();
  // Options and Info hold nothing that is read.
  const XmlElement states = root.firstChild("States");
  for (XmlElement state = states.firstChild(); state; state = state.nextSibling()) {
    if (state.nameIs("Application")) {
      int32_t value = 0;
      if (state.getInt("debut", value)) debut = value != 0;
      std::wstring folder;
      if (state.getText("wardrobe_folder", folder)) wardrobeFolder = std::move(folder);
      if (state.getInt("next_wardrobe_id", value)) nextWardrobeId = std::max(value, 1);
      if (state.getInt("last_wardrobe_active", value)) lastWardrobeActive = value != 0;
      if (state.getInt("load_last_wardrobe", value)) loadLastWardrobe = value != 0;
      if (state.getInt("auto_suggest", value)) autoSuggest = value != 0;
    } else if (state.nameIs("MainFrame")) {
      int32_t x = 0, y = 0, width = 920, height = 640, isMaximized = 0, tab = 0, left = 0, mid = 0;
      state.getInt("x", x);
      state.getInt("y", y);
      state.getInt("width", width);
      state.getInt("height", height);
      state.getInt("maximized", isMaximized);
      state.getInt("active_tab", tab);
      state.getInt("left_pane_width", left);
      state.getInt("mid_pane_width", mid);
      frameRect = fitToWorkArea(Rect{x, y, saturated(int64_t{x} + width), saturated(int64_t{y} + height)}, workArea);
      maximized = isMaximized != 0;
      leftPaneWidth = std::max(left, 0);
      midPaneWidth = std::max(mid, 0);
      activeTab = std::clamp(tab, 0, 1);
    } else if (state.nameIs("RecentFiles")) {
      readList(state, "File", "path", recentFiles);
    } else if (state.nameIs("MRUSearches")) {
      readList(state, "Search", "text", mruSearches);
    } else if (state.nameIs("AllSearches")) {
      readList(state, "Search", "text", allSearches);
    }
  }
  return true;
}

bool AppSettings::save() const {
  if (!ensureDataFolder()) return false;
  return saveTo(filePath());
}

bool AppSettings::saveTo(std::wstring_view path) const {
  XmlDocument document;
  XmlElement root = document.createWithRoot(kRoot);
  root.setText("version", kVersionValue);
  root.setText("xmlns", kSettingsNamespace);
  root.appendChild("Options");

  XmlElement states = root.appendChild("States");
  XmlElement application = states.appendChild("Application");
  application.setInt("debut", 0);  // a saved file ends the first run for good
  application.setText("wardrobe_folder", wardrobeFolder);
  application.setInt("next_wardrobe_id", nextWardrobeId);
  application.setInt("last_wardrobe_active", lastWardrobeActive ? 1 : 0);
  application.setInt("load_last_wardrobe", loadLastWardrobe ? 1 : 0);
  application.setInt("auto_suggest", autoSuggest ? 1 : 0);

  XmlElement frame = states.appendChild("MainFrame");
  frame.setInt("x", frameRect.left);
  frame.setInt("y", frameRect.top);
  frame.setInt("width", saturated(int64_t{frameRect.right} - frameRect.left));
  frame.setInt("height", saturated(int64_t{frameRect.bottom} - frameRect.top));
  frame.setInt("maximized", maximized ? 1 : 0);
  frame.setInt("active_tab", activeTab);
  frame.setInt("left_pane_width", leftPaneWidth);
  frame.setInt("mid_pane_width", midPaneWidth);

  writeList(states, "RecentFiles", "File", "path", recentFiles);
  writeList(states, "MRUSearches", "Search", "text", mruSearches);
  writeList(states, "AllSearches", "Search", "text", allSearches);
  root.appendChild("Info");
  return document.save(path);
}

}  // namespace tavoro
