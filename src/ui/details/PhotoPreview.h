// The preview at the top of the details: the selected item's first photo as
// the preview cache holds it, in a box 160 pixels wide at the left edge; a
// notice in its place when the photo's file is missing or cannot be decoded.
// User-interface thread only.
#pragma once

#include <QWidget>

#include "ui/details/PreviewPicture.h"

namespace tavoro {
class Item;
}

namespace tavoro::ui {

class WardrobeSession;

class PhotoPreview : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 124;
  static constexpr int kBoxWidth = 160;

  // The photos come from the session's preview thumbnails; after the
  // session's Refresh the photo is taken again.
  explicit PhotoPreview(WardrobeSession& session, QWidget* parent = nullptr);

  // Shows item's first photo (nothing for null); repaints when it is another item.
  void setItem(Item* item);
  Item* item() const { return m_item; }
  // The item's photos may have changed: takes its first photo again and repaints.
  void refresh();

  // Where the photo goes: the box at the left edge, 2 pixels in from the top and bottom.
  QRect photoBox() const;
  const PreviewPicture& picture() const { return m_picture; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Item* m_item = nullptr;
  PreviewPicture m_picture;
};

}  // namespace tavoro::ui
