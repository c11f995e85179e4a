// CommandBar: a bar of command buttons built from a menu table. The
// items before the table's separator form the first group (at the left), the
// rest the second (at the right); with three items or more, the last two show
// only their icon and keep their text as tooltip. A bar too narrow for every
// label draws some labelled buttons as icons only as well (the second group's
// first, then the first group's from its end), so that the groups never
// overlap. Each button shows the action of its command (its enabled state
// follows the action's) and a click triggers it. A table entry with a submenu
// is a menu button instead: labelled, with a small arrow, always enabled; a
// click opens its menu (the window's Undo and Redo first), whose entries show
// the bound actions as they stand. From the keyboard the bar is one stop of
// the Tab order: Left, Right, Home and End move a dotted frame between the
// enabled buttons, Enter and Space trigger the framed one (or open its menu).
// User-interface thread only.
#pragma once

#include <QAction>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <span>
#include <vector>

#include "ui/menus/MenuTables.h"

namespace tavoro::ui {

class PopupMenu;

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
    std::span<const MenuEntry> menu;  // a menu button's entries; empty for a command button
  };

  // Built from the menu resource (the wardrobe page's bar is menu 272).
  explicit CommandBar(int menuResourceId, QWidget* parent = nullptr);

  const std::vector<Button>& buttons() const { return m_buttons; }
  // Binds each button to the action among actions that carries its command;
  // a menu button's entries also find their commands among the window's own
  // actions when its menu opens.
  void bindActions(const QList<QAction*>& actions);
  bool isButtonEnabled(int commandId) const;
  // The button's rectangle in the bar; empty when there is no such button.
  QRect buttonRect(int commandId) const;
  // The menu of a menu button as it would show now (null for any other
  // button): the window's Undo and Redo, a separator, then its entries,
  // each enabled as the bound action of its command is.
  std::unique_ptr<PopupMenu> buttonMenu(int commandId) const;
  // Shows the menu button's menu under it and carries out the command
  // chosen once the menu has closed; returns that command, or 0.
  int openMenu(int commandId);
  // What a click on the button does: triggers its action, or opens its menu.
  void activateButton(int index);

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

  // What a menu's entries mirror and trigger: the window's actions, then the
  // bound ones (which take precedence for the same command).
  QList<QAction*> menuActions() const;

  std::vector<Button> m_buttons;
  std::vector<QRect> m_rects;
  QList<QPointer<QAction>> m_actions;  // what bindActions was given, for the menus
  int m_hot = -1;
  int m_pressed = -1;
  int m_focus = -1;
};

}  // namespace tavoro::ui
