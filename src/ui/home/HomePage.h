// HomePage: the home page (page 0 of the main window), what the user sees
// while no wardrobe is open: the navigation column at the left and the home
// page's main area filling the rest. User-interface thread only.
#pragma once

#include <QWidget>
#include <string>

namespace tavoro::ui {

class HomePageDialog;
class HomeNavigationBar;
class RecentWardrobes;

class HomePage : public QWidget {
  Q_OBJECT

 public:
  // recentWardrobes: the main window's working list; it must outlive the page.
  explicit HomePage(RecentWardrobes& recentWardrobes, QWidget* parent = nullptr);

  HomeNavigationBar* naviCtrl() const { return m_navi; }
  HomePageDialog* homePage() const { return m_page; }

  // Shows the working list again (names are read anew from the files). The
  // page does this by itself when it is shown, and while it is shown
  // whenever the list changes.
  void refreshRecentWardrobes();

 signals:
  // A main-window command from a button or a link (New, Open, About, help,
  // tutorials, donation), by its number in the page's tables.
  void commandRequested(int commandId);
  // Open this wardrobe file (from the recent wardrobes).
  void openWardrobeRequested(const std::wstring& path);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  RecentWardrobes& m_recentWardrobes;
  bool m_stale = true;  // the list changed since it was last shown
  HomeNavigationBar* m_navi;
  HomePageDialog* m_page;
};

}  // namespace tavoro::ui
