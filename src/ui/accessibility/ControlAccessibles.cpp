#include "ui/accessibility/ControlAccessibles.h"

#include <QCoreApplication>

#include "ui/controls/CommandBar.h"
#include "ui/controls/ListBoxRow.h"
#include "ui/controls/RowList.h"
#include "ui/controls/TabStrip.h"
#include "ui/home/NavigationLink.h"

namespace tavoro::ui {

// --- Row lists ----------------------------------------------------------------------

RowListAccessible::RowListAccessible(RowList* list, const QString& name)
    : PartsAccessible(list, QAccessible::List, name, QAccessible::ListItem) {
  // The connections go with the list; the interface lives as long.
  QObject::connect(list, &RowList::rowFocused, list, [this](int index) {
    announceFocus(index);
    announceSelection();
  });
  QObject::connect(list, &RowList::selectionChanged, list, [this] { announceSelection(); });
}

RowList* RowListAccessible::list() const { return static_cast<RowList*>(widget()); }

QAccessibleInterface* RowListAccessible::focusChild() const {
  if (!list()->hasFocus()) return nullptr;
  const int index = list()->row(list()->focusRow()) ? list()->focusRow() : list()->firstSelectedRow();
  return index >= 0 ? child(index) : nullptr;
}

QAccessible::State RowListAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.multiSelectable = true;
  return state;
}

int RowListAccessible::partCount() const { return list()->rowCount(); }

QString RowListAccessible::partText(int index, QAccessible::Text kind) const {
  const ListBoxRow* row = list()->row(index);
  if (!row) return QString();
  switch (kind) {
    case QAccessible::Name:
      return row->accessibleName();
    case QAccessible::Description:
      return row->accessibleDescription();
    default:
      return QString();
  }
}

QRect RowListAccessible::partRect(int index) const {
  const QRect inViewport = list()->rowRect(index);
  return QRect(list()->viewport()->mapTo(list(), inViewport.topLeft()), inViewport.size());
}

QAccessible::State RowListAccessible::partState(int index) const {
  QAccessible::State state;
  const ListBoxRow* row = list()->row(index);
  if (!row) return state;
  state.selectable = row->isSelectable();
  state.selected = row->isSelected();
  state.focusable = row->isSelectable();
  state.focused = list()->hasFocus() && index == list()->focusRow();
  state.disabled = !row->isSelectable();
  // A row scrolled out of the list is there, but not seen.
  if (!list()->viewport()->rect().intersects(list()->rowRect(index))) state.offscreen = true;
  return state;
}

void RowListAccessible::activatePart(int index) {
  if (!list()->row(index) || !list()->row(index)->isSelectable()) return;
  list()->selectRowAlone(index);
  emit list()->selectionChanged();
}

// --- The tab strip --------------------------------------------------------------------

TabStripAccessible::TabStripAccessible(TabStrip* tabs)
    : PartsAccessible(tabs, QAccessible::PageTabList, QCoreApplication::translate("Accessibility", "Pages"),
                      QAccessible::PageTab) {
  QObject::connect(tabs, &TabStrip::currentChanged, tabs, [this](int index) { announceFocus(index); });
}

TabStrip* TabStripAccessible::tabs() const { return static_cast<TabStrip*>(widget()); }

QAccessibleInterface* TabStripAccessible::focusChild() const {
  return tabs()->hasFocus() && tabs()->currentIndex() >= 0 ? child(tabs()->currentIndex()) : nullptr;
}

int TabStripAccessible::partCount() const { return tabs()->tabCount(); }

QString TabStripAccessible::partText(int index, QAccessible::Text kind) const {
  return kind == QAccessible::Name ? tabs()->tabText(index) : QString();
}

QRect TabStripAccessible::partRect(int index) const { return tabs()->tabRect(index); }

QAccessible::State TabStripAccessible::partState(int index) const {
  QAccessible::State state;
  state.selectable = true;
  state.focusable = true;
  state.selected = index == tabs()->currentIndex();
  state.focused = state.selected && tabs()->hasFocus();
  state.invisible = tabs()->isTabHidden(index);
  return state;
}

void TabStripAccessible::activatePart(int index) { tabs()->select(index); }

// --- The command bar -------------------------------------------------------------------

CommandBarAccessible::CommandBarAccessible(CommandBar* bar)
    : PartsAccessible(bar, QAccessible::ToolBar, QCoreApplication::translate("Accessibility", "Commands"),
                      QAccessible::Button) {
  QObject::connect(bar, &CommandBar::focusButtonChanged, bar, [this](int index) { announceFocus(index); });
}

CommandBar* CommandBarAccessible::bar() const { return static_cast<CommandBar*>(widget()); }

QAccessibleInterface* CommandBarAccessible::focusChild() const {
  return bar()->hasFocus() && bar()->focusButton() >= 0 ? child(bar()->focusButton()) : nullptr;
}

int CommandBarAccessible::partCount() const { return static_cast<int>(bar()->buttons().size()); }

QString CommandBarAccessible::partText(int index, QAccessible::Text kind) const {
  const CommandBar::Button& button = bar()->buttons()[static_cast<size_t>(index)];
  if (kind == QAccessible::Name) return button.text;
  if (kind == QAccessible::Description && button.tooltip != button.text) return button.tooltip;
  return QString();
}

QRect CommandBarAccessible::partRect(int index) const {
  return bar()->buttonRect(bar()->buttons()[static_cast<size_t>(index)].id);
}

QAccessible::State CommandBarAccessible::partState(int index) const {
  QAccessible::State state;
  const CommandBar::Button& button = bar()->buttons()[static_cast<size_t>(index)];
  state.disabled = !button.enabled;
  state.focusable = button.enabled;
  state.focused = bar()->hasFocus() && index == bar()->focusButton();
  return state;
}

void CommandBarAccessible::activatePart(int index) { bar()->activateButton(index); }

// --- Links and the controls that only show ------------------------------------------------

NavigationLinkAccessible::NavigationLinkAccessible(NavigationLink* link) : QAccessibleWidget(link, QAccessible::Link) {}

QString NavigationLinkAccessible::text(QAccessible::Text kind) const {
  const auto* link = static_cast<const NavigationLink*>(widget());
  if (kind == QAccessible::Name) return link->text();
  if (kind == QAccessible::Description) return link->tooltipText();
  if (kind == QAccessible::Value) return link->address();
  return QAccessibleWidget::text(kind);
}

QStringList NavigationLinkAccessible::actionNames() const { return {pressAction()}; }

void NavigationLinkAccessible::doAction(const QString& actionName) {
  if (actionName == pressAction()) static_cast<NavigationLink*>(widget())->activate();
}

DescribedAccessible::DescribedAccessible(QWidget* widget, QAccessible::Role role, std::function<QString()> name,
                                         std::function<QString()> description)
    : QAccessibleWidget(widget, role), m_name(std::move(name)), m_description(std::move(description)) {}

QString DescribedAccessible::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Name && widget()->accessibleName().isEmpty() && m_name) return m_name();
  if (kind == QAccessible::Description && widget()->accessibleDescription().isEmpty() && m_description)
    return m_description();
  return QAccessibleWidget::text(kind);
}

}  // namespace tavoro::ui
