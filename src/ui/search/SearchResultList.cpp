#include "ui/search/SearchResultList.h"
#include "ui/common/UiText.h"
#include "ui/common/CoreTexts.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QPainter>
#include <QPointer>
#include <algorithm>

#include "ui/combinations/AddToCombination.h"
#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/common/RepaintSink.h"
#include "ui/common/UiFonts.h"
#include "ui/controls/InlineEditor.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenu.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Collection.h"

namespace tavoro::ui {

namespace {

const QColor kEmptyText(160, 160, 160);

const Collection* collectionOf(const Item* item) {
  const ItemList* list = item ? item->owner() : nullptr;
  return list ? list->collection() : nullptr;
}

}  // namespace

SearchResultList::SearchResultList(WardrobeSession& session, QWidget* parent)
    : RowList(SearchResultRow::kHeight, parent), m_session(session), m_editor(new InlineEditor(viewport())) {
  setObjectName(QStringLiteral("SearchResultList"));
  registerModelMetaTypes();
  setDeleteKeyEnabled(true);
  m_editor->setMaxLength(kRenameLimit);
  m_editor->setBorderColor(QColor(167, 177, 196));
  m_context.search = &m_session.engine();
  m_context.previews = &m_session.previewThumbnails();
  // Thumbnails arrive on the preview thread; the rows are drawn again on this one.
  m_context.thumbnailReady = repaintSink(viewport());
  connect(this, &RowList::commandRequested, this, [this](int id) {
    updateActions();
    triggerCommand(this, id);
  });
  connect(this, &RowList::selectionChanged, this, &SearchResultList::forwardSelection);
  connect(m_editor, &InlineEditor::editEnded, this, &SearchResultList::commitRename, Qt::DirectConnection);

  connect(&m_session, &WardrobeSession::searchChanged, this, &SearchResultList::onSearchChanged);
  connect(&m_session, &WardrobeSession::searchResultsAdded, this, &SearchResultList::onResultsAdded);
  connect(&m_session, &WardrobeSession::wardrobeAboutToClose, this, &SearchResultList::clearRows);
  connect(&m_session, &WardrobeSession::itemsAboutToBeRemoved, this, &SearchResultList::forgetItems);
  connect(&m_session, &WardrobeSession::collectionAboutToBeRemoved, this, &SearchResultList::forgetCollection);
  connect(&m_session, &WardrobeSession::itemRenamed, this, &SearchResultList::refreshRow);
  connect(&m_session, &WardrobeSession::valuesChanged, this, &SearchResultList::refreshRow);
  // The rows' detail lines show tag names and values.
  connect(&m_session, &WardrobeSession::tagAdded, this, &SearchResultList::refreshAllRows);
  connect(&m_session, &WardrobeSession::tagRenamed, this, &SearchResultList::refreshAllRows);
  connect(&m_session, &WardrobeSession::tagsReordered, this, &SearchResultList::refreshAllRows);
  connect(&m_session, &WardrobeSession::tagsRemoved, this, &SearchResultList::refreshAllRows);
  connect(&m_session, &WardrobeSession::collectionRenamed, viewport(), qOverload<>(&QWidget::update));
  makeActions();
}

SearchResultList::~SearchResultList() {
  m_renamed = nullptr;
}

SearchResultRow* SearchResultList::resultRow(int index) const {
  return static_cast<SearchResultRow*>(row(index));
}

int SearchResultList::rowOf(const Item* item) const {
  for (int i = 0; i < rowCount(); ++i)
    if (resultRow(i)->item() == item) return i;
  return -1;
}

Item* SearchResultList::selectedItem() const {
  return selectedCount() == 1 ? resultRow(firstSelectedRow())->item() : nullptr;
}

// --- Searching ------------------------------------------------------------------

void SearchResultList::onSearchChanged() {
  if (m_session.searchRun() == m_shownRun) return;
  m_shownRun = m_session.searchRun();
  clearRows();
  const Collection* scope = m_session.currentCollection();
  m_context.showCollection = scope && scope->id() == 0;
  if (m_session.searchShown()) showResults(m_session.results(), 0);
  viewport()->update();
  updateActions();
}

void SearchResultList::onResultsAdded(int first) {
  // The rows show the results before first: the search has not changed since.
  if (m_session.searchRun() != m_shownRun || !m_session.searchShown()) return;
  showResults(m_session.results(), static_cast<size_t>(std::max(0, first)));
  updateActions();
}

void SearchResultList::showResults(const std::vector<SearchResult>& results, size_t first) {
  std::vector<std::unique_ptr<ListBoxRow>> rows;
  rows.reserve(results.size() - std::min(first, results.size()));
  for (size_t i = first; i < results.size(); ++i)
    rows.push_back(std::make_unique<SearchResultRow>(results[i], m_context));
  addRows(std::move(rows));
}

void SearchResultList::clearRows() {
  endRename();
  m_quiet = true;
  removeAllRows();
  m_quiet = false;
}

void SearchResultList::refreshRow(const Item* item) {
  const int index = rowOf(item);
  if (index < 0) return;
  resultRow(index)->dropMarkup();
  updateRow(index);
}

void SearchResultList::refreshAllRows() {
  for (int i = 0; i < rowCount(); ++i) resultRow(i)->dropMarkup();
  viewport()->update();
}

void SearchResultList::forgetItems(const std::vector<Item*>& items) {
  m_quiet = true;
  for (const Item* item : items) {
    if (m_renamed == item) endRename();
    if (SearchResultRow* gone = resultRow(rowOf(item))) removeRow(gone);
  }
  m_quiet = false;
  viewport()->update();
  updateActions();
}

void SearchResultList::forgetCollection(const Collection* collection) {
  if (m_renamed && collectionOf(m_renamed) == collection) endRename();
  m_quiet = true;
  for (int i = rowCount() - 1; i >= 0; --i)
    if (collectionOf(resultRow(i)->item()) == collection) removeRow(resultRow(i));
  m_quiet = false;
}

void SearchResultList::forwardSelection() {
  if (m_quiet) return;
  std::vector<Item*> items;
  for (int index : selectedRows()) items.push_back(resultRow(index)->item());
  m_session.setResultSelection(std::move(items));
  updateActions();
}

// --- Painting ---------------------------------------------------------------------

void SearchResultList::paintBackground(QPainter& painter, const QRect& area) {
  painter.fillRect(area, Qt::white);
  if (rowCount() > 0) return;
  const QRect first(8, 0, viewport()->width() - 16, SearchResultRow::kHeight);
  painter.setFont(UiFont());
  painter.setPen(kEmptyText);
  const QString text =
      painter.fontMetrics().elidedText(tr("No items match your search."), Qt::ElideRight, first.width());
  painter.drawText(first, Qt::AlignCenter | Qt::TextSingleLine, text);
}

// --- Commands -------------------------------------------------------------------

void SearchResultList::makeActions() {
  addCommandAction(this, kCmdAddToCombination, tr("Add to Combination"),
                   [this] { addToCombination(m_session, this, m_session.resultSelection(), QCursor::pos()); });
  addCommandAction(this, kCmdDelete, tr("Delete"), [this] { deleteSelected(); });
  addCommandAction(this, kCmdRenameResult, tr("Rename"), [this] { startRename(); });
  addCommandAction(this, kCmdSelectAllResults, tr("Select All"), [this] { selectAll(true); });
  addCommandAction(this, kCmdSelectInverseResults, tr("Select Inverse"),
                   [this] { invertSelection(true); });
  updateActions();
}

void SearchResultList::updateActions() {
  const int selected = selectedCount();
  const auto enable = [this](int id, bool enabled) {
    if (QAction* action = findCommandAction(this, id)) action->setEnabled(enabled);
  };
  enable(kCmdAddToCombination, selected >= 1);
  enable(kCmdDelete, selected >= 1);
  enable(kCmdRenameResult, selected == 1);
  enable(kCmdSelectAllResults, rowCount() > 0);
  enable(kCmdSelectInverseResults, rowCount() > 0);
}

void SearchResultList::contextMenuEvent(QContextMenuEvent* event) {
  showContextMenu(contextMenuPosition(viewport(), *event));
}

void SearchResultList::showContextMenu(QPoint globalPos) {
  if (rowCount() == 0) return;
  updateActions();
  runCommandMenu(kMenuSearchResultsContext, this, globalPos, 0, true);
}

void SearchResultList::deleteSelected() {
  const std::vector<int> selected = selectedRows();
  if (selected.empty()) return;
  std::wstring question;
  std::wstring caption;
  if (selected.size() == 1) {
    question = uiText(tr("Are you sure you want to delete \"%1\"?"), {resultRow(selected.front())->item()->name()});
    caption = uiText(tr("Confirm Item Delete"));
  } else {
    question = uiText(tr("Are you sure you want to delete these %n items?", nullptr, static_cast<int>(selected.size())));
    caption = uiText(tr("Confirm Multiple Item Delete"));
  }
  QPointer<SearchResultList> self(this);
  const int answer = showMessage(this, question, caption, kMbQuestion);
  if (!self) return;
  if (answer == kIdYes) {
    // What is selected now; the rows go with the session's news of the items.
    std::vector<Item*> items;
    for (int index : selectedRows()) items.push_back(resultRow(index)->item());
    // Their photos stay on disk until the next save (undo brings them back whole).
    m_session.removeItems(items);
    if (!self) return;
  }
  setFocus(Qt::OtherFocusReason);
}

// --- Renaming ---------------------------------------------------------------------

int SearchResultList::renamedRow() const {
  return m_renamed && m_editor->isEditing() ? rowOf(m_renamed) : -1;
}

void SearchResultList::startRename() {
  if (selectedCount() != 1) return;
  const int index = firstSelectedRow();
  ensureVisible(index);
  m_renamed = resultRow(index)->item();
  m_editor->setText(toQString(m_renamed->name()));
  placeEditor(true);
}

void SearchResultList::placeEditor(bool takeFocus) {
  const int index = rowOf(m_renamed);
  if (index < 0) return;
  m_editor->place(SearchResultRow::textBlock(rowRect(index)), takeFocus);
}

void SearchResultList::commitRename(int reason) {
  Item* item = m_renamed;
  m_renamed = nullptr;
  if (!item || !InlineEditor::isCommitReason(reason) || rowOf(item) < 0) return;
  const std::wstring name = toWString(m_editor->text());
  // An empty name keeps the old one, as renaming in the item list does.
  m_session.renameItem(item, name);
}

void SearchResultList::endRename() {
  // The edit is dropped unsaved: its row (or the whole list) is going.
  m_renamed = nullptr;
  m_editor->hide();
}

void SearchResultList::scrollContentsBy(int dx, int dy) {
  RowList::scrollContentsBy(dx, dy);
  if (renamedRow() >= 0) placeEditor(false);
}

void SearchResultList::resizeEvent(QResizeEvent* event) {
  RowList::resizeEvent(event);
  if (renamedRow() >= 0) placeEditor(false);
}

}  // namespace tavoro::ui
