// The New Wardrobe dialog: a name and a folder for a new wardrobe, proposed
// from the settings (the name numbered with next_wardrobe_id, which the
// dialog takes when it opens and gives back when cancelled) and checked when
// accepted. Only widens. User-interface thread only.
#pragma once

#include <optional>
#include <string>

#include "ui/dialogs/ResizableDialog.h"
#include "wardrobe/WardrobeNaming.h"

class QLineEdit;
class QPushButton;

namespace tavoro::ui {

struct NewWardrobeChoice {
  std::wstring name;    // trimmed
  std::wstring folder;  // trimmed
  std::wstring path;    // folder/name, normalised: the new wardrobe's folder
};

class NewWardrobeDialog : public ResizableDialog {
  Q_OBJECT

 public:
  static constexpr int kNameLimit = 50;

  explicit NewWardrobeDialog(QWidget* owner);

  QLineEdit* nameEdit() const { return m_name; }
  QLineEdit* folderEdit() const { return m_folder; }
  QPushButton* okButton() const { return m_ok; }
  QPushButton* browseButton() const { return m_browse; }
  // Valid after the dialog was accepted.
  const NewWardrobeChoice& choice() const { return m_choice; }

  // Runs the checks; on a refusal shows why and puts the focus, with the text
  // selected, into the field to change.
  void accept() override;
  // Gives back the wardrobe number taken when the dialog opened.
  void reject() override;

 private:
  static std::wstring problemMessage(const NewWardrobeCheck& check);
  void updateOk();
  void browse();

  QLineEdit* m_name;
  QLineEdit* m_folder;
  QPushButton* m_browse;
  QPushButton* m_ok;
  NewWardrobeChoice m_choice;
  bool m_tookNumber = false;
};

// Shows the dialog, modal, owned by owner; the choice when accepted.
std::optional<NewWardrobeChoice> showNewWardrobe(QWidget* owner);

// The rectangle the dialog comes back at within this run (empty at first).
QRect& newWardrobeDialogRect();

}  // namespace tavoro::ui
