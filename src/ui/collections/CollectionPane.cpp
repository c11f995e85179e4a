#include "ui/collections/CollectionPane.h"
#include "ui/common/UiText.h"
#include "ui/common/CoreTexts.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "platform/CharClass.h"
#include "ui/collections/CollectionRow.h"
#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/controls/InlineEditor.h"
#include "ui/controls/RowOrder.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenu.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/CollectionList.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

namespace {


std::wstring editorText(const InlineEditor& editor) { return trimSpace(toWString(editor.text())); }

}  // namespace

CollectionPane::CollectionPane(WardrobeSession& session, QWidget* parent)
    : RowList(CollectionRow::kHeight, parent), m_session(session), m_editor(new InlineEditor(viewport())) {
  setObjectName(QStringLiteral("CollectionPane"));
  registerModelMetaTypes();
  m_editor->setMaxLength(WardrobeSession::kCollectionNameLimit);
  m_editor->setBorderColor(QColor(167, 177, 196));
  setDeleteKeyEnabled(true);
  setRowDragging(1);
  connect(this, &RowList::selectionChanged, this, &CollectionPane::onSelectionChanged);
  connect(this, &RowList::rowDoubleClicked, this, &CollectionPane::onDoubleClicked);
  connect(this, &RowList::commandRequested, this, [this](int id) { triggerCommand(this, id); });
  connect(this, &RowList::rowDragged, this, [this] { commitOrder(); });
  // The editor asks with a flag on its own stack: the answer must come at once.
  connect(m_editor, &InlineEditor::validateRequested, this, &CollectionPane::validateEdit, Qt::DirectConnection);
  connect(m_editor, &InlineEditor::editEnded, this, &CollectionPane::commitEdit, Qt::DirectConnection);

  connect(&m_session, &WardrobeSession::wardrobeOpened, this, &CollectionPane::attach);
  connect(&m_session, &WardrobeSession::wardrobeAboutToClose, this, &CollectionPane::detach);
  connect(&m_session, &WardrobeSession::currentCollectionChanged, this, &CollectionPane::onCurrentCollectionChanged);
  connect(&m_session, &WardrobeSession::collectionAdded, this, &CollectionPane::onCollectionAdded);
  connect(&m_session, &WardrobeSession::collectionRenamed, this,
          [this](Collection* collection) { updateRow(rowOf(collection)); });
  connect(&m_session, &WardrobeSession::collectionsReordered, this, &CollectionPane::onCollectionsReordered);
  connect(&m_session, &WardrobeSession::collectionAboutToBeRemoved, this,
          &CollectionPane::onCollectionAboutToBeRemoved);
  // The rows show their collections' item counts.
  connect(&m_session, &WardrobeSession::itemsAdded, viewport(), qOverload<>(&QWidget::update));
  connect(&m_session, &WardrobeSession::itemsRemoved, viewport(), qOverload<>(&QWidget::update));
  makeActions();
  if (m_session.isOpen()) attach();
}

CollectionPane::~CollectionPane() { m_edited = nullptr; }

void CollectionPane::attach() {
  detach();
  CollectionList& collections = m_session.wardrobe()->collections();
  m_collections = &collections;
  addRow(std::make_unique<CollectionRow>(collections.allCollections()));
  for (const auto& collection : collections.collections()) addRow(std::make_unique<CollectionRow>(collection.get()));
  addRow(std::make_unique<CollectionRow>(collections.addPlaceholder()));
  const int current = rowOf(m_session.currentCollection());
  selectRow(current < 0 ? 0 : current);
}

void CollectionPane::detach() {
  // The edit is dropped: nothing of it may reach a wardrobe that is going away.
  m_edited = nullptr;
  m_editor->hide();
  m_quiet = true;
  removeAllRows();
  m_quiet = false;
  m_collections = nullptr;
  updateActions(-1);
}

int CollectionPane::firstSelectedRealRow() const {
  for (int index : selectedRows())
    if (collectionRow(index)->isReal()) return index;
  return -1;
}

CollectionRow* CollectionPane::collectionRow(int index) const { return static_cast<CollectionRow*>(row(index)); }

Collection* CollectionPane::selectedCollection() const {
  const CollectionRow* selected = collectionRow(firstSelectedRow());
  return selected ? selected->collection() : nullptr;
}

int CollectionPane::rowOf(const Collection* collection) const {
  for (int i = 0; i < rowCount(); ++i)
    if (collectionRow(i)->collection() == collection) return i;
  return -1;
}

bool CollectionPane::isWellFormed() const {
  return m_collections && rowCount() >= 2 && collectionRow(0)->isAllCollections() &&
         collectionRow(rowCount() - 1)->isPlaceholder();
}

int CollectionPane::editedRow() const { return m_edited && m_editor->isEditing() ? rowOf(m_edited) : -1; }

void CollectionPane::selectRow(int index) {
  if (!row(index)) return;
  selectRowAlone(index);
  onSelectionChanged();
}

