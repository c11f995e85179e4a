// Asked before a printable sheet is written: the paper (A4 or Letter, the
// locale's at first) and the tags whose values are printed under each item's
// name (every tag name of the wardrobe once, the first two of each collection
// ticked at first). User-interface thread only.
#pragma once

#include <QDialog>
#include <optional>

#include "export/WardrobeSnapshot.h"
#include "export/pdf/ContactSheet.h"

class QComboBox;
class QListWidget;

namespace tavoro::ui {

class PrintableSheetDialog : public QDialog {
  Q_OBJECT

 public:
  PrintableSheetDialog(QWidget* owner, const WardrobeSnapshot& snapshot, const QLocale& locale = QLocale());

  QComboBox* paperBox() const { return m_paper; }
  QListWidget* tagList() const { return m_tags; }
  // The paper chosen and the ticked tags in the list's order (none ticked:
  // no values are printed).
  ContactSheetOptions options() const;

 private:
  QComboBox* m_paper;
  QListWidget* m_tags;
  std::vector<std::wstring> m_names;  // the list's tags, row by row
};

// Shows the dialog, modal; the options when accepted.
std::optional<ContactSheetOptions> askPrintableSheetOptions(QWidget* owner, const WardrobeSnapshot& snapshot);

}  // namespace tavoro::ui
