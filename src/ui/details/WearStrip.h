// The band of the item details between the preview and the tags: how often
// and when the item was last worn, and a "Worn Today" button that triggers
// the details' command of that name. User-interface thread only.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace tavoro {
class Item;
}

namespace tavoro::ui {

class WearStrip : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 28;

  explicit WearStrip(QWidget* parent = nullptr);

  // Shows the item's wear (nothing for null).
  void setItem(const Item* item);
  QString text() const;
  QPushButton* wornTodayButton() const { return m_button; }

 signals:
  void wornTodayClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QLabel* m_text;
  QPushButton* m_button;
};

}  // namespace tavoro::ui
