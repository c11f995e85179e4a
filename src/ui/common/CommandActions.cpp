#include "ui/common/CommandActions.h"

#include <QPointer>
#include <QWidget>

#include "ui/common/CommandIds.h"
#include "ui/menus/PopupMenu.h"

namespace tavoro::ui {

QAction* addCommandAction(QWidget* owner, int commandId, const QString& text, std::function<void()> handler) {
  auto* action = new QAction(text, owner);
  action->setData(commandId);
  // A shortcut belongs to the window only when the owner gives it one.
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(action, &QAction::triggered, owner, [handler = std::move(handler)] { handler(); });
  owner->addAction(action);
  return action;
}

QAction* findCommandAction(const QWidget* owner, int commandId) {
  if (!owner) return nullptr;
  for (QAction* action : owner->actions())
    if (!action->isSeparator() && action->data().toInt() == commandId) return action;
  return nullptr;
}

bool triggerCommand(const QWidget* owner, int commandId) {
  QAction* action = findCommandAction(owner, commandId);
  if (!action || !action->isEnabled()) return false;
  action->trigger();
  return true;
}

int runCommandMenu(int menuResourceId, QWidget* owner, QPoint globalPos, int defaultCommand, bool editCommands) {
  auto menu = PopupMenu::fromResource(menuResourceId);
  if (!menu || !owner) return 0;
  menu->mirrorActions(owner->actions());
  if (defaultCommand) menu->setDefaultCommand(defaultCommand);
  if (editCommands) {
    QList<QAction*> edit;
    for (const int id : {kCmdUndo, kCmdRedo})
      if (QAction* action = findCommandAction(owner->window(), id)) edit.push_back(action);
    // Carried out by the menu itself, as the window's own actions.
    menu->prependActions(edit);
  }
  QPointer<QWidget> self(owner);
  const int chosen = menu->track(globalPos, owner);
  // The menu is gone before the command runs: it may ask a question or
  // open a dialog of its own.
  menu.reset();
  if (self && chosen) triggerCommand(self, chosen);
  return self ? chosen : 0;
}

}  // namespace tavoro::ui
