// The combinations view, a page of the wardrobe page's middle: its own
// command bar (Worn Today, Worn on..., Rename..., Delete Combination, Remove
// from Combination), the list of combinations as collages, and the items of
// the chosen one below it. Every change is one session call; the view
// follows the session's signals, so undo and redo show the same way. A
// double-click on an item asks to show it in its collection.
// User-interface thread only.
#pragma once

#include <QWidget>

#include "ui/common/ModelMetaTypes.h"

namespace tavoro::ui {

class CombinationItemList;
class CombinationListView;
class CommandBar;
class WardrobeSession;

class CombinationsView : public QWidget {
  Q_OBJECT

 public:
  explicit CombinationsView(WardrobeSession& session, QWidget* parent = nullptr);

  CommandBar* commandBar() const { return m_bar; }
  CombinationListView* list() const { return m_list; }
  CombinationItemList* items() const { return m_items; }
  void updateActions();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void makeActions();
  Combination* chosen() const;
  void wearToday();
  void wearOnDate();
  void rename();
  void deleteChosen();
  void removeItems();
  void moveItem(int step);

  WardrobeSession& m_session;
  CommandBar* m_bar;
  CombinationListView* m_list;
  CombinationItemList* m_items;
};

}  // namespace tavoro::ui
