// The About box's web link: its text is its address. Blue, purple once it
// has been opened, grey when disabled; underlined only under the mouse;
// opened by a click (press and release on it) or by Enter or Space while it
// has the focus, which it shows with a focus rectangle.
// User-interface thread only.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace tavoro::ui {

class AboutLink : public QWidget {
  Q_OBJECT

 public:
  static constexpr QRgb kLinkColour = qRgb(0, 0, 255);
  static constexpr QRgb kVisitedColour = qRgb(128, 0, 128);

  AboutLink(const QString& address, QWidget* parent = nullptr);

  const QString& address() const { return m_address; }
  bool visited() const { return m_visited; }
  bool hovered() const { return m_hovered; }
  // The colour the text is drawn in now.
  QColor textColour() const;

  // Opens the address; remembers a success as visited.
  bool activate();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QRect textRect() const;

  QString m_address;
  bool m_visited = false;
  bool m_hovered = false;
  bool m_pressed = false;
};

}  // namespace tavoro::ui
