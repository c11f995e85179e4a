#include "ui/controls/KoFlatList.h"

#include <QPainter>

#include "ui/common/QtText.h"
#include "ui/common/UiFonts.h"

namespace tavoro::ui {

namespace {

class FlatTextRow : public ListBoxRow {
 public:
  explicit FlatTextRow(std::wstring text) : m_text(std::move(text)) {}

  const std::wstring& text() const { return m_text; }

  void paint(QPainter& painter, const QRect& rect, const State& state) const override {
    painter.fillRect(rect, state.selected ? QColor(212, 221, 238) : QColor(Qt::white));
    painter.setFont(UiFontLarge());
    painter.setPen(QColor(61, 75, 102));
    const QRect textRect = rect.adjusted(5, 0, -5, 0);
    const QString elided = painter.fontMetrics().elidedText(toQString(m_text), Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, elided);
  }

 private:
  std::wstring m_text;
};

}  // namespace

KoFlatList::KoFlatList(QWidget* parent) : KoListBox(kRowHeight, parent) {
  setObjectName(QStringLiteral("KoFlatList"));
}

void KoFlatList::setRows(const std::vector<std::wstring>& texts) {
  removeAllRows();
  for (const std::wstring& text : texts) addRow(std::make_unique<FlatTextRow>(text));
}

std::wstring KoFlatList::text(int index) const {
  const auto* flat = static_cast<const FlatTextRow*>(row(index));
  return flat ? flat->text() : std::wstring();
}

std::wstring KoFlatList::selectedText() const { return text(firstSelectedRow()); }

void KoFlatList::moveSelectionTo(int index) {
  for (int i = 0; i < rowCount(); ++i) setRowSelected(i, i == index, false);
  ensureVisible(index);
}

void KoFlatList::selectNext() {
  if (rowCount() == 0) return;
  const int current = firstSelectedRow();
  moveSelectionTo(current < 0 || current == rowCount() - 1 ? 0 : current + 1);
}

void KoFlatList::selectPrevious() {
  if (rowCount() == 0) return;
  const int current = firstSelectedRow();
  moveSelectionTo(current <= 0 ? rowCount() - 1 : current - 1);
}

void KoFlatList::deselect() {
  clearSelection();
  emit selectionCleared();
}

}  // namespace tavoro::ui
