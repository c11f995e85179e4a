// A context menu of the program: built from a menu table, drawn in the
// program's own look (PopupMenuStyle) and shown through track(), which allows
// one popup menu at a time. User-interface thread only.
#pragma once

#include <QMenu>
#include <QString>
#include <memory>
#include <span>

class QContextMenuEvent;

namespace tavoro::ui {

struct MenuEntry;

class PopupMenu : public QMenu {
  Q_OBJECT

 public:
  explicit PopupMenu(QWidget* parent = nullptr);

  // The menu of a menu resource (its table's entries in order), or null when
  // there is no such menu.
  static std::unique_ptr<PopupMenu> fromResource(int resourceId);

  // An item for a command; the key text is drawn right-aligned and is only a
  // reminder of the key (the shortcut itself belongs to whoever handles it).
  QAction* addCommand(int commandId, const QString& label, const QString& keyText = QString());
  // A submenu item; the submenu is drawn in the same look and belongs to this menu.
  PopupMenu* addSubmenu(const QString& label);
  // The entries of a menu table, submenus included.
  void addEntries(std::span<const MenuEntry> entries);
  // The item of a command (in a submenu too), or null.
  QAction* commandAction(int commandId) const;
  // The submenu with that label, or null.
  PopupMenu* submenu(const QString& label) const;
  void setCommandEnabled(int commandId, bool enabled);
  // Marks the item as chosen: with the radio mark when it is one of several
  // choices of which one holds (such as a view), else with the check mark.
  void setCommandChecked(int commandId, bool checked, bool radio = false);
  // The item drawn in bold (and measured in bold); 0 for none.
  void setDefaultCommand(int commandId);
  // Puts these actions themselves (not copies) first, then a separator: the
  // window's Undo and Redo, whose text names the step.
  void prependActions(const QList<QAction*>& actions);
  // The key text drawn right-aligned beside an action's item.
  static void setKeyText(QAction* action, const QString& keyText);
  // Each command item takes the state of the action among actions that
  // carries its command (enabled; checked, with the radio mark when the
  // action is exclusive in a group); an item without one is disabled.
  void mirrorActions(const QList<QAction*>& actions);

  // Shows the menu at the screen position on behalf of owner and waits until
  // it closes. Returns the chosen command id, or 0 when the menu was closed
  // without a choice, when another popup menu is already open (nothing is
  // shown then), or when owner was destroyed meanwhile.
  int track(QPoint globalPos, QWidget* owner);

  // True while any popup menu is shown through track().
  static bool isTracking();

 protected:
  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

// Where the context menu of owner opens for this event: at the event's screen
// position, or at the top-left corner of owner's client area (cut to the work
// area) when the menu was asked for with the keyboard or the position lies
// outside that area.
QPoint contextMenuPosition(const QWidget* owner, const QContextMenuEvent& event);

}  // namespace tavoro::ui
