// The program's one top-level window. It owns the window tree (the header
// with the tabs and the search box, the page stack with the home page and
// the wardrobe page), routes every command through executeCommand, holds the
// open wardrobe (through the lifecycle) and the working list of recent
// wardrobes, restores and records its placement, keeps its title, and loads
// the settings when made and saves them when destroyed.
// User-interface thread only.
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
class WardrobeLifecycle;

class MainWindow : public QWidget, public ProgramWindow {
  Q_OBJECT

 public:
  static constexpr const wchar_t* kTitle = L"Tavoro Wardrobe Manager";

  // Loads the settings (before any child window exists)
  // and builds the window tree. The window stays hidden until the first
  // idle moment of the event loop (see enterEventLoop).
  MainWindow();
  // Destroys the child windows first, then writes the settings.
  ~MainWindow() override;

  // The one routing function of the program's commands (menus, keys,
  // buttons, links, posted commands). False for ids the frame does not know.
  bool executeCommand(int id);

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
  Wardrobe* wardrobe() const;
  std::vector<std::wstring>& recentWardrobes() { return m_recentWardrobes; }
  MainView* clientView() const { return m_clientView; }
  // The photo viewer, shown in place of the client view while it is open.
  PhotoViewer* viewer() const { return m_viewer; }
  // Opens the viewer on the main photos of items (those without photos are
  // left out), starting at the one of items[index].
  void openViewer(const std::vector<tavoro::Item*>& items, int index);

  // The wardrobe page: the lifecycle hands it the open wardrobe and takes it
  // back; the tab follows.
  bool attachWardrobe(Wardrobe& wardrobe);
  void detachWardrobe();
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
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void installAccelerators();
  void runFirstIdle();
  void showAtPlacement();
  void restorePlacement();
  void recordPlacement();
  QMargins windowFrameMargins() const;
  void openWebPage(const char* pagePath);

  std::vector<std::wstring> m_recentWardrobes;
  std::unique_ptr<WardrobeLifecycle> m_lifecycle;
  MainView* m_clientView = nullptr;
  PhotoViewer* m_viewer = nullptr;
  bool m_firstIdleDone = false;
  bool m_placementRestored = false;
  bool m_closed = false;
};

}  // namespace tavoro::ui
