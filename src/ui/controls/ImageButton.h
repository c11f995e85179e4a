// The image button: a push button drawn entirely from a strip of equally wide
// images, one per state (normal, pressed, hot, disabled), with hover tracking
// and an optional tooltip. User-interface thread only.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace tavoro::ui {

class ImageButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class State { Normal, Pressed, Hot, Disabled };

  explicit ImageButton(QWidget* parent = nullptr);

  // The strip is cut into images imageWidth pixels wide; each state names its
  // image by index, -1 for a state shown with the normal image.
  void setImages(const QPixmap& strip, int imageWidth, int normal, int pressed = -1, int hot = -1,
                 int disabled = -1);

  // The state the button is drawn in now.
  State state() const;
  bool isHot() const { return m_hot; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  // Enter clicks the button as Space does (it has no default-button role).
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPixmap image(State state) const;

  QPixmap m_strip;
  int m_imageWidth = 0;
  int m_indexes[4] = {-1, -1, -1, -1};
  bool m_hot = false;
};

}  // namespace tavoro::ui
