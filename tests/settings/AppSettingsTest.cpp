#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "TestFiles.h"
#include "settings/AppSettings.h"
#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

const Rect kWorkArea{0, 0, 1600, 900};
const std::string kHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
    "<TavoroSettings version=\"1.0\" xmlns=\"http://www.tavoro.example/xmlns/settings\">";

std::string settingsText(const std::string& states) {
  return kHead + "<States>" + states + "</States></TavoroSettings>";
}

// Loads text into fresh settings; the result of load() in loaded.
AppSettings loadText(const std::string& text, bool& loaded, const Rect& workArea = kWorkArea) {
  TempDir dir;
  writeFile(dir / L"Settings.xml", text);
  AppSettings settings;
  loaded = settings.loadFrom(dir / L"Settings.xml", workArea);
  return settings;
}

AppSettings loadStates(const std::string& states) {
  bool loaded = false;
  AppSettings settings = loadText(settingsText(states), loaded);
  EXPECT_TRUE(loaded);
  return settings;
}

TEST(AppSettingsTest, DefaultsAreThoseOfAFirstRun) {
  const AppSettings settings;
  EXPECT_TRUE(settings.debut);
  EXPECT_EQ(settings.wardrobeFolder, normalizePath(AppPaths::documentsFolder() + L"/My Wardrobes"));
  EXPECT_EQ(settings.nextWardrobeId, 1);
  EXPECT_FALSE(settings.lastWardrobeActive);
  EXPECT_TRUE(settings.loadLastWardrobe);
  EXPECT_TRUE(settings.autoSuggest);
  EXPECT_EQ(settings.frameRect, (Rect{0, 0, 920, 640}));
  EXPECT_FALSE(settings.maximized);
  EXPECT_EQ(settings.leftPaneWidth, 0);
  EXPECT_EQ(settings.midPaneWidth, 0);
  EXPECT_EQ(settings.activeTab, 0);
  EXPECT_TRUE(settings.recentFiles.empty() && settings.mruSearches.empty() && settings.allSearches.empty());
  EXPECT_EQ(&AppSettings::settings(), &AppSettings::settings());
}

TEST(AppSettingsTest, WritesTheDocumentedLayout) {
  TempDir dir;
  AppSettings settings;
  settings.wardrobeFolder = L"/home/u/W & \"co\"";
  settings.nextWardrobeId = 4;
  settings.lastWardrobeActive = true;
  settings.autoSuggest = false;
  settings.frameRect = Rect{10, 20, 910, 720};
  settings.maximized = true;
  settings.activeTab = 1;
  settings.leftPaneWidth = 200;
  settings.midPaneWidth = 300;
  settings.recentFiles = {L"/a.twd"};
  settings.allSearches = {L"red"};
  ASSERT_TRUE(settings.saveTo(dir / L"Settings.xml"));
  EXPECT_EQ(readFile(dir / L"Settings.xml"),
            kHead +
                "\n"
                "    <Options />\n"
                "    <States>\n"
                "        <Application debut=\"0\" wardrobe_folder='/home/u/W &amp; &quot;co&quot;' "
                "next_wardrobe_id=\"4\" last_wardrobe_active=\"1\" load_last_wardrobe=\"1\" auto_suggest=\"0\" />\n"
                "        <MainFrame x=\"10\" y=\"20\" width=\"900\" height=\"700\" maximized=\"1\" active_tab=\"1\" "
                "left_pane_width=\"200\" mid_pane_width=\"300\" />\n"
                "        <RecentFiles>\n"
                "            <File path=\"/a.twd\" />\n"
                "        </RecentFiles>\n"
                "        <MRUSearches />\n"
                "        <AllSearches>\n"
                "            <Search text=\"red\" />\n"
                "        </AllSearches>\n"
                "    </States>\n"
                "    <Info />\n"
                "</TavoroSettings>\n");
}

