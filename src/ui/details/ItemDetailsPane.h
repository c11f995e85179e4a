// The details of the session's one selected item (page 1 at the right of the
// wardrobe page): the preview on top and the tag pane below it. It follows
// the session's selection: an item chosen in the search results shows its
// values with the matches. Between the two, how often and when the item was
// worn, with "Worn Today". User-interface thread only.
#pragma once

#include <QWidget>

#include "ui/common/ModelMetaTypes.h"

namespace tavoro::ui {

class PhotoPreview;
class TagPane;
class WearStrip;
class WardrobeSession;

class ItemDetailsPane : public QWidget {
  Q_OBJECT

 public:
  // The children are laid out at least this large; a smaller page cuts them off.
  static constexpr int kMinimumWidth = 200;
  static constexpr int kMinimumHeight = 180;

  explicit ItemDetailsPane(WardrobeSession& session, QWidget* parent = nullptr);

  Item* item() const;
  // Shows nothing (an edit in progress is dropped unsaved).
  void clear();
  PhotoPreview* preview() const { return m_preview; }
  TagPane* tagPane() const { return m_tags; }
  WearStrip* wearStrip() const { return m_wear; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // Shows the session's one selected item, when there is one.
  void follow();
  // "Add to Combination", "Worn Today" and "Worn on..." for the item shown.
  void makeActions();
  void updateActions();
  void showWear();

  WardrobeSession& m_session;
  PhotoPreview* m_preview;
  TagPane* m_tags;
  WearStrip* m_wear;
};

}  // namespace tavoro::ui
