#include "ui/controls/RowOrder.h"

#include "platform/Utf16.h"
#include "ui/common/CommandIds.h"
#include "ui/controls/RowList.h"

namespace tavoro::ui {

bool moveRowByCommand(RowList& list, int from, int commandId, int first, int last) {
  int to;
  switch (commandId) {
    case kCmdMoveToTop:
      to = first;
      break;
    case kCmdMoveUp:
      to = from - 1;
      break;
    case kCmdMoveDown:
      to = from + 1;
      break;
    case kCmdMoveToBottom:
      to = last;
      break;
    default:
      return false;
  }
  if (from < first || from > last || to < first || to > last || to == from) return false;
  list.moveRow(from, to);
  list.ensureVisible(to);
  return true;
}

bool sortRowsByName(RowList& list, int first, int last, bool ascending,
                    const std::function<std::wstring_view(int row)>& nameOf) {
  bool swapped = false;
  for (int i = first; i < last; ++i) {
    for (int j = i + 1; j <= last; ++j) {
      const int order = compareUtf16(nameOf(i), nameOf(j));
      if (ascending ? order > 0 : order < 0) {
        list.swapRows(i, j);
        swapped = true;
      }
    }
  }
  return swapped;
}

}  // namespace tavoro::ui