void CollectionPane::onSelectionChanged() {
  updateActions(firstSelectedRealRow());
  if (m_quiet) return;
  if (Collection* selected = selectedCollection()) m_session.setCurrentCollection(selected);
}

void CollectionPane::onCurrentCollectionChanged(Collection* collection) {
  const int index = rowOf(collection);
  if (index < 0 || selectedRows() == std::vector<int>{index}) return;
  m_quiet = true;
  selectRowAlone(index);
  m_quiet = false;
  ensureVisible(index);
  updateActions(firstSelectedRealRow());
}

void CollectionPane::onCollectionAdded(Collection* collection) {
  if (!isWellFormed()) return;
  // Before the placeholder, which stays last, in the list's order.
  const CollectionList& list = *m_collections;
  size_t position = 0;
  while (position < list.count() && list.at(position) != collection) ++position;
  const int index = addRow(std::make_unique<CollectionRow>(collection));
  moveRow(index, static_cast<int>(position) + 1);
  updateActions(firstSelectedRealRow());
}

void CollectionPane::onCollectionsReordered() {
  if (!isWellFormed()) return;
  // The rows follow the list (already so after a drag or a move here).
  for (size_t i = 0; i < m_collections->count(); ++i) {
    const int wanted = static_cast<int>(i) + 1;
    const int at = rowOf(m_collections->at(i));
    if (at >= 0 && at != wanted) moveRow(at, wanted);
  }
  viewport()->update();
  updateActions(firstSelectedRealRow());
}

void CollectionPane::onCollectionAboutToBeRemoved(Collection* collection) {
  const int index = rowOf(collection);
  CollectionRow* doomed = collectionRow(index);
  if (!doomed) return;
  if (m_edited == collection) {
    m_edited = nullptr;
    m_editor->hide();
  }
  const bool wasSelected = doomed->isSelected();
  const bool wasLast = index == rowCount() - 2;
  // The row goes before anything can paint it with its collection gone.
  m_quiet = true;
  removeRow(doomed);
  m_quiet = false;
  // The neighbour becomes current, before the collection's items go.
  if (wasSelected) selectRow(wasLast ? index - 1 : index);
  updateActions(firstSelectedRealRow());
}

void CollectionPane::paintBackground(QPainter& painter, const QRect& area) {
  // Below the rows the pane keeps their colour, so that it reads as one column.
  painter.fillRect(area, CollectionRow::kBackground);
}

bool CollectionPane::canDragRow(int index) const {
  const CollectionRow* target = collectionRow(index);
  return !m_editor->isEditing() && target && target->isReal() && RowList::canDragRow(index);
}

void CollectionPane::onDoubleClicked(int index) {
  const CollectionRow* target = collectionRow(index);
  if (target && !target->isAllCollections()) startEdit(index);
}

// --- Editing names -----------------------------------------------------------

void CollectionPane::startEdit(int index) {
  const CollectionRow* target = collectionRow(index);
  if (!isWellFormed() || !target || target->isAllCollections()) return;
  m_edited = target->collection();
  m_editor->setText(toQString(target->isPlaceholder() ? m_collections->suggestNewName() : m_edited->name()));
  placeEditor(true);
}

void CollectionPane::placeEditor(bool takeFocus) {
  const QRect rect = rowRect(rowOf(m_edited));
  m_editor->place(QRect(rect.left() + CollectionRow::kEditorLeft, rect.top(),
                        rect.width() - CollectionRow::kEditorLeft, rect.height()),
                  takeFocus);
}

void CollectionPane::scrollContentsBy(int dx, int dy) {
  RowList::scrollContentsBy(dx, dy);
  if (editedRow() >= 0) placeEditor(false);
}

void CollectionPane::validateEdit(bool* accept) {
  if (!m_collections || !m_edited) return;
  const std::wstring name = editorText(*m_editor);
  if (name == m_collections->allCollections()->name()) {
    *accept = false;
    showMessage(this, uiText(tr("Invalid collection name. Please try another name.")), programCaption(),
                kMbOk | kMbIconInformation);
    return;
  }
  const Collection* existing = m_collections->findByName(name);
  if (existing && existing != m_edited) {
    *accept = false;
    showMessage(this, uiText(tr("Collection \"%1\" already exists. Please try another name."), {name}), programCaption(),
                kMbOk | kMbIconInformation);
  }
}

void CollectionPane::commitEdit(int reason) {
  Collection* edited = m_edited;
  m_edited = nullptr;
  const std::wstring name = editorText(*m_editor);
  if (!edited || !m_collections || !InlineEditor::isCommitReason(reason) || name.empty()) return;
  if (edited->id() > 0) {
    m_session.renameCollection(edited, name);
  } else if (edited == m_collections->addPlaceholder() && isWellFormed()) {
    if (Collection* added = m_session.addCollection(name)) selectRow(rowOf(added));
  }
}

// --- Commands ------------------------------------------------------------------

