#include "FrameScreens.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "ScreenFolder.h"
#include "settings/AppSettings.h"
#include "platform/AppPaths.h"
#include "platform/Utf8.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/NewWardrobeDialog.h"
#include "ui/dialogs/OpenWardrobeDialog.h"
#include "ui/frame/RecentWardrobes.h"
#include "ui/frame/MainWindow.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::tools {

namespace {

using namespace tavoro::ui;

QPixmap grabShown(QWidget& widget) {
  widget.show();
  QApplication::processEvents();
  return widget.grab();
}

std::wstring makeWardrobe(const std::wstring& folder, const std::wstring& name) {
  Wardrobe wardrobe(folder + L"/" + name, name);
  return writeWardrobe(wardrobe) ? wardrobe.wardrobeFilePath() : std::wstring();
}

bool renderFrame(const ScreenFolder& screens, const std::wstring& scratch) {
  AppSettings& settings = AppSettings::settings();
  settings.debut = false;
  settings.frameRect = {0, 0, 920, 640};
  const std::wstring summer = makeWardrobe(scratch + L"/wardrobes", L"Summer Collection");
  const std::wstring work = makeWardrobe(scratch + L"/wardrobes", L"Work Clothes");
  settings.recentFiles = {summer, work};

  MainWindow frame;
  frame.resize(920, 640);
  bool ok = screens.save(grabShown(frame), QStringLiteral("frame-home"));
  frame.hide();
  return ok;
}

bool renderDialogs(const ScreenFolder& screens, const std::wstring& scratch) {
  bool ok = true;
  {
    AboutDialog about(nullptr);
    ok &= screens.save(grabShown(about), QStringLiteral("dialog-about"));
  }
  AppSettings::settings().wardrobeFolder = scratch + L"/My Wardrobes";
  AppSettings::settings().nextWardrobeId = 2;
  {
    NewWardrobeDialog dialog(nullptr);
    ok &= screens.save(grabShown(dialog), QStringLiteral("dialog-new-wardrobe"));
    dialog.resize(dialog.width() + 160, dialog.height());
    ok &= screens.save(grabShown(dialog), QStringLiteral("dialog-new-wardrobe-wide"));
    dialog.reject();
  }
  std::vector<std::wstring> paths = AppSettings::settings().recentFiles;
  paths.push_back(scratch + L"/elsewhere/my.old.wardrobe.twd");
  RecentWardrobes recent(paths);
  {
    OpenWardrobeDialog dialog(nullptr, recent);
    dialog.selectRow(0);
    ok &= screens.save(grabShown(dialog), QStringLiteral("dialog-open-wardrobe"));
    dialog.resize(dialog.width() + 120, dialog.height() + 100);
    ok &= screens.save(grabShown(dialog), QStringLiteral("dialog-open-wardrobe-large"));
    dialog.reject();
  }
  RecentWardrobes none;
  openWardrobeDialogRect() = QRect();
  {
    OpenWardrobeDialog dialog(nullptr, none);
    ok &= screens.save(grabShown(dialog), QStringLiteral("dialog-open-wardrobe-empty"));
    dialog.reject();
  }
  return ok;
}

}  // namespace

bool renderFrameAndDialogs(const ScreenFolder& screens) {
  // Settings and wardrobes of the pictures live and die in a scratch folder.
  QTemporaryDir scratchDir;
  if (!scratchDir.isValid()) {
    std::fprintf(stderr, "tavoro-screens: cannot make a scratch folder\n");
    return false;
  }
  const std::wstring scratch = fromUtf8(scratchDir.path().toStdString());
  AppPaths::setProgramFolderForTesting(scratch);
  AppSettings::settings() = AppSettings();
  const bool ok = renderFrame(screens, scratch) && renderDialogs(screens, scratch);
  AppPaths::setProgramFolderForTesting(L"");
  return ok;
}

}  // namespace tavoro::tools
