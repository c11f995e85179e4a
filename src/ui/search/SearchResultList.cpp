#include "ui/search/SearchResultList.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

#include "search/SearchEngine.h"
#include "ui/common/CommandEvent.h"
#include "ui/common/CommandIds.h"
#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/common/UiFonts.h"
#include "ui/controls/InlineEditor.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenu.h"
#include "wardrobe/Collection.h"
#include "wardrobe/RemovalReport.h"

namespace tavoro::ui {

namespace {

constexpr const wchar_t* kCaption = L"Tavoro Wardrobe Manager";
const QColor kEmptyText(160, 160, 160);

const Collection* collectionOf(const Item* item) {
  const ItemList* list = item ? item->owner() : nullptr;
  return list ? list->collection() : nullptr;
}

// The engine's results point at the item too; they must not outlive it.
void forgetInEngine(const Item* item) {
  std::erase_if(SearchEngine::instance().results(), [item](const SearchResult& r) { return r.item == item; });
}

}  // namespace

SearchResultList::SearchResultList(QWidget* parent)
    : RowList(SearchResultRow::kHeight, parent), m_editor(new InlineEditor(viewport())) {
  setObjectName(QStringLiteral("SearchResultList"));
  registerModelMetaTypes();
  setDeleteKeyEnabled(true);
  m_editor->setMaxLength(kRenameLimit);
  m_editor->setBorderColor(QColor(167, 177, 196));
  // Thumbnails arrive on the preview thread; the rows are drawn again on this one.
  QPointer<QWidget> view(viewport());
  m_context.thumbnailReady = std::make_shared<const PreviewSink>([view](int32_t) {
    if (QCoreApplication* app = QCoreApplication::instance())
      QMetaObject::invokeMethod(
          app,
          [view] {
            if (view) view->update();
          },
          Qt::QueuedConnection);
  });
  connect(this, &RowList::commandRequested, this, &SearchResultList::executeCommand);
  connect(m_editor, &InlineEditor::editEnded, this, &SearchResultList::commitRename, Qt::DirectConnection);
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

void SearchResultList::setScope(Collection* collection) {
  if (collection == m_scope) return;
  endRename();
  clearRows();
  SearchEngine::instance().reset();
  m_scope = collection;
  m_context.showCollection = collection && collection->id() == 0;
}

bool SearchResultList::runSearch(const QString& text) {
  clearRows();
  SearchEngine& engine = SearchEngine::instance();
  if (m_scope && !text.isEmpty()) {
    engine.setScope(m_scope);
    // A query the engine cannot run (no term, a pattern it gave up on) finds nothing.
    if (engine.parse(toWString(text)) && engine.run() && showResults(engine.results())) {
      emit rowsAdded();
      return true;
    }
  }
  viewport()->update();
  return false;
}

bool SearchResultList::showResults(const std::vector<SearchResult>& results) {
  std::vector<std::unique_ptr<ListBoxRow>> rows;
  rows.reserve(results.size());
  for (const SearchResult& result : results) rows.push_back(std::make_unique<SearchResultRow>(result, m_context));
  addRows(std::move(rows));
  return !results.empty();
}

void SearchResultList::clearRows() {
  endRename();
  removeAllRows();
}

void SearchResultList::close() {
  endRename();
  clearRows();
  m_scope = nullptr;
  m_context.showCollection = false;
  SearchEngine::instance().reset();
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

void SearchResultList::forgetItem(const Item* item) {
  if (m_renamed == item) endRename();
  if (SearchResultRow* gone = resultRow(rowOf(item))) removeRow(gone);
  forgetInEngine(item);
}

void SearchResultList::forgetCollection(const Collection* collection) {
  if (m_renamed && collectionOf(m_renamed) == collection) endRename();
  for (int i = rowCount() - 1; i >= 0; --i)
    if (collectionOf(resultRow(i)->item()) == collection) removeRow(resultRow(i));
  if (m_scope == collection) close();
}

// --- Painting ---------------------------------------------------------------------

void SearchResultList::paintBackground(QPainter& painter, const QRect& area) {
  painter.fillRect(area, Qt::white);
  if (rowCount() > 0) return;
  const QRect first(8, 0, viewport()->width() - 16, SearchResultRow::kHeight);
  painter.setFont(UiFont());
  painter.setPen(kEmptyText);
  const QString text =
      painter.fontMetrics().elidedText(QStringLiteral("No items match your search."), Qt::ElideRight, first.width());
  painter.drawText(first, Qt::AlignCenter | Qt::TextSingleLine, text);
}

// --- Commands -------------------------------------------------------------------

bool SearchResultList::event(QEvent* event) {
  if (event->type() == CommandEvent::eventType()) {
    executeCommand(static_cast<CommandEvent*>(event)->id());
    return true;
  }
  return RowList::event(event);
}

void SearchResultList::contextMenuEvent(QContextMenuEvent* event) {
  showContextMenu(contextMenuPosition(viewport(), *event));
}

void SearchResultList::showContextMenu(QPoint globalPos) {
  if (rowCount() == 0) return;
  auto menu = PopupMenu::fromResource(kMenuSearchResultsContext);
  if (!menu) return;
  const int selected = selectedCount();
  menu->setCommandEnabled(kCmdAddToCombination, selected >= 1);
  menu->setCommandEnabled(kCmdDelete, selected >= 1);
  menu->setCommandEnabled(kCmdRenameResult, selected == 1);
  QPointer<SearchResultList> self(this);
  const int command = menu->track(globalPos, this);
  if (self && command) executeCommand(command);
}

void SearchResultList::executeCommand(int commandId) {
  switch (commandId) {
    case kCmdDelete:
      deleteSelected();
      break;
    case kCmdRenameResult:
      startRename();
      break;
    case kCmdSelectAllResults:
      selectAll(true);
      break;
    case kCmdSelectInverseResults:
      invertSelection(true);
      break;
    case kCmdAddToCombination:  // present in the menu; it does nothing
    default:
      break;
  }
}

void SearchResultList::deleteSelected() {
  const std::vector<int> selected = selectedRows();
  if (selected.empty()) return;
  std::wstring question;
  std::wstring caption;
  if (selected.size() == 1) {
    question = L"Are you sure you want to delete \"" + resultRow(selected.front())->item()->name() + L"\"?";
    caption = L"Confirm Item Delete";
  } else {
    question = L"Are you sure you want to delete these " + std::to_wstring(selected.size()) + L" items?";
    caption = L"Confirm Multiple Item Delete";
  }
  QPointer<SearchResultList> self(this);
  const int answer = showMessage(this, question, caption, kMbQuestion);
  if (!self) return;
  if (answer == kIdYes) {
    RemovalReport report;
    std::wstring lastName;
    int deleted = 0;
    for (int i = rowCount() - 1; i >= 0; --i) {
      SearchResultRow* doomed = resultRow(i);
      if (!doomed || !doomed->isSelected()) continue;
      Item* item = doomed->item();
      emit itemAboutToBeDeleted(item);
      if (!self) return;
      if (m_renamed == item) endRename();
      lastName = item->name();
      // The row goes first, so that nothing can draw it with its item gone.
      removeRow(doomed);
      forgetInEngine(item);
      if (ItemList* owner = item->owner()) owner->remove(item, &report);
      ++deleted;
    }
    viewport()->update();
    emit itemsDeleted();
    if (!self) return;
    if (!report.clean()) {
      std::wstring folders;
      for (const std::wstring& folder : report.foldersKept) folders += L"\n" + folder;
      const std::wstring what = deleted == 1 ? L"The item \"" + lastName + L"\" was deleted, but some of its files"
                                             : std::wstring(L"The items were deleted, but some of their files");
      showMessage(this, what + L" could not be deleted. They are still in:\n" + folders, kCaption,
                  kMbOk | kMbIconWarning);
      if (!self) return;
    }
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
  if (name.empty() || name == item->name()) return;
  item->setName(name);
  refreshRow(item);
  emit itemRenamed(item);
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