void CollectionPane::makeActions() {
  addCommandAction(this, kCmdAddItem, tr("Add a Collection..."), [this] { addCollection(); });
  addCommandAction(this, kCmdDelete, tr("Delete"), [this] { deleteSelected(); });
  addCommandAction(this, kCmdRename, tr("Rename..."), [this] { renameSelected(); });
  const std::pair<int, const char*> moves[] = {{kCmdMoveToTop, QT_TR_NOOP("Move to Top")},
                                               {kCmdMoveUp, QT_TR_NOOP("Move Up")},
                                               {kCmdMoveDown, QT_TR_NOOP("Move Down")},
                                               {kCmdMoveToBottom, QT_TR_NOOP("Move to Bottom")}};
  for (const auto& [id, text] : moves)
    addCommandAction(this, id, tr(text), [this, id = id] { moveSelected(id); });
  addCommandAction(this, kCmdSortAscending, tr("Sort Ascending"), [this] { sortRows(true); });
  addCommandAction(this, kCmdSortDescending, tr("Sort Descending"), [this] { sortRows(false); });
}

void CollectionPane::updateActions(int contextRow) {
  const bool wellFormed = isWellFormed();
  const CollectionRow* target = collectionRow(contextRow);
  const bool real = wellFormed && target && target->isReal();
  const auto enable = [this](int id, bool enabled) {
    if (QAction* action = findCommandAction(this, id)) action->setEnabled(enabled);
  };
  enable(kCmdAddItem, wellFormed);
  enable(kCmdRename, real);
  enable(kCmdDelete, real);
  enable(kCmdMoveToTop, real && contextRow != 1);
  enable(kCmdMoveUp, real && contextRow != 1);
  enable(kCmdMoveDown, real && contextRow != rowCount() - 2);
  enable(kCmdMoveToBottom, real && contextRow != rowCount() - 2);
  enable(kCmdSortAscending, wellFormed && rowCount() >= 4);
  enable(kCmdSortDescending, wellFormed && rowCount() >= 4);
}

void CollectionPane::contextMenuEvent(QContextMenuEvent* event) {
  const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? keyboardMenuPoint() : event->pos();
  showContextMenu(at, contextMenuPosition(viewport(), *event));
}

void CollectionPane::showContextMenu(QPoint viewportPos, QPoint globalPos) {
  if (!isWellFormed()) return;
  updateActions(rowAt(viewportPos));
  QPointer<CollectionPane> self(this);
  runCommandMenu(kMenuCollectionListContext, this, globalPos, 0, true);
  // Keys act on the selected row again.
  if (self) updateActions(firstSelectedRealRow());
}

void CollectionPane::addCollection() {
  if (!isWellFormed()) return;
  const int placeholder = rowCount() - 1;
  ensureVisible(placeholder);
  if (editedRow() != placeholder) startEdit(placeholder);
}

void CollectionPane::renameSelected() {
  if (isWellFormed() && firstSelectedRealRow() >= 0) startEdit(firstSelectedRealRow());
}

void CollectionPane::moveSelected(int commandId) {
  if (!isWellFormed()) return;
  const int from = firstSelectedRealRow();
  if (from >= 0 && moveRowByCommand(*this, from, commandId, 1, rowCount() - 2)) commitOrder();
}

void CollectionPane::sortRows(bool ascending) {
  if (!isWellFormed() || rowCount() < 4) return;
  const bool swapped = sortRowsByName(*this, 1, rowCount() - 2, ascending,
                                      [this](int row) -> std::wstring_view { return collectionRow(row)->collection()->name(); });
  commitOrder(tr("Sort Collections"));
  if (swapped) viewport()->update();
}

void CollectionPane::commitOrder(const QString& step) {
  if (!isWellFormed()) return;
  std::vector<Collection*> order;
  for (int i = 1; i <= rowCount() - 2; ++i) order.push_back(collectionRow(i)->collection());
  m_session.reorderCollections(order, step);
}

void CollectionPane::deleteSelected() {
  if (!isWellFormed()) return;
  const CollectionRow* selected = collectionRow(firstSelectedRealRow());
  if (!selected || !selected->isReal()) return;
  // The collection named in the question is the one deleted, whatever else
  // is selected or happens while the question is open.
  Collection* collection = selected->collection();
  const std::wstring question =
      collection->items().count() > 0
          ? uiText(tr("Are you sure you want to delete collection \"%1\"?\n\nNote: all items in this collection will "
                      "also be deleted."),
                   {collection->name()})
          : uiText(tr("Are you sure you want to delete collection \"%1\"?"), {collection->name()});
  QPointer<CollectionPane> self(this);
  const int answer = showMessage(this, question, uiText(tr("Confirm Collection Delete")), kMbQuestion);
  if (!self) return;
  // Its photos stay on disk until the next save (undo brings it back whole).
  if (answer == kIdYes && isWellFormed() && rowOf(collection) > 0) m_session.removeCollection(collection);
  if (self) setFocus(Qt::OtherFocusReason);
}

}  // namespace tavoro::ui
