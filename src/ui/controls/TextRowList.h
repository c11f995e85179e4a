// TextRowList: the simple text list (one text per 20-pixel row) with the row
// list's selection model, and moves of the selection by keys for the search
// suggestions. User-interface thread only.
#pragma once

#include <string>
#include <vector>

#include "ui/controls/RowList.h"

namespace tavoro::ui {

class TextRowList : public RowList {
  Q_OBJECT

 public:
  static constexpr int kRowHeight = 20;

  explicit TextRowList(QWidget* parent = nullptr);

  // Replaces all rows (nothing selected afterwards).
  void setRows(const std::vector<std::wstring>& texts);
  // The row below the selected one; from the last row or from no selection,
  // the first row. The program's own moves do not send selectionChanged.
  void selectNext();
  // The row above the selected one; from the first row or from no selection,
  // the last row.
  void selectPrevious();
  // Clears the selection and sends selectionCleared.
  void deselect();
  // The text of the first selected row; empty when none.
  std::wstring selectedText() const;
  std::wstring text(int index) const;

 signals:
  // The program cleared the selection (deselect).
  void selectionCleared();

 private:
  void moveSelectionTo(int index);
};

}  // namespace tavoro::ui
