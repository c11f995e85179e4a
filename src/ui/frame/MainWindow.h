// The program's one top-level window. It owns the window tree (the header
// with the tabs and the search box, the page stack with the home page and
// the wardrobe page), the session of the open wardrobe (opened and closed
// through the lifecycle), the working list of recent wardrobes and the
// window's own commands (actions with their keys: New, Open, Save, Find,
// the web pages, Close Wardrobe..., and the exports of ExportCommands). It restores and records its placement,
// keeps its title, and loads the settings when made and saves them when
// destroyed. User-interface thread only.
#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/Startup.h"

namespace tavoro {
class Item;
class Wardrobe;
}

namespace tavoro::ui {

class PhotoViewer;
class MainView;
class RecentWardrobes;
class WardrobeLifecycle;
class WardrobeSession;

class MainWindow : public QWidget, public ProgramWindow {
  Q_OBJECT

 public:

  // Loads the settings (before any child window exists)
  // and builds the window tree. The window stays hidden until the first
  // idle moment of the event loop (see enterEventLoop).
  MainWindow();
  // Destroys the child windows first, then writes the settings.
  ~MainWindow() override;

  // ProgramWindow
  void openFromCommandLine(const std::wstring& path) override;
  // Comes to the front (from minimised too) and opens the first path; while
  // a modal dialog is open, that dialog comes to the front instead and the
  // paths are dropped.
  void receiveHandover(const std::vector<std::wstring>& paths) override;
  // Arms the first idle moment: reopening the last wardrobe and showing the
  // window at its remembered place.
  void enterEventLoop() override;
  // Closes as the user would (saving); the event loop ends once the window
  // is closed. A failed save keeps the program running, as a close does.
  void requestClose() override;

  WardrobeLifecycle& lifecycle() const { return *m_lifecycle; }
  WardrobeSession& session() const { return *m_session; }
  Wardrobe* wardrobe() const;
  RecentWardrobes& recentWardrobes() const { return *m_recentWardrobes; }
  MainView* clientView() const { return m_clientView; }
  // The photo viewer, shown in place of the client view while it is open.
  PhotoViewer* viewer() const { return m_viewer; }
  // Opens the viewer on the main photos of items (those without photos are
  // left out), starting at the one of items[index].
  void openViewer(const std::vector<tavoro::Item*>& items, int index);

  void showWardrobeTab(bool select);
  void hideWardrobeTab();
  // The index of the selected tab: 0 the home page, 1 the wardrobe page.
  int selectedTab() const;
  bool wardrobePageShown() const { return selectedTab() == 1; }

  // "Tavoro Wardrobe Manager", with " - [name]" while a wardrobe is open.
  QString titleText() const;
  void updateTitle();

  bool firstIdleDone() const { return m_firstIdleDone; }
  bool placementRestored() const { return m_placementRestored; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  // The window's commands, each an action with its keys from the
  // accelerator table.
  void makeActions();
  void find();
  void paste();
  void refresh();
  void runFirstIdle();
  void showAtPlacement();
  void restorePlacement();
  void recordPlacement();
  QMargins windowFrameMargins() const;
  void openWebPage(const char* pagePath);

  std::unique_ptr<RecentWardrobes> m_recentWardrobes;
  std::unique_ptr<WardrobeSession> m_session;
  std::unique_ptr<WardrobeLifecycle> m_lifecycle;
  MainView* m_clientView = nullptr;
  PhotoViewer* m_viewer = nullptr;
  bool m_firstIdleDone = false;
  bool m_placementRestored = false;
  bool m_closed = false;
};

}  // namespace tavoro::ui
