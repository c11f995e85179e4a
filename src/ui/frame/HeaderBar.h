// The main window's header, across the top and 43 pixels high: the tab strip
// at the left and, while the wardrobe tab is selected, the search box.
// User-interface thread only.
#pragma once

#include <QWidget>

namespace tavoro::ui {

class TabStrip;

class HeaderBar : public QWidget {
  Q_OBJECT

 public:
  explicit HeaderBar(QWidget* parent = nullptr);

  TabStrip* tabs() const { return m_tabs; }
  // The search box, once there is one; the header places and shows it.
  void setSearchBox(QWidget* box);
  QWidget* searchBox() const { return m_searchBox; }
  // Where the search box goes, and whether it is shown (wardrobe tab only).
  QRect searchBoxPlace() const { return m_searchPlace; }
  bool searchBoxShown() const { return m_searchShown; }

  // Lays the header out again after the tabs changed (shown, hidden,
  // renamed or selected).
  void tabsChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void layOut();

  TabStrip* m_tabs;
  QWidget* m_searchBox = nullptr;
  QRect m_searchPlace;
  bool m_searchShown = false;
};

}  // namespace tavoro::ui
