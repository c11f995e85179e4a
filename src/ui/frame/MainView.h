// The main window's client view: the header (tab strip and search box) over
// the page stack with the home page (tab "Home") and the wardrobe page (the
// second tab, named after the open wardrobe and hidden while none is open).
// User-interface thread only.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

namespace tavoro {
class Item;
class Wardrobe;
}

namespace tavoro::ui {

class HomePage;
class SearchBox;
class HeaderBar;
class WardrobePage;
class PageStack;
class RecentWardrobes;
class WardrobeSession;

class MainView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHomeTab = 0;
  static constexpr int kWardrobeTab = 1;
  // The wardrobe tab's text while no wardrobe has been opened or created.
  static constexpr const char* kWardrobeTabText = QT_TR_NOOP("_Wardrobe_");

  // window: the main window, whose commands the pages' buttons and links
  // trigger; recentWardrobes: its working list, which the home page shows;
  // session: its open wardrobe, which the wardrobe page shows.
  MainView(QWidget* window, RecentWardrobes& recentWardrobes, WardrobeSession& session);

  HeaderBar* header() const { return m_header; }
  PageStack* pages() const { return m_pages; }
  HomePage* homeView() const { return m_home; }
  WardrobePage* wardrobeView() const { return m_wardrobe; }
  // The search box: the header places it, the wardrobe page listens to it.
  SearchBox* searchBox() const { return m_searchBox; }

  // Shows the wardrobe tab and selects it when select is set, else "Home".
  void showWardrobeTab(bool select);
  void hideWardrobeTab();
  int selectedTab() const;
  // Selects a visible tab and shows its page; false when it cannot be shown.
  bool selectTab(int index);

 signals:
  // The home page's recent wardrobes asked to open this file.
  void openWardrobeRequested(const std::wstring& path);
  // The wardrobe page asked for the photo viewer (see WardrobePage).
  void viewerRequested(const std::vector<tavoro::Item*>& items, int index);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void onTabChanged(int index);
  // The wardrobe tab is named after the open wardrobe and hidden without one.
  void onWardrobeOpened(Wardrobe* wardrobe);
  void onWardrobeClosed();

  HeaderBar* m_header;
  PageStack* m_pages;
  HomePage* m_home;
  WardrobePage* m_wardrobe;
  SearchBox* m_searchBox;
};

}  // namespace tavoro::ui
