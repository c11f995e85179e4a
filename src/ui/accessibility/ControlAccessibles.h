// The accessible interfaces of the program's own controls: the row lists as
// lists of named items, the tab strip as page tabs, the command bar as a tool
// bar of buttons, a navigation link as a link, and the controls that only
// show something (the info strip, the hints, the banner, the photos) as labels
// and pictures named by what they show. User-interface thread only.
#pragma once

#include <QAccessibleWidget>
#include <functional>

#include "ui/accessibility/AccessibleParts.h"

namespace tavoro::ui {

class CommandBar;
class NavigationLink;
class RowList;
class TabStrip;

// A row list: a list of its rows, each named by the row itself (a
// collection and its item count, a tag and its value, a wardrobe and its
// path, a search result, a suggestion).
class RowListAccessible : public PartsAccessible {
 public:
  RowListAccessible(RowList* list, const QString& name);

  QAccessibleInterface* focusChild() const override;
  QAccessible::State state() const override;

  int partCount() const override;
  QString partText(int index, QAccessible::Text kind) const override;
  QRect partRect(int index) const override;
  QAccessible::State partState(int index) const override;
  void activatePart(int index) override;

 private:
  RowList* list() const;
};

// The tab strip: a page tab list of its visible tabs.
class TabStripAccessible : public PartsAccessible {
 public:
  explicit TabStripAccessible(TabStrip* tabs);

  QAccessibleInterface* focusChild() const override;

  int partCount() const override;
  QString partText(int index, QAccessible::Text kind) const override;
  QRect partRect(int index) const override;
  QAccessible::State partState(int index) const override;
  void activatePart(int index) override;

 private:
  TabStrip* tabs() const;
};

// The command bar: a tool bar of its buttons, named by their labels
// (shown or not), unavailable while disabled.
class CommandBarAccessible : public PartsAccessible {
 public:
  explicit CommandBarAccessible(CommandBar* bar);

  QAccessibleInterface* focusChild() const override;

  int partCount() const override;
  QString partText(int index, QAccessible::Text kind) const override;
  QRect partRect(int index) const override;
  QAccessible::State partState(int index) const override;
  void activatePart(int index) override;

 private:
  CommandBar* bar() const;
};

// A navigation link of the home page: a link named by its text, described by
// its tooltip, which "press" follows.
class NavigationLinkAccessible : public QAccessibleWidget {
 public:
  explicit NavigationLinkAccessible(NavigationLink* link);
  QString text(QAccessible::Text kind) const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
};

// A control that shows something without parts of its own, with its name and
// description worked out when asked (they follow what the control shows).
class DescribedAccessible : public QAccessibleWidget {
 public:
  DescribedAccessible(QWidget* widget, QAccessible::Role role, std::function<QString()> name,
                      std::function<QString()> description = {});
  QString text(QAccessible::Text kind) const override;

 private:
  std::function<QString()> m_name;
  std::function<QString()> m_description;
};

}  // namespace tavoro::ui
