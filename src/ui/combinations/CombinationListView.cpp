#include "ui/combinations/CombinationListView.h"

#include <QContextMenuEvent>
#include <QPainter>

#include "ui/common/RepaintSink.h"
#include "ui/common/UiFonts.h"
#include "ui/menus/PopupMenu.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

CombinationListView::CombinationListView(WardrobeSession& session, QWidget* parent)
    : RowList(CombinationRow::kHeight, parent), m_session(session) {
  setObjectName(QStringLiteral("CombinationListView"));
  registerModelMetaTypes();
  setDeleteKeyEnabled(true);
  m_context.previews = &m_session.previewThumbnails();
  m_context.thumbnailReady = repaintSink(viewport());
  connect(this, &RowList::selectionChanged, this, &CombinationListView::announce);
  connect(&m_session, &WardrobeSession::wardrobeOpened, this, &CombinationListView::rebuild);
  connect(&m_session, &WardrobeSession::wardrobeAboutToClose, this, [this] {
    removeAllRows();
    announce();
  });
  connect(&m_session, &WardrobeSession::combinationAdded, this, &CombinationListView::rebuild);
  connect(&m_session, &WardrobeSession::combinationChanged, this, &CombinationListView::refresh);
  connect(&m_session, &WardrobeSession::combinationAboutToBeRemoved, this, [this](Combination* combination) {
    removeRow(row(rowOf(combination)));
    announce();
  });
  connect(&m_session, &WardrobeSession::photosRefreshed, this, [this] {
    for (int i = 0; i < rowCount(); ++i) combinationRow(i)->dropPicture();
    viewport()->update();
  });
  rebuild();
}

Combination* CombinationListView::chosen() const {
  const int index = firstSelectedRow();
  return index < 0 ? nullptr : combinationRow(index)->combination();
}

int CombinationListView::rowOf(const Combination* combination) const {
  for (int i = 0; i < rowCount(); ++i)
    if (combinationRow(i)->combination() == combination) return i;
  return -1;
}

void CombinationListView::choose(Combination* combination) {
  const int index = rowOf(combination);
  if (index >= 0) {
    selectRowAlone(index);
  } else if (clearSelection()) {
    viewport()->update();
  }
  announce();
}

void CombinationListView::rebuild() {
  Combination* kept = m_announced;
  removeAllRows();
  if (m_session.isOpen()) {
    std::vector<std::unique_ptr<ListBoxRow>> rows;
    for (const auto& combination : m_session.wardrobe()->combinations().combinations())
      rows.push_back(std::make_unique<CombinationRow>(combination.get(), m_context));
    addRows(std::move(rows));
  }
  if (const int index = rowOf(kept); index >= 0) selectRowAlone(index);
  announce();
}

void CombinationListView::refresh(Combination* combination) {
  const int index = rowOf(combination);
  if (index < 0) return;
  combinationRow(index)->dropPicture();
  updateRow(index);
}

void CombinationListView::announce() {
  Combination* now = chosen();
  if (now == m_announced) return;
  m_announced = now;
  emit chosenChanged(now);
}

void CombinationListView::paintBackground(QPainter& painter, const QRect& area) {
  painter.fillRect(area, Qt::white);
  if (rowCount() > 0) return;
  const QRect first(16, 12, viewport()->width() - 32, 60);
  painter.setFont(UiFont());
  painter.setPen(QColor(160, 160, 160));
  painter.drawText(first, Qt::AlignCenter | Qt::TextWordWrap,
                   tr("No combinations yet. Choose items, then \"Add to Combination\" in their menu."));
}

void CombinationListView::contextMenuEvent(QContextMenuEvent* event) {
  if (!chosen()) return;
  emit menuRequested(contextMenuPosition(viewport(), *event));
}

}  // namespace tavoro::ui
