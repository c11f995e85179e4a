// HomeNavigationBar: the home page's navigation column, 200 pixels wide: a
// background picture and five links (help, web site, contact, recommendation,
// About) kept 150 pixels above the bottom edge. User-interface thread only.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

namespace tavoro::ui {

class NavigationLink;

class HomeNavigationBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 200;
  static constexpr int kLinkCount = 5;
  static constexpr int kLinkLeft = 25;
  static constexpr int kLinkStep = 27;

  explicit HomeNavigationBar(QWidget* parent = nullptr);

  NavigationLink* link(int index) const { return m_links[static_cast<size_t>(index)]; }

  // Where the first link goes in a column of this height; -1 when the links
  // stay where they are (a column of 100 pixels or less).
  static int firstLinkTop(int columnHeight);

 signals:
  // A command link was clicked: the main-window command it stands for.
  void commandRequested(int commandId);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeLinks(int top);
  // The column's background at its size: the picture, its last row stretched
  // below it.
  QPixmap background() const;

  std::array<NavigationLink*, kLinkCount> m_links{};
};

}  // namespace tavoro::ui
