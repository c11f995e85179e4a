// CommandBar: a bar of command buttons built from a menu table. The
// items before the table's separator form the first group (at the left), the
// rest the second (at the right); with three items or more, the last two show
// only their icon and keep their text as tooltip. A bar too narrow for every
// label draws some labelled buttons as icons only as well (the second group's
// first, then the first group's from its end), so that the groups never
// overlap. Each button shows the action of its command (its enabled state
// follows the action's) and a click triggers it. From the keyboard the bar is
// one stop of the Tab order: Left, Right, Home and End move a dotted frame
// between the enabled buttons, Enter and Space trigger the framed one.
// User-interface thread only.
#pragma once

#include <QAction>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

namespace tavoro::ui {

class CommandBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 31;

  struct Button {
    int id = 0;
    QString text;
    bool secondGroup = false;
    bool labelled = true;  // false: drawn as an icon only, its text kept
    bool compact = false;  // labelled, but drawn as an icon only for want of room
    QString tooltip;
    bool enabled = true;
    QPointer<QAction> action;  // null until bound: then the button is disabled
  };

  // Built from the menu resource (the wardrobe page's bar is menu 272).
  explicit CommandBar(int menuResourceId, QWidget* parent = nullptr);

  const std::vector<Button>& buttons() const { return m_buttons; }
  // Binds each button to the action among actions that carries its command.
  void bindActions(const QList<QAction*>& actions);
  bool isButtonEnabled(int commandId) const;
  // The button's rectangle in the bar; empty when there is no such button.
  QRect buttonRect(int commandId) const;

  QSize sizeHint() const override;
  // The button the keys act on (index into buttons()), or -1.
  int focusButton() const { return m_focus; }

 signals:
  // The keys moved the frame to another button (for screen readers).
  void focusButtonChanged(int index);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int buttonWidth(const Button& button) const;
  // Width of the two groups side by side, with the margins and the gap between them.
  int neededWidth() const;
  void relayout();
  int buttonAt(QPoint pos) const;
  void setHot(int index);
  void setButtonEnabled(size_t index, bool enabled);
  // The next enabled button from from in direction step (+1, -1), or -1.
  int enabledButton(int from, int step) const;
  void setFocusButton(int index);

  std::vector<Button> m_buttons;
  std::vector<QRect> m_rects;
  int m_hot = -1;
  int m_pressed = -1;
  int m_focus = -1;
};

}  // namespace tavoro::ui
