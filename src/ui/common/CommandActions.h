// Commands as actions: each command of the program is a QAction owned by the
// widget that carries it out, with the command's number (as the menu and key
// tables name it) as the action's data. Its handler and its enabled state
// live with the owner; menus and the command bar only show the actions and
// trigger them. User-interface thread only.
#pragma once

#include <QAction>
#include <QPoint>
#include <functional>

class QWidget;

namespace tavoro::ui {

// Makes owner's action for the command (added to owner's actions), which
// calls handler when triggered and enabled.
QAction* addCommandAction(QWidget* owner, int commandId, const QString& text, std::function<void()> handler);

// owner's action for the command, or null.
QAction* findCommandAction(const QWidget* owner, int commandId);

// Triggers owner's action for the command when it has one and it is
// enabled; true then.
bool triggerCommand(const QWidget* owner, int commandId);

// Shows the context menu of the menu table at globalPos: its entries are
// owner's actions as they stand (enabled, checked), those owner lacks
// greyed. The chosen action is triggered once the menu has closed, when
// owner still exists; defaultCommand (when not 0) is drawn in bold. With
// editCommands, the window's Undo and Redo come first (the menus of the
// wardrobe page). Returns the chosen command, or 0.
int runCommandMenu(int menuResourceId, QWidget* owner, QPoint globalPos, int defaultCommand = 0,
                   bool editCommands = false);

}  // namespace tavoro::ui