TEST(AppSettingsTest, ASavedFileEndsTheFirstRunAndKeepsEverything) {
  TempDir dir;
  AppSettings first;
  first.recentFiles = {L"/w/\u6D77.twd", L"/w/b.twd", L"/w/b.twd", L"/w/a & <b>.twd"};
  first.mruSearches = {L"colour:red", L"\U0001F455 size:L", L"  spaced  "};
  first.allSearches = {L"z", L"a", L"m"};
  first.nextWardrobeId = 9;
  first.loadLastWardrobe = false;
  first.frameRect = Rect{-5, 3, 800, 600};
  ASSERT_TRUE(first.saveTo(dir / L"Settings.xml"));

  AppSettings second;
  ASSERT_TRUE(second.loadFrom(dir / L"Settings.xml", Rect{-100, 0, 1500, 900}));
  EXPECT_FALSE(second.debut);
  EXPECT_EQ(second.recentFiles, first.recentFiles);
  EXPECT_EQ(second.mruSearches, first.mruSearches);
  EXPECT_EQ(second.allSearches, first.allSearches);
  EXPECT_EQ(second.wardrobeFolder, first.wardrobeFolder);
  EXPECT_EQ(second.nextWardrobeId, 9);
  EXPECT_FALSE(second.loadLastWardrobe);
  EXPECT_EQ(second.frameRect, first.frameRect);

  // Loading again gives the file's lists, not the file's lists twice.
  ASSERT_TRUE(second.loadFrom(dir / L"Settings.xml", Rect{-100, 0, 1500, 900}));
  EXPECT_EQ(second.recentFiles, first.recentFiles);
  EXPECT_EQ(second.mruSearches, first.mruSearches);
  EXPECT_EQ(second.allSearches, first.allSearches);
}

