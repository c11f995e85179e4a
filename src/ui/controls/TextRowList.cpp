#include "ui/controls/TextRowList.h"

#include <QPainter>

#include "ui/common/QtText.h"
#include "ui/common/UiFonts.h"

namespace tavoro::ui {

namespace {

class FlatTextRow : public ListBoxRow {
 public:
  explicit FlatTextRow(std::wstring text) : m_text(std::move(text)) {}

  const std::wstring& text() const { return m_text; }
  QString accessibleName() const override { return toQString(m_text); }

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

TextRowList::TextRowList(QWidget* parent) : RowList(kRowHeight, parent) {
  setObjectName(QStringLiteral("TextRowList"));
}

void TextRowList::setRows(const std::vector<std::wstring>& texts) {
  removeAllRows();
  for (const std::wstring& text : texts) addRow(std::make_unique<FlatTextRow>(text));
}

std::wstring TextRowList::text(int index) const {
  const auto* flat = static_cast<const FlatTextRow*>(row(index));
  return flat ? flat->text() : std::wstring();
}

std::wstring TextRowList::selectedText() const { return text(firstSelectedRow()); }

void TextRowList::moveSelectionTo(int index) {
  for (int i = 0; i < rowCount(); ++i) setRowSelected(i, i == index, false);
  ensureVisible(index);
}

void TextRowList::selectNext() {
  if (rowCount() == 0) return;
  const int current = firstSelectedRow();
  moveSelectionTo(current < 0 || current == rowCount() - 1 ? 0 : current + 1);
}

void TextRowList::selectPrevious() {
  if (rowCount() == 0) return;
  const int current = firstSelectedRow();
  moveSelectionTo(current <= 0 ? rowCount() - 1 : current - 1);
}

void TextRowList::deselect() {
  clearSelection();
  emit selectionCleared();
}

}  // namespace tavoro::ui
