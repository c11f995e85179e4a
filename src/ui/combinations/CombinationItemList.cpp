#include "ui/combinations/CombinationItemList.h"

#include <QContextMenuEvent>
#include <QPainter>
#include <unordered_set>

#include "ui/combinations/CombinationItemRow.h"
#include "ui/common/RepaintSink.h"
#include "ui/common/UiFonts.h"
#include "ui/menus/PopupMenu.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Combination.h"

namespace tavoro::ui {

CombinationItemList::CombinationItemList(WardrobeSession& session, QWidget* parent)
    : RowList(CombinationItemRow::kHeight, parent), m_session(session) {
  setObjectName(QStringLiteral("CombinationItemList"));
  registerModelMetaTypes();
  setDeleteKeyEnabled(true);
  setRowDragging(0);
  m_context.previews = &m_session.previewThumbnails();
  m_context.thumbnailReady = repaintSink(viewport());
  connect(this, &RowList::rowDoubleClicked, this, [this](int index) {
    if (CombinationItemRow* row = itemRow(index)) emit itemActivated(row->item());
  });
  // The list has moved the row already; the session makes it the order (or
  // refuses, and the rows go back to the combination's order).
  connect(this, &RowList::rowDragged, this, [this] {
    if (!m_combination || !m_session.reorderCombination(m_combination, shownItems())) rebuild();
  });
  connect(&m_session, &WardrobeSession::combinationChanged, this, [this](Combination* combination) {
    if (combination == m_combination) rebuild();
  });
  connect(&m_session, &WardrobeSession::combinationAboutToBeRemoved, this, [this](Combination* combination) {
    if (combination == m_combination) setCombination(nullptr);
  });
  connect(&m_session, &WardrobeSession::wardrobeAboutToClose, this, [this] { setCombination(nullptr); });
  connect(&m_session, &WardrobeSession::itemRenamed, viewport(), qOverload<>(&QWidget::update));
  connect(&m_session, &WardrobeSession::collectionRenamed, viewport(), qOverload<>(&QWidget::update));
}

CombinationItemRow* CombinationItemList::itemRow(int index) const {
  return static_cast<CombinationItemRow*>(row(index));
}

void CombinationItemList::setCombination(Combination* combination) {
  if (combination == m_combination && (combination || rowCount() == 0)) return;
  m_combination = combination;
  clearSelection();
  rebuild();
}

void CombinationItemList::rebuild() {
  const std::vector<Item*> selected = selectedItems();
  removeAllRows();
  if (!m_combination) return viewport()->update();
  std::vector<std::unique_ptr<ListBoxRow>> rows;
  for (Item* item : m_combination->items()) rows.push_back(std::make_unique<CombinationItemRow>(item, m_context));
  addRows(std::move(rows));
  const std::unordered_set<const Item*> keep(selected.begin(), selected.end());
  for (int i = 0; i < rowCount(); ++i)
    if (keep.count(itemRow(i)->item())) setRowSelected(i, true, false);
  emit selectionChanged();
}

std::vector<Item*> CombinationItemList::selectedItems() const {
  std::vector<Item*> items;
  for (int index : selectedRows()) items.push_back(itemRow(index)->item());
  return items;
}

std::vector<Item*> CombinationItemList::shownItems() const {
  std::vector<Item*> items;
  for (int i = 0; i < rowCount(); ++i) items.push_back(itemRow(i)->item());
  return items;
}

void CombinationItemList::paintBackground(QPainter& painter, const QRect& area) {
  painter.fillRect(area, Qt::white);
  if (rowCount() > 0) return;
  const QRect first(16, 12, viewport()->width() - 32, 40);
  painter.setFont(UiFont());
  painter.setPen(QColor(160, 160, 160));
  painter.drawText(first, Qt::AlignCenter | Qt::TextWordWrap,
                   m_combination ? tr("This combination holds no items.") : tr("Choose a combination to see its items."));
}

void CombinationItemList::contextMenuEvent(QContextMenuEvent* event) {
  if (selectedCount() == 0) return;
  emit menuRequested(contextMenuPosition(viewport(), *event));
}

}  // namespace tavoro::ui
