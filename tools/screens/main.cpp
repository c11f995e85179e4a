// Renders the home page, the recent wardrobes list and its menu, the command
// bar and the controls to PNG files, so that their look can be reviewed
// without a display. Usage: tavoro-screens [output folder]
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "ui/common/CommandIds.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenu.h"

namespace {

using namespace tavoro::ui;

QString g_folder;

bool save(const QPixmap& picture, const QString& name) {
  const QString path = g_folder + u'/' + name + QStringLiteral(".png");
  if (!picture.save(path)) {
    std::fprintf(stderr, "tavoro-screens: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

QPixmap grabMenu(PopupMenu& menu, QAction* active) {
  menu.popup(QPoint(200, 200));
  if (active) menu.setActiveAction(active);
  QPixmap picture = menu.grab();
  menu.hide();
  return picture;
}

bool renderMenus() {
  auto menu = PopupMenu::fromResource(kMenuWardrobeListContext);
  menu->setDefaultCommand(kCmdOpenRecent);
  bool ok = save(grabMenu(*menu, menu->commandAction(kCmdCopyPathToClipboard)), QStringLiteral("menu-recent-list"));
  menu->setCommandEnabled(kCmdOpenRecent, false);
  menu->setCommandEnabled(kCmdCopyPathToClipboard, false);
  ok &= save(grabMenu(*menu, menu->commandAction(kCmdOpenRecent)), QStringLiteral("menu-recent-list-empty-area"));

  PopupMenu sample;
  sample.addCommand(kCmdAddItem, QStringLiteral("Add a Collection..."));
  sample.addCommand(kCmdDelete, QStringLiteral("Delete"), QStringLiteral("Del"));
  sample.addSeparator();
  sample.addCommand(kCmdMoveToTop, QStringLiteral("Move to Top"));
  sample.addCommand(kCmdMoveUp, QStringLiteral("Move Up"));
  sample.addCommand(kCmdMoveDown, QStringLiteral("Move Down"));
  sample.addCommand(kCmdMoveToBottom, QStringLiteral("Move to Bottom"));
  sample.addSeparator();
  QAction* checked = sample.addCommand(1, QStringLiteral("Auto Suggest"));
  checked->setCheckable(true);
  checked->setChecked(true);
  QMenu* sub = sample.addMenu(QStringLiteral("View"));
  sub->addAction(QStringLiteral("Thumbnails"));
  sample.setCommandEnabled(kCmdMoveToTop, false);
  sample.setCommandEnabled(kCmdMoveUp, false);
  ok &= save(grabMenu(sample, sample.commandAction(kCmdDelete)), QStringLiteral("menu-sample"));
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TAVORO_SCREENS_DIR);
  if (!QDir().mkpath(g_folder)) {
    std::fprintf(stderr, "tavoro-screens: cannot create %s\n", qPrintable(g_folder));
    return 1;
  }
  bool ok = renderMenus();
  return ok ? 0 : 1;
}
