#include "ui/collections/CollectionPane.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "platform/CharClass.h"
#include "ui/collections/CollectionRow.h"
#include "ui/common/CommandEvent.h"
#include "ui/common/CommandIds.h"
#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/controls/InlineEditor.h"
#include "ui/controls/RowOrder.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenu.h"
#include "wardrobe/CollectionList.h"
#include "wardrobe/RemovalReport.h"

namespace tavoro::ui {

namespace {

constexpr const wchar_t* kCaption = L"Tavoro Wardrobe Manager";
constexpr int kNameLimit = 100;

std::wstring editorText(const InlineEditor& editor) { return trimSpace(toWString(editor.text())); }

}  // namespace

CollectionPane::CollectionPane(QWidget* parent)
    : RowList(CollectionRow::kHeight, parent), m_editor(new InlineEditor(viewport())) {
  setObjectName(QStringLiteral("CollectionPane"));
  registerModelMetaTypes();
  m_editor->setMaxLength(kNameLimit);
  m_editor->setBorderColor(QColor(167, 177, 196));
  setDeleteKeyEnabled(true);
  setRowDragging(1);
  connect(this, &RowList::selectionChanged, this, &CollectionPane::onSelectionChanged);
  connect(this, &RowList::rowDoubleClicked, this, &CollectionPane::onDoubleClicked);
  connect(this, &RowList::commandRequested, this, &CollectionPane::executeCommand);
  connect(this, &RowList::rowDragged, this, &CollectionPane::commitOrder);
  // The editor asks with a flag on its own stack: the answer must come at once.
  connect(m_editor, &InlineEditor::validateRequested, this, &CollectionPane::validateEdit, Qt::DirectConnection);
  connect(m_editor, &InlineEditor::editEnded, this, &CollectionPane::commitEdit, Qt::DirectConnection);
}

CollectionPane::~CollectionPane() { m_edited = nullptr; }

void CollectionPane::attachWardrobe(CollectionList& collections) {
  detach();
  m_collections = &collections;
  const int32_t hotId = collections.hotId();
  int selected = -1;
  addRow(std::make_unique<CollectionRow>(collections.allCollections()));
  if (hotId == 0) selected = 0;
  for (const auto& collection : collections.collections()) {
    const int index = addRow(std::make_unique<CollectionRow>(collection.get()));
    if (selected < 0 && collection->id() == hotId) selected = index;
  }
  addRow(std::make_unique<CollectionRow>(collections.addPlaceholder()));
  selectRow(selected < 0 ? 0 : selected);
}

void CollectionPane::detach() {
  // The edit is dropped: nothing of it may reach a wardrobe that is going away.
  m_edited = nullptr;
  m_editor->hide();
  removeAllRows();
  m_collections = nullptr;
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
  if (selectedCount() > 0) emit collectionSelected();
}

void CollectionPane::refreshCounts() { viewport()->update(); }

void CollectionPane::paintBackground(QPainter& painter, const QRect& area) {
  // Below the rows the pane keeps their colour, so that it reads as one column.
  painter.fillRect(area, CollectionRow::kBackground);
}

bool CollectionPane::canDragRow(int index) const {
  const CollectionRow* target = collectionRow(index);
  return !m_editor->isEditing() && target && target->isReal() && RowList::canDragRow(index);
}

void CollectionPane::mousePressEvent(QMouseEvent* event) {
  RowList::mousePressEvent(event);
  const CollectionRow* target = collectionRow(rowAt(event->position().toPoint()));
  if (event->button() == Qt::LeftButton && target && target->isSelectable() && selectedCount() > 0)
    emit collectionClicked();
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
    showMessage(this, L"Invalid collection name. Please try another name.", kCaption, kMbOk | kMbIconInformation);
    return;
  }
  const Collection* existing = m_collections->findByName(name);
  if (existing && existing != m_edited) {
    *accept = false;
    showMessage(this, L"Collection \"" + name + L"\" already exists. Please try another name.", kCaption,
                kMbOk | kMbIconInformation);
  }
}

void CollectionPane::commitEdit(int reason) {
  Collection* edited = m_edited;
  m_edited = nullptr;
  const std::wstring name = editorText(*m_editor);
  if (!edited || !m_collections || !InlineEditor::isCommitReason(reason) || name.empty()) return;
  if (edited->id() > 0) {
    if (name == edited->name()) return;
    edited->setName(name);
    updateRow(rowOf(edited));
    if (selectedCount() > 0) emit collectionRenamed(edited);
  } else if (edited == m_collections->addPlaceholder() && isWellFormed()) {
    if (m_collections->findByName(name)) return;
    Collection* added = m_collections->add(name);
    // Before the placeholder, which stays last.
    const int index = addRow(std::make_unique<CollectionRow>(added));
    moveRow(index, index - 1);
    selectRow(index - 1);
  }
}

// --- Commands ------------------------------------------------------------------

