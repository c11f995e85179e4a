// The wardrobe page (page 1 of the main window): the command bar across the
// top and, below it, the area of the wardrobe's panes. It shows one wardrobe
// at a time and can be emptied. User-interface thread only.
#pragma once

#include <QWidget>

namespace tavoro {
class Wardrobe;
}

namespace tavoro::ui {

class KoCmdBarCtrlBase;

class KoWardrobeViewBase : public QWidget {
  Q_OBJECT

 public:
  explicit KoWardrobeViewBase(QWidget* parent = nullptr);

  KoCmdBarCtrlBase* commandBar() const { return m_commandBar; }
  Wardrobe* wardrobe() const { return m_wardrobe; }
  // Shows the wardrobe; null empties the page. False when another wardrobe
  // is shown already (it must be taken away first).
  bool setWardrobe(Wardrobe* wardrobe);

  // The item list pane, once the page has one, and whether the middle of the
  // page shows it (rather than search results).
  QWidget* itemList() const { return m_itemList; }
  void setItemList(QWidget* list) { m_itemList = list; }
  bool itemListShown() const { return m_itemList && m_itemList->isVisible(); }

 signals:
  // A command of the bar that the main window carries out.
  void commandRequested(int id);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void onCommand(int id);
  void updateCommandStates();

  KoCmdBarCtrlBase* m_commandBar;
  Wardrobe* m_wardrobe = nullptr;
  QWidget* m_itemList = nullptr;
};

}  // namespace tavoro::ui
