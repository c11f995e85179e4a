// The parts of a control that the program draws itself (the rows of a list,
// the tabs of the tab strip, the buttons of the command bar) as accessible
// objects of their own: each part is an index into its control, and the
// control's interface (a PartSource) answers for it. User-interface thread
// only.
#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace tavoro::ui {

// What a control's interface knows of its parts.
class PartSource {
 public:
  virtual ~PartSource() = default;
  virtual int partCount() const = 0;
  virtual QString partText(int index, QAccessible::Text kind) const = 0;
  // The part's rectangle in the control's coordinates.
  virtual QRect partRect(int index) const = 0;
  virtual QAccessible::State partState(int index) const = 0;
  // The part's default action (select a row, a tab; press a button).
  virtual void activatePart(int index) = 0;
};

// One part: valid while its control exists and has a part at its index.
class PartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  PartAccessible(QWidget* control, PartSource* source, int index, QAccessible::Role role);

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text kind) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return m_role; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  int index() const { return m_index; }
  const QWidget* control() const { return m_control; }

 private:
  QPointer<QWidget> m_control;
  PartSource* m_source;  // the control's interface, which owns this part
  int m_index;
  QAccessible::Role m_role;
};

// A control's interface whose children are its parts, made when first asked
// for and kept (registered with Qt's cache) until the control goes.
class PartsAccessible : public QAccessibleWidget, public PartSource {
 public:
  PartsAccessible(QWidget* control, QAccessible::Role role, const QString& name, QAccessible::Role partRole);
  ~PartsAccessible() override;

  int childCount() const override { return partCount(); }
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QString text(QAccessible::Text kind) const override;

 protected:
  // Tells screen readers that the part at index has the focus now (while the
  // control has it), and that the selection inside the control changed.
  void announceFocus(int index) const;
  void announceSelection() const;

 private:
  QString m_name;
  QAccessible::Role m_partRole;
  mutable std::vector<QAccessible::Id> m_parts;
};

}  // namespace tavoro::ui
