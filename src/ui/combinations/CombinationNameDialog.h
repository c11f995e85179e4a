// The small dialog that asks for a combination's name: for a new combination
// ("New Combination...") and for renaming one. It keeps itself open, saying
// why in a message box, while the name is empty, not allowed or taken by
// another combination, as the rules of combination names have it.
// User-interface thread only.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace tavoro {
class Combination;
class CombinationList;
}  // namespace tavoro

namespace tavoro::ui {

class CombinationNameDialog : public QDialog {
  Q_OBJECT

 public:
  // renamed: the combination being renamed (its own name is not taken), or
  // null for a new one; the field starts with name, selected.
  CombinationNameDialog(QWidget* owner, const CombinationList& list, const Combination* renamed,
                        const std::wstring& name);

  QLineEdit* nameField() const { return m_name; }
  // The accepted name, trimmed.
  const std::wstring& name() const { return m_accepted; }

  void accept() override;

 private:
  const CombinationList& m_list;
  const Combination* m_renamed;
  QLineEdit* m_name;
  std::wstring m_accepted;
};

// Asks for the name of a new combination (proposing a free "New Combination"
// name); nothing when cancelled.
std::optional<std::wstring> askNewCombinationName(QWidget* owner, const CombinationList& list);
// Asks for a new name of the combination; nothing when cancelled.
std::optional<std::wstring> askCombinationRename(QWidget* owner, const Combination& combination);

}  // namespace tavoro::ui
