// TabStrip: the header's tab strip. Tabs stand in a row from 15 pixels past
// the left edge, each as wide as its text (and picture) needs; a hidden tab
// takes no room and cannot be selected. It is a stop of the Tab order: Left
// and Right (Home, End) select the neighbouring visible tab, and a dotted
// frame marks the selected tab while the strip has the focus.
// User-interface thread only.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "ui/common/Picture.h"

namespace tavoro::ui {

class TabStrip : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kFirstTabLeft = 15;

  explicit TabStrip(QWidget* parent = nullptr);

  // Appends a tab with its text and optional picture; returns its index.
  int addTab(const QString& text, Picture image = Picture::None);
  int tabCount() const { return static_cast<int>(m_tabs.size()); }
  QString tabText(int index) const;
  void setTabText(int index, const QString& text);
  bool isTabHidden(int index) const;
  void setTabHidden(int index, bool hidden);

  // Selects the tab; false (nothing changes) for a hidden tab or an index out
  // of range. Selecting another tab sends currentChanged.
  bool select(int index);
  int currentIndex() const { return m_current; }
  int hotIndex() const { return m_hot; }

  // The tab's rectangle; empty for a hidden tab.
  QRect tabRect(int index) const;
  // The tab under a point, or -1.
  int tabAt(QPoint pos) const;
  // 15 pixels plus the widths of the visible tabs.
  int preferredWidth() const;

  QSize sizeHint() const override;

 signals:
  void currentChanged(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Tab {
    QString text;
    Picture image = Picture::None;
    bool hidden = false;
  };

  int tabWidth(const Tab& tab) const;
  void setHot(int index);
  void relayout();

  std::vector<Tab> m_tabs;
  int m_current = -1;
  int m_hot = -1;
};

}  // namespace tavoro::ui
