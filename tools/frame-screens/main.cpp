// Renders the main window (home page, wardrobe page with its command bar) and
// the dialogs (About, New Wardrobe, Open Wardrobe with and without recent
// wardrobes) to PNG files, so that their look can be reviewed without a
// display. Works in a scratch folder of its own (settings, wardrobes), never
// in the user's. Usage: tavoro-frame-screens [output folder]
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "app/AppSettings.h"
#include "platform/AppPaths.h"
#include "platform/Utf8.h"
#include "ScreenFolder.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/NewWardrobeDialog.h"
#include "ui/dialogs/OpenWardrobeDialog.h"
#include "ui/frame/KoViewBase.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WardrobeLifecycle.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace {

using namespace tavoro;
using namespace tavoro::ui;

const tavoro::tools::ScreenFolder* g_screens = nullptr;

bool save(const QPixmap& picture, const QString& name) {
  return g_screens->save(picture, name);
}

QPixmap grabShown(QWidget& widget) {
  widget.show();
  QApplication::processEvents();
  return widget.grab();
}

std::wstring makeWardrobe(const std::wstring& folder, const std::wstring& name) {
  Wardrobe wardrobe(folder + L"/" + name, name);
  return writeWardrobe(wardrobe) ? wardrobe.wardrobeFilePath() : std::wstring();
}

bool renderFrame(const std::wstring& scratch) {
  AppSettings& settings = AppSettings::settings();
  settings.debut = false;
  settings.frameRect = {0, 0, 920, 640};
  const std::wstring summer = makeWardrobe(scratch + L"/wardrobes", L"Summer Collection");
  const std::wstring work = makeWardrobe(scratch + L"/wardrobes", L"Work Clothes");
  settings.recentFiles = {summer, work};

  MainFrame frame;
  frame.resize(920, 640);
  bool ok = save(grabShown(frame), QStringLiteral("frame-home"));
  if (!frame.lifecycle().openWardrobe(summer, true, true)) {
    std::fprintf(stderr, "tavoro-frame-screens: cannot open the sample wardrobe\n");
    return false;
  }
  frame.updateTitle();
  ok &= save(grabShown(frame), QStringLiteral("frame-wardrobe"));
  frame.resize(640, 420);
  ok &= save(grabShown(frame), QStringLiteral("frame-wardrobe-narrow"));
  frame.lifecycle().closeWardrobe();
  frame.hide();
  return ok;
}

bool renderDialogs(const std::wstring& scratch) {
  bool ok = true;
  {
    AboutDialog about(nullptr);
    ok &= save(grabShown(about), QStringLiteral("dialog-about"));
  }
  AppSettings::settings().wardrobeFolder = scratch + L"/My Wardrobes";
  AppSettings::settings().nextWardrobeId = 2;
  {
    NewWardrobeDialog dialog(nullptr);
    ok &= save(grabShown(dialog), QStringLiteral("dialog-new-wardrobe"));
    dialog.resize(dialog.width() + 160, dialog.height());
    ok &= save(grabShown(dialog), QStringLiteral("dialog-new-wardrobe-wide"));
    dialog.reject();
  }
  std::vector<std::wstring> recent = AppSettings::settings().recentFiles;
  recent.push_back(scratch + L"/elsewhere/my.old.wardrobe.twd");
  {
    OpenWardrobeDialog dialog(nullptr, recent);
    dialog.selectRow(0);
    ok &= save(grabShown(dialog), QStringLiteral("dialog-open-wardrobe"));
    dialog.resize(dialog.width() + 120, dialog.height() + 100);
    ok &= save(grabShown(dialog), QStringLiteral("dialog-open-wardrobe-large"));
    dialog.reject();
  }
  std::vector<std::wstring> none;
  openWardrobeDialogRect() = QRect();
  {
    OpenWardrobeDialog dialog(nullptr, none);
    ok &= save(grabShown(dialog), QStringLiteral("dialog-open-wardrobe-empty"));
    dialog.reject();
  }
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const tavoro::tools::ScreenFolder screens("tavoro-frame-screens", argc, argv);
  if (!screens.make()) return 1;
  g_screens = &screens;
  // Settings and wardrobes of the pictures live and die in a scratch folder.
  QTemporaryDir scratchDir;
  if (!scratchDir.isValid()) {
    std::fprintf(stderr, "tavoro-frame-screens: cannot make a scratch folder\n");
    return 1;
  }
  const std::wstring scratch = fromUtf8(scratchDir.path().toStdString());
  AppPaths::setProgramFolderForTesting(scratch);
  const bool ok = renderFrame(scratch) && renderDialogs(scratch);
  return ok ? 0 : 1;
}