bool CollectionPane::event(QEvent* event) {
  if (event->type() == CommandEvent::eventType()) {
    executeCommand(static_cast<CommandEvent*>(event)->id());
    return true;
  }
  return RowList::event(event);
}

void CollectionPane::contextMenuEvent(QContextMenuEvent* event) {
  const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? QPoint(-1, -1) : event->pos();
  showContextMenu(at, contextMenuPosition(viewport(), *event));
}

void CollectionPane::showContextMenu(QPoint viewportPos, QPoint globalPos) {
  auto menu = PopupMenu::fromResource(kMenuCollectionListContext);
  if (!menu || !isWellFormed()) return;
  const int index = rowAt(viewportPos);
  const CollectionRow* target = collectionRow(index);
  const bool real = target && target->isReal();
  menu->setCommandEnabled(kCmdRename, real);
  menu->setCommandEnabled(kCmdDelete, real);
  menu->setCommandEnabled(kCmdMoveToTop, real && index != 1);
  menu->setCommandEnabled(kCmdMoveUp, real && index != 1);
  menu->setCommandEnabled(kCmdMoveDown, real && index != rowCount() - 2);
  menu->setCommandEnabled(kCmdMoveToBottom, real && index != rowCount() - 2);
  menu->setCommandEnabled(kCmdSortAscending, rowCount() >= 4);
  menu->setCommandEnabled(kCmdSortDescending, rowCount() >= 4);

  QPointer<CollectionPane> self(this);
  const int command = menu->track(globalPos, this);
  if (self && command) executeCommand(command);
}

void CollectionPane::executeCommand(int commandId) {
  if (!isWellFormed()) return;
  switch (commandId) {
    case kCmdAddItem: {
      const int placeholder = rowCount() - 1;
      ensureVisible(placeholder);
      if (editedRow() != placeholder) startEdit(placeholder);
      break;
    }
    case kCmdRename:
      for (int index : selectedRows()) {
        if (collectionRow(index)->isReal()) {
          startEdit(index);
          break;
        }
      }
      break;
    case kCmdDelete:
      deleteSelected();
      break;
    case kCmdMoveToTop:
    case kCmdMoveUp:
    case kCmdMoveDown:
    case kCmdMoveToBottom:
      moveSelected(commandId);
      break;
    case kCmdSortAscending:
    case kCmdSortDescending:
      sortRows(commandId == kCmdSortAscending);
      break;
    default:
      break;
  }
}

void CollectionPane::moveSelected(int commandId) {
  int from = -1;
  for (int index : selectedRows()) {
    if (collectionRow(index)->isReal()) {
      from = index;
      break;
    }
  }
  if (from >= 0 && moveRowByCommand(*this, from, commandId, 1, rowCount() - 2)) commitOrder();
}

void CollectionPane::sortRows(bool ascending) {
  if (rowCount() < 4) return;
  const bool swapped = sortRowsByName(*this, 1, rowCount() - 2, ascending,
                                      [this](int row) -> std::wstring_view { return collectionRow(row)->collection()->name(); });
  commitOrder();
  if (swapped) viewport()->update();
}

void CollectionPane::commitOrder() {
  if (!isWellFormed()) return;
  std::vector<Collection*> order;
  for (int i = 1; i <= rowCount() - 2; ++i) order.push_back(collectionRow(i)->collection());
  m_collections->reorder(order);
}

void CollectionPane::deleteSelected() {
  const CollectionRow* selected = collectionRow(firstSelectedRow());
  if (!selected || !selected->isReal()) return;
  Collection* collection = selected->collection();
  std::wstring question = L"Are you sure you want to delete collection \"" + collection->name() + L"\"?";
  if (collection->items().count() > 0) question += L"\n\nNote: all items in this collection will also be deleted.";
  QPointer<CollectionPane> self(this);
  const int answer = showMessage(this, question, L"Confirm Collection Delete", kMbQuestion);
  if (!self || !isWellFormed()) return;
  if (answer == kIdYes) {
    int index = -1;
    for (int i = rowCount() - 2; i >= 1 && index < 0; --i)
      if (row(i)->isSelected()) index = i;
    CollectionRow* doomed = collectionRow(index);
    if (doomed) {
      Collection* target = doomed->collection();
      const std::wstring name = target->name();
      emit collectionAboutToBeRemoved(target);
      RemovalReport report;
      if (m_collections->remove(target, &report)) {
        // The row goes before anything can paint it with its collection gone.
        const bool wasLast = index == rowCount() - 2;
        removeRow(doomed);
        selectRow(wasLast ? index - 1 : index);
        if (!report.clean()) {
          showMessage(this,
                      L"The collection \"" + name +
                          L"\" was deleted, but some of its files could not be deleted. They are still in:\n\n" +
                          report.foldersKept.front(),
                      kCaption, kMbOk | kMbIconWarning);
        }
      }
    }
  }
  if (self) setFocus(Qt::OtherFocusReason);
}

}  // namespace tavoro::ui
