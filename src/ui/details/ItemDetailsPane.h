// The details of the one selected item (page 1 at the right of the wardrobe
// page): the preview on top and the tag pane below it. The page tells it
// which item to show; the tag pane's changes leave it as tagPaneChanged.
// User-interface thread only.
#pragma once

#include <QWidget>

#include "ui/common/ModelMetaTypes.h"

namespace tavoro::ui {

class PhotoPreview;
class TagPane;

class ItemDetailsPane : public QWidget {
  Q_OBJECT

 public:
  // The children are laid out at least this large; a smaller page cuts them off.
  static constexpr int kMinimumWidth = 200;
  static constexpr int kMinimumHeight = 180;

  explicit ItemDetailsPane(QWidget* parent = nullptr);

  // Shows item's photo and values (fromSearch: chosen in the search results,
  // whose matches the values show); null shows nothing.
  void showItem(Item* item, bool fromSearch);
  // Shows nothing (an edit in progress is dropped unsaved).
  void clear();
  // The item is going away: forgets it when it is the one shown.
  void forgetItem(Item* item);
  // The shown item's photo changed: the preview draws it again.
  void refreshPreview();
  Item* item() const;

  PhotoPreview* preview() const { return m_preview; }
  TagPane* tagPane() const { return m_tags; }

 signals:
  // The tag pane changed the model (TagPane::Event).
  void tagPaneChanged(int event);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  PhotoPreview* m_preview;
  TagPane* m_tags;
};

}  // namespace tavoro::ui
