// Renders every page, pane, dialog, menu and control of the program to PNG
// files, so that their look can be reviewed without a display, and so that
// the user guide shows the program as it is. Works in scratch folders of its
// own (settings, wardrobes), never in the user's.
// Usage: tavoro-screens [output folder]
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "platform/FileSystem.h"
#include "CombinationsScreens.h"
#include "DetailsScreens.h"
#include "ItemListScreens.h"
#include "ExportScreens.h"
#include "FrameScreens.h"
#include "InsightsScreens.h"
#include "PageScreens.h"
#include "SearchScreens.h"
#include "ScreenFolder.h"
#include "ui/common/CommandIds.h"
#include "ui/common/QtText.h"
#include "ui/controls/InlineEditor.h"
#include "ui/common/CommandActions.h"
#include "ui/controls/CommandBar.h"
#include "ui/frame/RecentWardrobes.h"
#include "ui/controls/TabStrip.h"
#include "ui/home/HomePageDialog.h"
#include "ui/home/HomeNavigationBar.h"
#include "ui/home/HomePage.h"
#include "ui/home/NavigationLink.h"
#include "ui/home/RecentWardrobeList.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenu.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace {

using namespace tavoro::ui;

const tavoro::tools::ScreenFolder* g_screens = nullptr;

bool save(const QPixmap& picture, const QString& name) {
  return g_screens->save(picture, name);
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
  PopupMenu* sub = sample.addSubmenu(QStringLiteral("View"));
  sub->addCommand(1, QStringLiteral("Thumbnails"));
  sample.setCommandEnabled(kCmdMoveToTop, false);
  sample.setCommandEnabled(kCmdMoveUp, false);
  ok &= save(grabMenu(sample, sample.commandAction(kCmdDelete)), QStringLiteral("menu-sample"));
  return ok;
}

// Writes a few small wardrobes into folder and returns their paths, newest
// first, with one path whose file is gone.
std::vector<std::wstring> sampleWardrobes(const QString& folder) {
  const std::wstring base = toWString(folder) + L"/wardrobes";
  tavoro::createFolders(base);
  std::vector<std::wstring> paths;
  for (const wchar_t* name : {L"Summer Clothes", L"Winter Coats and Knitwear", L"Shoes"}) {
    tavoro::Wardrobe wardrobe(base, name);
    if (tavoro::writeWardrobe(wardrobe)) paths.push_back(wardrobe.wardrobeFilePath());
  }
  paths.push_back(base + L"/old/holiday.packing.twd");
  return paths;
}

bool renderHome(const std::vector<std::wstring>& samples) {
  bool ok = true;
  RecentWardrobes none;
  HomePage empty(none);
  empty.resize(920, 597);
  empty.show();
  ok &= save(empty.grab(), QStringLiteral("home-page-no-recent-wardrobes"));

  RecentWardrobes recent(samples);
  HomePage home(recent);
  home.resize(920, 597);
  home.show();
  RecentWardrobeList* list = home.homePage()->recentList();
  list->setRowSelected(1, true, false);
  ok &= save(home.grab(), QStringLiteral("home-page"));

  // The hovered state of a button and a link, and the page at a larger size.
  QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
  QApplication::sendEvent(home.homePage()->control(HomePageDialog::kIdOpen), &enter);
  QApplication::sendEvent(home.naviCtrl()->link(1), &enter);
  home.resize(1280, 800);
  ok &= save(home.grab(), QStringLiteral("home-page-large-hover"));
  return ok;
}

bool renderRecentList(const std::vector<std::wstring>& samples) {
  RecentWardrobes recent(samples);
  RecentWardrobeList list(recent);
  list.resize(420, 190);
  list.fill();
  list.setRowSelected(0, true, false);
  list.show();
  bool ok = save(list.grab(), QStringLiteral("recent-list"));

  RecentWardrobes none;
  RecentWardrobeList empty(none);
  empty.resize(420, 190);
  empty.fill();
  empty.show();
  ok &= save(empty.grab(), QStringLiteral("recent-list-empty"));
  return ok;
}

bool renderControls() {
  QWidget header;
  header.resize(700, 43);
  header.setStyleSheet(QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f7fc, stop:1 #d8e1f0);"));
  auto* tabs = new TabStrip(&header);
  tabs->addTab(QStringLiteral("Home"));
  tabs->addTab(QStringLiteral("Summer Clothes"));
  tabs->select(1);
  tabs->setGeometry(0, 0, 400, 43);
  header.show();
  bool ok = save(header.grab(), QStringLiteral("tab-strip"));

  // Each button shows an action; two of them disabled, as on a page without a search.
  CommandBar bar(kMenuCmdBar);
  bar.resize(920, CommandBar::kHeight);
  QWidget commands;
  for (const int id : {kCmdCloseWardrobe, kCmdAddPhotos, kCmdDeleteSelectedPhotos, kCmdHideSearchResults,
                       kCmdTellAFriend, kCmdVisitWebsite, kCmdHelpContents})
    addCommandAction(&commands, id, QString(), [] {})
        ->setEnabled(id != kCmdHideSearchResults && id != kCmdDeleteSelectedPhotos);
  bar.bindActions(commands.actions());
  bar.show();
  ok &= save(bar.grab(), QStringLiteral("command-bar"));

  QWidget pane;
  pane.resize(300, 60);
  pane.setStyleSheet(QStringLiteral("background: white;"));
  auto* edit = new InlineEditor(&pane);
  edit->setText(QStringLiteral("Evening Dresses"));
  pane.show();
  edit->place(QRect(10, 10, 280, 40), false);
  ok &= save(pane.grab(), QStringLiteral("cell-edit"));
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const tavoro::tools::ScreenFolder screens("tavoro-screens", argc, argv);
  if (!screens.make()) return 1;
  g_screens = &screens;
  bool ok = renderMenus();
  // The home page's sample wardrobes live and die in a scratch folder.
  QTemporaryDir scratch;
  const std::vector<std::wstring> samples = sampleWardrobes(scratch.path());
  ok &= renderHome(samples);
  ok &= renderRecentList(samples);
  ok &= renderControls();
  ok &= tavoro::tools::renderFrameAndDialogs(screens);
  ok &= tavoro::tools::renderWardrobePage(screens);
  ok &= tavoro::tools::renderItemList(screens);
  ok &= tavoro::tools::renderSearch(screens);
  ok &= tavoro::tools::renderDetails(screens);
  ok &= tavoro::tools::renderExportScreens(screens);
  ok &= tavoro::tools::renderInsightsScreens(screens);
  ok &= tavoro::tools::renderCombinationsScreens(screens);
  return ok ? 0 : 1;
}
