#include "ui/controls/CommandBar.h"

#include <algorithm>

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/QtText.h"
#include "ui/common/UiFonts.h"
#include "ui/menus/CommandIcons.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenu.h"

namespace tavoro::ui {

namespace {

constexpr int kOuterMargin = 6;
constexpr int kButtonGap = 2;
constexpr int kGroupGap = 16;
constexpr int kButtonTop = 3;
constexpr int kButtonHeight = 25;
constexpr int kPadding = 7;
constexpr int kIconGap = 5;
constexpr int kArrowGap = 5;    // between a menu button's label and its arrow
constexpr int kArrowWidth = 7;  // the arrow: a triangle 7 pixels wide, 4 high

const QColor kTextColour(61, 75, 102);
const QColor kGreyText(160, 166, 178);

}  // namespace

CommandBar::CommandBar(int menuResourceId, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("CommandBar"));
  setFocusPolicy(Qt::TabFocus);
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  const MenuTable* table = findMenuTable(menuResourceId);
  if (!table) return;
  int items = 0;
  for (const MenuEntry& entry : table->entries) items += entry.id != 0 ? 1 : 0;
  bool secondGroup = false;
  int index = 0;
  for (const MenuEntry& entry : table->entries) {
    if (entry.id == 0) {
      secondGroup = true;
      continue;
    }
    Button button;
    button.id = entry.id;
    button.text = menuLabel(entry);
    button.secondGroup = secondGroup;
    button.menu = entry.submenu;
    // The last two show their icons alone; one without an icon keeps its
    // label, or it would show nothing.
    button.labelled =
        items < 3 || index < items - 2 || !button.menu.empty() || commandIconCell(button.id) < 0;
    if (!button.labelled) button.tooltip = button.text;
    m_buttons.push_back(button);
    ++index;
  }
  relayout();
}

int CommandBar::buttonWidth(const Button& button) const {
  const bool hasIcon = commandIconCell(button.id) >= 0;
  int width = 2 * kPadding + (hasIcon ? kCommandIconSize : 0);
  if (button.labelled && !button.compact)
    width += (hasIcon ? kIconGap : 0) + QFontMetrics(UiFont()).horizontalAdvance(button.text);
  if (!button.menu.empty()) width += kArrowGap + kArrowWidth;
  return width;
}

int CommandBar::neededWidth() const {
  int width = 2 * kOuterMargin + kGroupGap;
  for (const Button& button : m_buttons) width += buttonWidth(button) + kButtonGap;
  return width;
}

void CommandBar::relayout() {
  // Labels go one by one until both groups fit: the second group's first, as
  // it holds the less used commands, then the first group's from its end. A
  // button without an icon keeps its label, or it would show nothing.
  std::vector<size_t> shedding;
  for (size_t i = 0; i < m_buttons.size(); ++i)
    if (m_buttons[i].secondGroup) shedding.push_back(i);
  for (size_t i = m_buttons.size(); i-- > 0;)
    if (!m_buttons[i].secondGroup) shedding.push_back(i);
  for (Button& button : m_buttons) button.compact = false;
  int needed = neededWidth();
  for (size_t i : shedding) {
    if (needed <= width()) break;
    Button& button = m_buttons[i];
    if (!button.labelled || commandIconCell(button.id) < 0) continue;
    const int labelledWidth = buttonWidth(button);
    button.compact = true;
    needed -= labelledWidth - buttonWidth(button);
  }

  m_rects.assign(m_buttons.size(), QRect());
  int left = kOuterMargin;
  for (size_t i = 0; i < m_buttons.size(); ++i) {
    if (m_buttons[i].secondGroup) continue;
    const int width = buttonWidth(m_buttons[i]);
    m_rects[i] = QRect(left, kButtonTop, width, kButtonHeight);
    left += width + kButtonGap;
  }
  // Right-aligned, but never over the first group: a bar narrower than even
  // the icons cuts the second group off at its right edge instead.
  int secondGroupWidth = 0;
  for (const Button& button : m_buttons)
    if (button.secondGroup) secondGroupWidth += buttonWidth(button) + kButtonGap;
  int right = std::max(width() - kOuterMargin, left - kButtonGap + kGroupGap + secondGroupWidth - kButtonGap);
  for (size_t i = m_buttons.size(); i-- > 0;) {
    if (!m_buttons[i].secondGroup) continue;
    const int width = buttonWidth(m_buttons[i]);
    m_rects[i] = QRect(right - width, kButtonTop, width, kButtonHeight);
    right -= width + kButtonGap;
  }
  update();
}

void CommandBar::bindActions(const QList<QAction*>& actions) {
  m_actions.clear();
  for (QAction* action : actions) m_actions.push_back(action);
  for (size_t i = 0; i < m_buttons.size(); ++i) {
    Button& button = m_buttons[i];
    // A menu opens whatever its entries' states: they show them greyed.
    if (!button.menu.empty()) continue;
    for (QAction* action : actions) {
      if (action->isSeparator() || action->data().toInt() != button.id) continue;
      button.action = action;
      connect(action, &QAction::changed, this, [this, i, action] { setButtonEnabled(i, action->isEnabled()); });
      connect(action, &QAction::toggled, this, qOverload<>(&QWidget::update));
      setButtonEnabled(i, action->isEnabled());
      break;
    }
    if (!button.action) setButtonEnabled(i, false);
  }
}

