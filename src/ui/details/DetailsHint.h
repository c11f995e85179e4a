// What the right of the wardrobe page shows while no single item is
// selected: "Select a photo to view details." with its icon, placed a little
// left of the centre and in the upper part of a tall pane.
// User-interface thread only.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace tavoro::ui {

// Where the hint's text and icon go in client, for a text that measures
// textSize when wrapped to the room it has.
struct HintPlacement {
  QRect text;
  QPoint icon;
};
HintPlacement placeHint(const QRect& client, QSize textSize);

class DetailsHint : public QWidget {
  Q_OBJECT

 public:
  // "Select a photo to view details." in the user's language.
  static QString hintText();

  explicit DetailsHint(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace tavoro::ui