TEST(AppSettingsTest, EachAttributeIsCheckedOnItsOwn) {
  struct Case {
    const char* what;
    std::string states;
    std::function<void(const AppSettings&)> check;
  };
  const std::vector<Case> cases = {
      {"next_wardrobe_id of 0 loads as 1", "<Application next_wardrobe_id=\"0\"/>",
       [](const AppSettings& s) { EXPECT_EQ(s.nextWardrobeId, 1); }},
      {"a negative next_wardrobe_id loads as 1", "<Application next_wardrobe_id=\"-5\"/>",
       [](const AppSettings& s) { EXPECT_EQ(s.nextWardrobeId, 1); }},
      {"booleans: anything but 0 is true",
       "<Application debut=\"0\" last_wardrobe_active=\"7\" load_last_wardrobe=\"0\" auto_suggest=\"-1\"/>",
       [](const AppSettings& s) {
         EXPECT_FALSE(s.debut);
         EXPECT_TRUE(s.lastWardrobeActive);
         EXPECT_FALSE(s.loadLastWardrobe);
         EXPECT_TRUE(s.autoSuggest);
       }},
      {"a bad attribute changes only its own field",
       "<Application debut=\"x\" next_wardrobe_id=\"12\" auto_suggest=\"\" wardrobe_folder=\"\"/>",
       [](const AppSettings& s) {
         EXPECT_TRUE(s.debut);
         EXPECT_EQ(s.nextWardrobeId, 12);
         EXPECT_TRUE(s.autoSuggest);
         EXPECT_EQ(s.wardrobeFolder, AppSettings().wardrobeFolder);
       }},
      {"active_tab is clamped", "<MainFrame active_tab=\"7\"/>",
       [](const AppSettings& s) { EXPECT_EQ(s.activeTab, 1); }},
      {"a negative active_tab is 0", "<MainFrame active_tab=\"-3\"/>",
       [](const AppSettings& s) { EXPECT_EQ(s.activeTab, 0); }},
      {"negative pane widths are 0", "<MainFrame left_pane_width=\"-1\" mid_pane_width=\"-9\" maximized=\"2\"/>",
       [](const AppSettings& s) {
         EXPECT_EQ(s.leftPaneWidth, 0);
         EXPECT_EQ(s.midPaneWidth, 0);
         EXPECT_TRUE(s.maximized);
       }},
      {"an empty window is 920 x 640, centred", "<MainFrame x=\"100\" y=\"100\" width=\"0\" height=\"0\"/>",
       [](const AppSettings& s) {
         EXPECT_EQ(s.frameRect, (Rect{340, 130, 1260, 770}));
       }},
      {"a window wider than the work area is cut to it", "<MainFrame x=\"10\" y=\"10\" width=\"5000\" height=\"500\"/>",
       [](const AppSettings& s) {
         EXPECT_EQ(s.frameRect, (Rect{10, 10, 1610, 510}));
       }},
      {"a window off screen comes back centred", "<MainFrame x=\"3000\" y=\"-2000\" width=\"800\" height=\"600\"/>",
       [](const AppSettings& s) {
         EXPECT_EQ(s.frameRect, (Rect{400, 150, 1200, 750}));
       }},
      {"missing attributes take the fixed defaults", "<MainFrame x=\"5\"/>",
       [](const AppSettings& s) {
         EXPECT_EQ(s.frameRect, (Rect{5, 0, 925, 640}));
       }},
      {"numbers at the ends of the range do not overflow",
       "<MainFrame x=\"2147483647\" y=\"-2147483648\" width=\"2147483647\" height=\"2147483647\"/>",
       [](const AppSettings& s) {
         EXPECT_EQ(s.frameRect, (Rect{340, 130, 1260, 770}));
       }},  // empty
      {"empty paths and other children are not loaded",
       "<RecentFiles><Folder path=\"/f\"/><File path=\"\"/><File/><File path=\"/a.twd\"/><Folder "
       "path=\"/g\"/></RecentFiles>",
       [](const AppSettings& s) { EXPECT_EQ(s.recentFiles, std::vector<std::wstring>{L"/a.twd"}); }},
      {"several elements of one name are applied in turn",
       "<MRUSearches><Search text=\"a\"/></MRUSearches><AllSearches><Search text=\"x\"/></AllSearches>"
       "<MRUSearches><Search text=\"b\"/><Other text=\"no\"/></MRUSearches><Unknown/>"
       "<Application next_wardrobe_id=\"3\"/><Application next_wardrobe_id=\"8\"/>",
       [](const AppSettings& s) {
         EXPECT_EQ(s.mruSearches, (std::vector<std::wstring>{L"a", L"b"}));
         EXPECT_EQ(s.allSearches, std::vector<std::wstring>{L"x"});
         EXPECT_EQ(s.nextWardrobeId, 8);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.check(loadStates(c.states));
  }
}

TEST(AppSettingsTest, AFileThatIsNotOursLeavesTheDefaults) {
  const std::string body = "<States><Application debut=\"0\" next_wardrobe_id=\"5\"/></States>";
  const std::vector<std::string> rejected = {
      "",
      "not xml",
      "<?xml version=\"1.0\"?><Settings version=\"1.0\" xmlns=\"http://www.tavoro.example/xmlns/settings\">" + body +
          "</Settings>",
      "<?xml version=\"1.0\"?><TavoroSettings version=\"1.1\" xmlns=\"http://www.tavoro.example/xmlns/settings\">" +
          body + "</TavoroSettings>",
      "<?xml version=\"1.0\"?><TavoroSettings version=\"1.0\" xmlns=\"http://www.tavoro.example/xmlns/settingz\">" +
          body + "</TavoroSettings>",
      "<?xml version=\"1.0\"?><TavoroSettings version=\"1.0\">" + body + "</TavoroSettings>",
      "<?xml version=\"1.0\"?><TavoroSettings version=\"1.0\" xmlns=\"http://www.tavoro.example/xmlns/settings\">" +
          body,
  };
  for (const std::string& text : rejected) {
    bool loaded = true;
    const AppSettings settings = loadText(text, loaded);
    EXPECT_FALSE(loaded) << text;
    EXPECT_TRUE(settings.debut);
    EXPECT_EQ(settings.nextWardrobeId, 1);
  }
  AppSettings settings;
  TempDir dir;
  EXPECT_FALSE(settings.loadFrom(dir / L"missing.xml", kWorkArea));
  EXPECT_FALSE(settings.loadFrom(dir.path(), kWorkArea));
}

TEST(AppSettingsTest, SavesInTheDataFolderAndReplacesARejectedFile) {
  TempDir dir;
  ASSERT_TRUE(createFolders(dir / L"program"));
  AppPaths::setProgramFolderForTesting(dir / L"program");  // not installed: the data folder is the program's
  ASSERT_EQ(AppSettings::filePath(), dir / L"program/Settings.xml");
  AppSettings settings;
  settings.nextWardrobeId = 6;
  ASSERT_TRUE(settings.save());  // makes the folder
  AppSettings reloaded;
  EXPECT_TRUE(reloaded.load(kWorkArea));
  EXPECT_EQ(reloaded.nextWardrobeId, 6);
  EXPECT_FALSE(reloaded.debut);

  writeFile(AppSettings::filePath(), kHead.substr(0, kHead.size() - 3) + "x\"/>");  // namespace off by one
  AppSettings fresh;
  EXPECT_FALSE(fresh.load(kWorkArea));
  EXPECT_TRUE(fresh.debut);
  ASSERT_TRUE(fresh.save());
  EXPECT_TRUE(AppSettings().load(kWorkArea));

  // Installed, with a configuration folder that cannot be made: nothing is written.
  writeFile(dir / L"program/unins000.dat", "");
  writeFile(dir / L"blocker", "x");
  const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
  const std::string savedConfig = oldConfig ? oldConfig : "";
  ::setenv("XDG_CONFIG_HOME", toUtf8(dir / L"blocker/config").c_str(), 1);
  EXPECT_FALSE(AppSettings().save());
  if (oldConfig)
    ::setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
  else
    ::unsetenv("XDG_CONFIG_HOME");
  AppPaths::setProgramFolderForTesting(L"");
}

TEST(AppSettingsTest, FitsTheWindowToTheWorkArea) {
  struct Case {
    Rect in;
    Rect work;
    Rect out;
  };
  const Rect work{100, 50, 1100, 850};  // 1000 x 800, not at the origin
  const std::vector<Case> cases = {
      {{200, 100, 700, 500}, work, {200, 100, 700, 500}},        // inside: kept
      {{1000, 800, 1500, 1200}, work, {1000, 800, 1500, 1200}},  // corner inside, rest outside: kept
      {{50, 100, 550, 500}, work, {350, 250, 850, 650}},         // corner left of it: centred
      {{200, 100, 200, 500}, work, {140, 130, 1060, 770}},       // empty: 920 x 640, centred
      {{200, 100, 2200, 500}, work, {200, 100, 1200, 500}},      // too wide: cut, corner still inside
      {{200, 100, 700, 2100}, work, {200, 100, 700, 900}},       // too tall: cut
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, work, {100, 50, 1100, 850}},
      {{0, 0, 920, 640}, Rect{-1920, 0, 0, 1080}, {-1420, 220, -500, 860}},  // a screen left of the primary
      {{0, 0, 801, 601}, Rect{0, 0, 1000, 800}, {0, 0, 801, 601}},
      {{5, 5, 806, 606}, Rect{0, 0, 1000, 800}, {5, 5, 806, 606}},
      {{-1, 0, 800, 600}, Rect{0, 0, 1000, 800}, {99, 100, 900, 700}},  // odd differences: halves truncate
      {{0, 0, 0, 0}, Rect{0, 0, 901, 600}, {-9, -20, 911, 620}},        // ... toward zero
  };
  for (const Case& c : cases) {
    const Rect out = AppSettings::fitToWorkArea(c.in, c.work);
    EXPECT_EQ(out, c.out) << c.in.left << "," << c.in.top << "," << c.in.right << "," << c.in.bottom << " -> "
                          << out.left << "," << out.top << "," << out.right << "," << out.bottom;
  }
}

}  // namespace
}  // namespace tavoro
