#include "ui/menus/PopupMenu.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QStyleOptionMenuItem>

#include "ui/common/QtText.h"
#include "ui/common/UiFonts.h"
#include "ui/menus/CommandIcons.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenuStyle.h"

namespace tavoro::ui {

namespace {

constexpr const char* kKeyTextProperty = "tavoroKeyText";
constexpr const char* kRadioProperty = "tavoroRadio";

QPointer<PopupMenu>& trackedMenu() {
  static QPointer<PopupMenu> menu;
  return menu;
}

QScreen* nearestScreen(QPoint point) {
  QScreen* best = QGuiApplication::primaryScreen();
  qint64 bestDistance = -1;
  for (QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->geometry();
    const qint64 dx = point.x() < area.left() ? area.left() - point.x() : qMax(0, point.x() - area.right());
    const qint64 dy = point.y() < area.top() ? area.top() - point.y() : qMax(0, point.y() - area.bottom());
    const qint64 distance = dx * dx + dy * dy;
    if (bestDistance < 0 || distance < bestDistance) {
      best = screen;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace

PopupMenu::PopupMenu(QWidget* parent) : QMenu(parent) {
  setObjectName(QStringLiteral("PopupMenu"));
  setStyle(new PopupMenuStyle(this));
  setFont(UiFont());
  setSeparatorsCollapsible(false);
}

std::unique_ptr<PopupMenu> PopupMenu::fromResource(int resourceId) {
  const MenuTable* table = findMenuTable(resourceId);
  if (!table) return nullptr;
  auto menu = std::make_unique<PopupMenu>();
  menu->setObjectName(QString::fromUtf8(table->name));
  menu->addEntries(table->entries);
  return menu;
}

void PopupMenu::addEntries(std::span<const MenuEntry> entries) {
  for (const MenuEntry& entry : entries) {
    if (!entry.submenu.empty())
      addSubmenu(menuLabel(entry))->addEntries(entry.submenu);
    else if (entry.id == 0)
      addSeparator();
    else
      addCommand(entry.id, menuLabel(entry), menuKey(entry));
  }
}

QAction* PopupMenu::addCommand(int commandId, const QString& label, const QString& keyText) {
  QAction* action = addAction(label);
  action->setData(commandId);
  action->setProperty(kKeyTextProperty, keyText);
  const QPixmap colour = commandIcon(commandId);
  if (!colour.isNull()) {
    QIcon icon;
    icon.addPixmap(colour, QIcon::Normal);
    icon.addPixmap(commandIcon(commandId, true), QIcon::Disabled);
    action->setIcon(icon);
    action->setIconVisibleInMenu(true);
  }
  return action;
}

PopupMenu* PopupMenu::addSubmenu(const QString& label) {
  auto* submenu = new PopupMenu(this);
  submenu->setTitle(label);
  addMenu(submenu);
  return submenu;
}

QAction* PopupMenu::commandAction(int commandId) const {
  for (QAction* action : actions()) {
    if (auto* submenu = qobject_cast<PopupMenu*>(action->menu())) {
      if (QAction* found = submenu->commandAction(commandId)) return found;
    } else if (!action->isSeparator() && action->data().toInt() == commandId) {
      return action;
    }
  }
  return nullptr;
}

PopupMenu* PopupMenu::submenu(const QString& label) const {
  for (QAction* action : actions())
    if (auto* menu = qobject_cast<PopupMenu*>(action->menu()); menu && action->text() == label) return menu;
  return nullptr;
}

void PopupMenu::setCommandChecked(int commandId, bool checked, bool radio) {
  QAction* action = commandAction(commandId);
  if (!action) return;
  action->setCheckable(true);
  action->setChecked(checked);
  action->setProperty(kRadioProperty, radio);
}

void PopupMenu::prependActions(const QList<QAction*>& actions) {
  if (actions.isEmpty()) return;
  QAction* first = QMenu::actions().isEmpty() ? nullptr : QMenu::actions().front();
  insertActions(first, actions);
  if (first) insertSeparator(first);
}

void PopupMenu::setKeyText(QAction* action, const QString& keyText) { action->setProperty(kKeyTextProperty, keyText); }

void PopupMenu::mirrorActions(const QList<QAction*>& actions) {
  for (QAction* item : QMenu::actions()) {
    if (auto* sub = qobject_cast<PopupMenu*>(item->menu())) {
      sub->mirrorActions(actions);
      continue;
    }
    if (item->isSeparator()) continue;
    const int id = item->data().toInt();
    QAction* source = nullptr;
    for (QAction* action : actions)
      if (!action->isSeparator() && action->data().toInt() == id) source = action;
    item->setEnabled(source && source->isEnabled());
    if (source && source->isCheckable()) {
      const QActionGroup* group = source->actionGroup();
      setCommandChecked(id, source->isChecked(), group && group->isExclusive());
    }
  }
}

void PopupMenu::setCommandEnabled(int commandId, bool enabled) {
  if (QAction* action = commandAction(commandId)) action->setEnabled(enabled);
}

void PopupMenu::setDefaultCommand(int commandId) { setDefaultAction(commandId ? commandAction(commandId) : nullptr); }

void PopupMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenu::initStyleOption(option, action);
  // The key text travels beside the label so that the menu's own layout never
  // adds a shortcut column: the style measures and draws the whole item.
  const QString key = action->property(kKeyTextProperty).toString();
  if (!key.isEmpty()) option->text = action->text() + u'\t' + key;
  if (action->isCheckable() && action->property(kRadioProperty).toBool())
    option->checkType = QStyleOptionMenuItem::Exclusive;
}

int PopupMenu::track(QPoint globalPos, QWidget* owner) {
  if (trackedMenu()) return 0;
  if (!QGuiApplication::screenAt(globalPos)) {
    const QRect work = nearestScreen(globalPos)->availableGeometry();
    globalPos.setX(qBound(work.left(), globalPos.x(), work.right()));
  }
  QPointer<QWidget> watchedOwner(owner);
  QPointer<PopupMenu> self(this);
  trackedMenu() = this;
  QAction* chosen = exec(globalPos);
  if (!self) return 0;
  trackedMenu() = nullptr;
  if (!chosen || (owner && !watchedOwner)) return 0;
  return chosen->data().toInt();
}

bool PopupMenu::isTracking() { return !trackedMenu().isNull(); }

QPoint contextMenuPosition(const QWidget* owner, const QContextMenuEvent& event) {
  QRect client(owner->mapToGlobal(QPoint(0, 0)), owner->size());
  if (const QScreen* screen = owner->screen()) client &= screen->availableGeometry();
  if (event.reason() == QContextMenuEvent::Keyboard || !client.contains(event.globalPos())) return client.topLeft();
  return event.globalPos();
}

}  // namespace tavoro::ui
