// One row of the insights' least worn list: the item's thumbnail (from the
// window's preview thumbnails), its name and collection, and how long it has
// waited. A click, Enter or Space jumps to the item. User-interface thread only.
#pragma once

#include <QWidget>

#include "insights/WearFigures.h"
#include "ui/details/PreviewPicture.h"

namespace tavoro::ui {

class LeastWornRow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kThumbnailSize = 48;

  LeastWornRow(const ItemWearFigure& figure, PreviewThumbnailCache& thumbnails, QWidget* parent = nullptr);

  const ItemWearFigure& figure() const { return m_figure; }
  QSize sizeHint() const override;

 signals:
  void chosen(const tavoro::Item* item);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  ItemWearFigure m_figure;
  PreviewPicture m_picture;
  QString m_name;
  QString m_detail;
  bool m_hot = false;
};

}  // namespace tavoro::ui
