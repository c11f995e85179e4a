#include "ui/accessibility/AccessibleParts.h"

#include "ui/accessibility/Announcements.h"

namespace tavoro::ui {

namespace {

const QString kPress = QAccessibleActionInterface::pressAction();

}  // namespace

PartAccessible::PartAccessible(QWidget* control, PartSource* source, int index, QAccessible::Role role)
    : m_control(control), m_source(source), m_index(index), m_role(role) {}

bool PartAccessible::isValid() const { return m_control && m_index < m_source->partCount(); }

QWindow* PartAccessible::window() const {
  return m_control && m_control->window() ? m_control->window()->windowHandle() : nullptr;
}

QAccessibleInterface* PartAccessible::parent() const { return QAccessible::queryAccessibleInterface(m_control); }

QString PartAccessible::text(QAccessible::Text kind) const {
  return isValid() ? m_source->partText(m_index, kind) : QString();
}

QRect PartAccessible::rect() const {
  if (!isValid()) return QRect();
  const QRect local = m_source->partRect(m_index);
  return QRect(m_control->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State PartAccessible::state() const {
  if (!isValid()) {
    QAccessible::State gone;
    gone.invalid = true;
    return gone;
  }
  QAccessible::State state = m_source->partState(m_index);
  if (!m_control->isVisible()) state.invisible = true;
  return state;
}

void* PartAccessible::interface_cast(QAccessible::InterfaceType type) {
  return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList PartAccessible::actionNames() const { return isValid() ? QStringList{kPress} : QStringList(); }

void PartAccessible::doAction(const QString& actionName) {
  if (actionName == kPress && isValid()) m_source->activatePart(m_index);
}

PartsAccessible::PartsAccessible(QWidget* control, QAccessible::Role role, const QString& name,
                                 QAccessible::Role partRole)
    : QAccessibleWidget(control, role), m_name(name), m_partRole(partRole) {}

PartsAccessible::~PartsAccessible() {
  for (QAccessible::Id id : m_parts) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* PartsAccessible::child(int index) const {
  if (index < 0 || index >= partCount()) return nullptr;
  while (static_cast<int>(m_parts.size()) <= index) {
    auto* part = new PartAccessible(widget(), const_cast<PartsAccessible*>(this), static_cast<int>(m_parts.size()),
                                    m_partRole);
    m_parts.push_back(QAccessible::registerAccessibleInterface(part));
  }
  return QAccessible::accessibleInterface(m_parts[static_cast<size_t>(index)]);
}

int PartsAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (size_t i = 0; i < m_parts.size() && static_cast<int>(i) < partCount(); ++i)
    if (QAccessible::accessibleInterface(m_parts[i]) == child) return static_cast<int>(i);
  return -1;
}

QAccessibleInterface* PartsAccessible::childAt(int x, int y) const {
  const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
  for (int i = 0; i < partCount(); ++i)
    if (partRect(i).contains(local)) return child(i);
  return nullptr;
}

QString PartsAccessible::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return m_name;
  return QAccessibleWidget::text(kind);
}

void PartsAccessible::announceFocus(int index) const {
  if (index < 0 || index >= partCount() || !widget()->hasFocus()) return;
  QAccessibleEvent focus(widget(), QAccessible::Focus);
  focus.setChild(index);
  announce(focus);
}

void PartsAccessible::announceSelection() const {
  QAccessibleEvent selection(widget(), QAccessible::SelectionWithin);
  announce(selection);
}

}  // namespace tavoro::ui
