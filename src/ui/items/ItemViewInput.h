// The keys and context-menu requests of the item list's views, taken before
// the views' own handling: the Delete key and Enter (neither auto-repeated)
// and a context menu asked for with the mouse or the keyboard. Install it on
// a view and on its viewport. User-interface thread only.
#pragma once

#include <QObject>
#include <QPoint>

class QAbstractItemView;

namespace tavoro::ui {

class ItemViewInput : public QObject {
  Q_OBJECT

 public:
  explicit ItemViewInput(QObject* parent = nullptr) : QObject(parent) {}
  // Watches the view and its viewport.
  void watch(QAbstractItemView* view);

 signals:
  void deletePressed();
  void enterPressed();
  // Where the menu opens (screen position).
  void contextMenuRequested(QPoint globalPos);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tavoro::ui
