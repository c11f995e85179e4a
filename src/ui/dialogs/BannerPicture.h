// The picture across the top of the dialogs (Picture::DialogBanner). Drawn at its own
// size from the left; a dialog wider than the picture continues it with the
// picture's last column, so widening never distorts the artwork.
// User-interface thread only.
#pragma once

#include <QWidget>

namespace tavoro::ui {

class BannerPicture : public QWidget {
  Q_OBJECT

 public:
  explicit BannerPicture(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tavoro::ui