void CommandBar::setButtonEnabled(size_t index, bool enabled) {
  Button& button = m_buttons[index];
  if (button.enabled == enabled) return;
  button.enabled = enabled;
  if (index < m_rects.size()) update(m_rects[index]);
}

bool CommandBar::isButtonEnabled(int commandId) const {
  for (const Button& button : m_buttons)
    if (button.id == commandId) return button.enabled;
  return false;
}

QRect CommandBar::buttonRect(int commandId) const {
  for (size_t i = 0; i < m_buttons.size(); ++i)
    if (m_buttons[i].id == commandId) return m_rects[i];
  return QRect();
}

std::unique_ptr<PopupMenu> CommandBar::buttonMenu(int commandId) const {
  const auto button = std::find_if(m_buttons.begin(), m_buttons.end(),
                                   [commandId](const Button& b) { return b.id == commandId && !b.menu.empty(); });
  if (button == m_buttons.end()) return nullptr;
  auto menu = std::make_unique<PopupMenu>();
  menu->setObjectName(QStringLiteral("CommandBarMenu"));
  menu->addEntries(button->menu);
  menu->mirrorActions(menuActions());
  QList<QAction*> edit;
  for (const int id : {kCmdUndo, kCmdRedo})
    if (QAction* action = findCommandAction(window(), id)) edit.push_back(action);
  // Carried out by the menu itself, as the window's own actions.
  menu->prependActions(edit);
  return menu;
}

int CommandBar::openMenu(int commandId) {
  std::unique_ptr<PopupMenu> menu = buttonMenu(commandId);
  if (!menu) return 0;
  const int index = static_cast<int>(
      std::find_if(m_buttons.begin(), m_buttons.end(), [commandId](const Button& b) { return b.id == commandId; }) -
      m_buttons.begin());
  const QRect under = m_rects[static_cast<size_t>(index)];
  QList<QAction*> edit;
  for (QAction* action : menu->actions())
    if (action->parent() != menu.get() && !action->isSeparator()) edit.push_back(action);
  // The button stays down while its menu shows.
  m_pressed = index;
  update(under);
  QPointer<CommandBar> self(this);
  const int chosen = menu->track(mapToGlobal(under.bottomLeft() + QPoint(0, 1)), this);
  // The menu is gone before the command runs: it may ask a question or open
  // a dialog of its own.
  menu.reset();
  if (!self) return 0;
  m_pressed = -1;
  update(under);
  if (!chosen) return 0;
  for (QAction* action : edit)
    if (action->data().toInt() == chosen) return chosen;  // the menu triggered it itself
  QAction* source = nullptr;
  for (QAction* action : menuActions())
    if (!action->isSeparator() && action->data().toInt() == chosen) source = action;
  if (source && source->isEnabled()) source->trigger();
  return chosen;
}

QList<QAction*> CommandBar::menuActions() const {
  // The window's actions as they are now, so that a command the window gained
  // after the bar was bound still shows; the bound ones come last and win.
  QList<QAction*> actions;
  if (const QWidget* frame = window(); frame && frame != this) actions = frame->actions();
  for (const QPointer<QAction>& action : m_actions)
    if (action) actions.push_back(action);
  return actions;
}

QSize CommandBar::sizeHint() const {
  int width = 2 * kOuterMargin + kGroupGap;
  for (const Button& button : m_buttons) {
    Button labelled = button;
    labelled.compact = false;
    width += buttonWidth(labelled) + kButtonGap;
  }
  return QSize(width, kHeight);
}

int CommandBar::buttonAt(QPoint pos) const {
  for (size_t i = 0; i < m_rects.size(); ++i)
    if (m_rects[i].contains(pos)) return static_cast<int>(i);
  return -1;
}

void CommandBar::setHot(int index) {
  if (index == m_hot) return;
  if (m_hot >= 0) update(m_rects[static_cast<size_t>(m_hot)]);
  m_hot = index;
  if (m_hot >= 0) update(m_rects[static_cast<size_t>(m_hot)]);
}

bool CommandBar::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int index = buttonAt(help->pos());
    const Button* button = index >= 0 ? &m_buttons[static_cast<size_t>(index)] : nullptr;
    const QString text = !button ? QString() : button->compact ? button->text : button->tooltip;
    if (!text.isEmpty())
      QToolTip::showText(help->globalPos(), text, this, m_rects[static_cast<size_t>(index)]);
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

void CommandBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient background(0, 0, 0, height());
  background.setColorAt(0, QColor(252, 253, 255));
  background.setColorAt(1, QColor(233, 238, 246));
  painter.fillRect(rect(), background);
  painter.fillRect(QRect(0, height() - 1, width(), 1), QColor(196, 206, 222));

  for (size_t i = 0; i < m_buttons.size(); ++i) {
    const Button& button = m_buttons[i];
    const QRect rect = m_rects[i];
    const int index = static_cast<int>(i);
    // A checked button (a view that shows) stays down.
    const bool checked = button.action && button.action->isChecked();
    if ((button.enabled && (index == m_hot || index == m_pressed)) || checked) {
      // A menu button stays down while its menu shows, wherever the mouse is.
      const bool down = checked || (index == m_pressed && (index == m_hot || !button.menu.empty()));
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setPen(down ? QColor(126, 146, 184) : QColor(160, 178, 210));
      painter.setBrush(down ? QColor(200, 213, 236) : QColor(223, 232, 248));
      painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
      painter.setRenderHint(QPainter::Antialiasing, false);
    }
    int x = rect.left() + kPadding;
    const QPixmap icon = commandIcon(button.id, !button.enabled);
    if (!icon.isNull()) {
      painter.drawPixmap(x, rect.top() + (rect.height() - icon.height()) / 2, icon);
      x += icon.width() + kIconGap;
    }
    if (button.labelled && !button.compact) {
      painter.setFont(UiFont());
      painter.setPen(button.enabled ? kTextColour : kGreyText);
      painter.drawText(QRect(x, rect.top(), rect.right() - x, rect.height()),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, button.text);
    }
    if (!button.menu.empty()) {
      const int left = rect.right() + 1 - kPadding - kArrowWidth;
      const int top = rect.top() + rect.height() / 2 - 1;
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setPen(Qt::NoPen);
      painter.setBrush(button.enabled ? kTextColour : kGreyText);
      const QPointF arrow[3] = {QPointF(left, top), QPointF(left + kArrowWidth, top),
                                QPointF(left + kArrowWidth / 2.0, top + 4)};
      painter.drawPolygon(arrow, 3);
      painter.setRenderHint(QPainter::Antialiasing, false);
    }
    if (index == m_focus && hasFocus()) {
      QPen pen(kTextColour);
      pen.setStyle(Qt::DotLine);
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(rect.adjusted(1, 1, -2, -2));
    }
  }
}

void CommandBar::resizeEvent(QResizeEvent*) { relayout(); }

int CommandBar::enabledButton(int from, int step) const {
  for (int i = from + step; i >= 0 && i < static_cast<int>(m_buttons.size()); i += step)
    if (m_buttons[static_cast<size_t>(i)].enabled) return i;
  return -1;
}

void CommandBar::setFocusButton(int index) {
  if (index == m_focus) return;
  if (m_focus >= 0) update(m_rects[static_cast<size_t>(m_focus)]);
  m_focus = index;
  if (m_focus >= 0) update(m_rects[static_cast<size_t>(m_focus)]);
  emit focusButtonChanged(index);
}

void CommandBar::keyPressEvent(QKeyEvent* event) {
  const int count = static_cast<int>(m_buttons.size());
  int target = -1;
  switch (event->key()) {
    case Qt::Key_Left:
      target = enabledButton(m_focus, -1);
      break;
    case Qt::Key_Right:
      target = enabledButton(m_focus, 1);
      break;
    case Qt::Key_Home:
      target = enabledButton(-1, 1);
      break;
    case Qt::Key_End:
      target = enabledButton(count, -1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (!event->isAutoRepeat() && m_focus >= 0) activateButton(m_focus);
      return;
    case Qt::Key_Down:
      // Down opens a menu button's menu, as in a menu bar.
      if (m_focus >= 0 && !m_buttons[static_cast<size_t>(m_focus)].menu.empty()) activateButton(m_focus);
      return;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  if (target >= 0) setFocusButton(target);
}

void CommandBar::focusInEvent(QFocusEvent*) {
  // The frame comes back where it was, or on the first enabled button.
  if (m_focus < 0 || !m_buttons[static_cast<size_t>(m_focus)].enabled) setFocusButton(enabledButton(-1, 1));
  update();
}

void CommandBar::focusOutEvent(QFocusEvent*) { update(); }

void CommandBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int index = buttonAt(event->position().toPoint());
  if (index < 0 || !m_buttons[static_cast<size_t>(index)].enabled) return;
  m_pressed = index;
  update(m_rects[static_cast<size_t>(index)]);
}

void CommandBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || m_pressed < 0) return;
  const int pressed = m_pressed;
  m_pressed = -1;
  update(m_rects[static_cast<size_t>(pressed)]);
  if (buttonAt(event->position().toPoint()) == pressed) activateButton(pressed);
}

void CommandBar::activateButton(int index) {
  if (index < 0 || index >= static_cast<int>(m_buttons.size())) return;
  const Button& button = m_buttons[static_cast<size_t>(index)];
  if (!button.enabled) return;
  if (!button.menu.empty())
    openMenu(button.id);
  else if (button.action)
    button.action->trigger();
}

void CommandBar::mouseMoveEvent(QMouseEvent* event) { setHot(buttonAt(event->position().toPoint())); }

void CommandBar::leaveEvent(QEvent*) { setHot(-1); }

}  // namespace tavoro::ui
