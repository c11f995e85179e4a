#include "ui/tags/TagPane.h"
#include "ui/common/UiText.h"
#include "ui/common/CoreTexts.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "platform/CharClass.h"
#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/controls/InlineEditor.h"
#include "ui/controls/RowOrder.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenu.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Collection.h"
#include "wardrobe/Item.h"
#include "wardrobe/TagList.h"

namespace tavoro::ui {

namespace {

const QColor kEditorBorder(167, 177, 196);

std::wstring editorText(const InlineEditor& editor) {
  return trimSpace(toWString(editor.text()));
}

}  // namespace

TagPane::TagPane(WardrobeSession& session, QWidget* parent)
    : RowList(TagRow::kHeight, parent),
      m_session(session),
      m_nameEditor(new InlineEditor(viewport(), true)),
      m_valueEditor(new InlineEditor(viewport(), false)) {
  setObjectName(QStringLiteral("TagPane"));
  registerModelMetaTypes();
  m_nameEditor->setObjectName(QStringLiteral("TagNameEdit"));
  m_valueEditor->setObjectName(QStringLiteral("TagValueEdit"));
  for (InlineEditor* editor : {m_nameEditor, m_valueEditor}) {
    editor->setMaxLength(WardrobeSession::kTagTextLimit);
    editor->setBorderColor(kEditorBorder);
    // The editor asks with a flag on its own stack: the answer must come at once.
    connect(editor, &InlineEditor::validateRequested, this, &TagPane::validateEdit, Qt::DirectConnection);
    connect(editor, &InlineEditor::editEnded, this, &TagPane::commitEdit, Qt::DirectConnection);
  }
  setDeleteKeyEnabled(true);
  setRowDragging(0);
  m_hintTimer.setObjectName(QStringLiteral("TagHintTimer"));
  connect(&m_hintTimer, &QTimer::timeout, this, &TagPane::onHintTick);
  connect(this, &RowList::commandRequested, this, [this](int id) { triggerCommand(this, id); });
  // The commands act on the selected row (a menu on the row it opened on).
  connect(this, &RowList::selectionChanged, this, [this] { updateActions(selectedTagRow()); });
  connect(this, &RowList::rowDragged, this, [this] { commitOrder(); });

  connect(&m_session, &WardrobeSession::tagAdded, this, &TagPane::onTagAdded);
  connect(&m_session, &WardrobeSession::tagRenamed, viewport(), qOverload<>(&QWidget::update));
  connect(&m_session, &WardrobeSession::tagsReordered, this, &TagPane::onTagsReordered);
  connect(&m_session, &WardrobeSession::tagAboutToBeRemoved, this, &TagPane::onTagAboutToBeRemoved);
  connect(&m_session, &WardrobeSession::tagsRemoved, this, [this] {
    viewport()->update();
    updateActions(selectedTagRow());
  });
  connect(&m_session, &WardrobeSession::valuesChanged, this, [this](Item* item) {
    if (item != m_item) return;
    viewport()->update();
    updateActions(selectedTagRow());
  });
  makeActions();
}

TagPane::~TagPane() {
  m_activeEditor = nullptr;
  m_edited = nullptr;
}

// --- Binding -------------------------------------------------------------------

void TagPane::bind(Item* item, bool fromSearch) {
  if (!item) {
    unbind();
    return;
  }
  if (item != m_item) dropEdit();
  m_item = item;
  m_look.item = item;
  m_look.highlight = fromSearch ? &m_session.engine() : nullptr;
  TagList* tags = &item->owner()->collection()->tags();
  if (tags != m_tags) rebuild(tags);
  viewport()->update();
  updateActions(selectedTagRow());
}

void TagPane::unbind() {
  dropEdit();
  removeAllRows();
  m_item = nullptr;
  m_tags = nullptr;
  m_look.item = nullptr;
  m_look.highlight = nullptr;
  updateActions(-1);
}

void TagPane::rebuild(TagList* tags) {
  dropEdit();
  removeAllRows();
  m_tags = tags;
  for (const auto& tag : tags->tags()) addRow(std::make_unique<TagRow>(tag.get(), m_look));
  addRow(std::make_unique<TagRow>(tags->addPlaceholder(), m_look));
}

bool TagPane::isWellFormed() const {
  return m_item && m_tags && rowCount() == static_cast<int>(m_tags->count()) + 1 &&
         tagRow(rowCount() - 1)->isPlaceholder();
}

void TagPane::paintBackground(QPainter& painter, const QRect& area) {
  // Below the rows the two columns go on, so that the pane reads as a table.
  painter.fillRect(QRect(area.left(), area.top(), TagRow::kNameWidth, area.height()), QColor(223, 227, 235));
  painter.fillRect(
      QRect(area.left() + TagRow::kNameWidth, area.top(), area.width() - TagRow::kNameWidth, area.height()),
      QColor(235, 238, 244));
}

// --- Editing -------------------------------------------------------------------

int TagPane::rowOf(const Tag* tag) const {
  for (int i = 0; tag && i < rowCount(); ++i)
    if (tagRow(i)->tag() == tag) return i;
  return -1;
}

int TagPane::editedRow() const {
  return m_activeEditor && m_activeEditor->isEditing() ? rowOf(m_edited) : -1;
}

void TagPane::dropEdit() {
  // Nothing of it reaches the model: the edit belongs to what is going away.
  m_activeEditor = nullptr;
  m_edited = nullptr;
  m_look.edited = nullptr;
  m_nameEditor->hide();
  m_valueEditor->hide();
}

void TagPane::startNameEdit(int index) {
  const TagRow* target = tagRow(index);
  if (!isWellFormed() || !target) return;
  openEditor(m_nameEditor, index, target->isPlaceholder() ? m_tags->suggestNewName() : target->tag()->name());
}

void TagPane::startValueEdit(int index) {
  const TagRow* target = tagRow(index);
  if (!isWellFormed() || !target || target->isPlaceholder()) return;
  openEditor(m_valueEditor, index, m_item->records().get(target->tag()->id()));
}

void TagPane::openEditor(InlineEditor* editor, int index, const std::wstring& text) {
  // One edit at a time: the open one ends (or refuses to) before another starts.
  if (m_activeEditor && m_activeEditor->isEditing()) return;
  m_activeEditor = editor;
  m_edited = tagRow(index)->tag();
  m_look.edited = m_edited;
  editor->setText(toQString(text));
  placeEditor(true);
  updateRow(index);
}

void TagPane::placeEditor(bool takeFocus) {
  const int index = rowOf(m_edited);
  if (!m_activeEditor || index < 0) return;
  const QRect rect = rowRect(index);
  m_activeEditor->place(m_activeEditor == m_nameEditor ? TagRow::nameEditorPlace(rect) : TagRow::valueEditorPlace(rect),
                        takeFocus);
}

void TagPane::scrollContentsBy(int dx, int dy) {
  RowList::scrollContentsBy(dx, dy);
  if (editedRow() >= 0) placeEditor(false);
}

void TagPane::resizeEvent(QResizeEvent* event) {
  RowList::resizeEvent(event);
  if (editedRow() >= 0) placeEditor(false);
}

void TagPane::validateEdit(bool* accept) {
  // Only names are checked; any value is accepted.
  if (m_activeEditor != m_nameEditor || !m_tags || !m_edited) return;
  const std::wstring name = editorText(*m_nameEditor);
  if (name.empty()) return;
  // Another tag of the collection, compared exactly: the tag itself may take
  // its own name in other letter case.
  if (m_tags->findByName(name, false, m_edited)) {
    *accept = false;
    showMessage(this, uiText(tr("Tag \"%1\" already exists. Please try another name."), {name}), programCaption(),
                kMbOk | kMbIconInformation);
  }
}

void TagPane::commitEdit(int reason) {
  InlineEditor* editor = m_activeEditor;
  Tag* tag = m_edited;
  m_activeEditor = nullptr;
  m_edited = nullptr;
  m_look.edited = nullptr;
  viewport()->update();
  if (!editor || !tag || !isWellFormed() || !InlineEditor::isCommitReason(reason)) return;
  const std::wstring text = editorText(*editor);
  if (editor == m_valueEditor) {
    setValue(tag, text);
    // Enter steps on to the next value, as a form does, once this edit is over.
    if (reason == InlineEditor::kEndEnter) QTimer::singleShot(0, this, &TagPane::moveToNextValue);
    return;
  }
  if (text.empty()) return;
  if (tag != m_tags->addPlaceholder()) {
    m_session.renameTag(tag, text);
    return;
  }
  Tag* added = m_session.addTag(m_tags->collection(), text);
  if (!added || rowOf(added) < 0) return;
  selectRowAlone(rowOf(added));
  ensureVisible(rowCount() - 1);
}

void TagPane::setValue(Tag* tag, std::wstring value) { m_session.setValue(m_item, tag, value); }

void TagPane::onTagAdded(Tag* tag) {
  // The list has the tag already: the rows are one short of well formed.
  if (!m_item || tag->owner() != m_tags) return;
  // In the list's order, before the placeholder, which stays last.
  size_t position = 0;
  while (position < m_tags->count() && m_tags->at(position) != tag) ++position;
  const int index = addRow(std::make_unique<TagRow>(tag, m_look));
  moveRow(index, static_cast<int>(position));
  updateActions(selectedTagRow());
}

void TagPane::onTagsReordered(Collection* collection) {
  if (!isWellFormed() || &collection->tags() != m_tags) return;
  for (size_t i = 0; i < m_tags->count(); ++i) {
    const int at = rowOf(m_tags->at(i));
    if (at >= 0 && at != static_cast<int>(i)) moveRow(at, static_cast<int>(i));
  }
  viewport()->update();
  updateActions(selectedTagRow());
}

void TagPane::onTagAboutToBeRemoved(Tag* tag) {
  const int index = rowOf(tag);
  if (index < 0 || tag->owner() != m_tags) return;
  if (m_edited == tag) dropEdit();
  removeRow(tagRow(index));
}

int TagPane::selectedTagRow() const {
  for (int index : selectedRows())
    if (!tagRow(index)->isPlaceholder()) return index;
  return -1;
}

// --- Mouse and the hint ---------------------------------------------------------

void TagPane::mousePressEvent(QMouseEvent* event) {
  m_fader.mousePressed();
  m_hintTimer.stop();
  m_look.hintAlpha = 0;
  updateHintCells();

  const QPoint pos = event->position().toPoint();
  const int index = rowAt(pos);
  const TagRow* target = tagRow(index);
  if (event->button() == Qt::LeftButton && pos.x() >= TagRow::kNameWidth && target && !target->isPlaceholder() &&
      index != editedRow() && isWellFormed()) {
    // A single press on a value opens its editor.
    setFocus(Qt::MouseFocusReason);
    const bool changedSelection = selectedRows() != std::vector<int>{index};
    selectRowAlone(index);
    if (changedSelection) emit selectionChanged();
    startValueEdit(index);
    return;
  }
  RowList::mousePressEvent(event);
}

void TagPane::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const int index = rowAt(pos);
  if (event->button() == Qt::LeftButton && pos.x() < TagRow::kNameWidth && row(index) && index != editedRow())
    startNameEdit(index);
}

void TagPane::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
  const int index = focusRow();
  if (plain && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
    m_valueColumn = event->key() == Qt::Key_Right;
    viewport()->update();
    return;
  }
  const bool edit = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_F2;
  if (plain && edit && tagRow(index) && !tagRow(index)->isPlaceholder() && isWellFormed() && index != editedRow()) {
    if (m_valueColumn) {
      selectRowAlone(index);
      startValueEdit(index);
    } else {
      startNameEdit(index);
    }
    return;
  }
  RowList::keyPressEvent(event);
}

QRect TagPane::focusFrame(int index) const {
  const QRect whole = rowRect(index);
  return m_valueColumn ? TagRow::valueCell(whole) : QRect(whole.left(), whole.top(), TagRow::kNameWidth, whole.height());
}

void TagPane::mouseMoveEvent(QMouseEvent* event) {
  RowList::mouseMoveEvent(event);
  m_mouseInside = true;
  if (m_hintTimer.isActive()) return;
  if (const int interval = m_fader.mouseMoved(); interval > 0) m_hintTimer.start(interval);
}

bool TagPane::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) {
    m_mouseInside = false;
    m_fader.mouseLeft();
  }
  return RowList::viewportEvent(event);
}

void TagPane::onHintTick() {
  const int next = m_fader.tick(m_mouseInside);
  if (next > 0)
    m_hintTimer.start(next);
  else
    m_hintTimer.stop();
  m_look.hintAlpha = m_fader.alpha();
  updateHintCells();
}

void TagPane::updateHintCells() {
  if (!m_item) return;
  for (int i = 0; i < rowCount(); ++i) {
    const TagRow* current = tagRow(i);
    if (current->isPlaceholder() || current->tag() == m_look.edited) continue;
    if (m_item->records().get(current->tag()->id()).empty()) viewport()->update(TagRow::valueCell(rowRect(i)));
  }
}

bool TagPane::canDragRow(int index) const {
  const TagRow* target = tagRow(index);
  return !m_nameEditor->isEditing() && !m_valueEditor->isEditing() && target && !target->isPlaceholder() &&
         RowList::canDragRow(index);
}

// --- Commands ------------------------------------------------------------------

void TagPane::makeActions() {
  addCommandAction(this, kCmdAddItem, tr("Add a Tag..."), [this] { addTag(); });
  addCommandAction(this, kCmdDelete, tr("Delete"), [this] { deleteSelected(); });
  addCommandAction(this, kCmdRename, tr("Rename..."), [this] { renameSelected(); });
  addCommandAction(this, kCmdDeleteAllTags, tr("Delete All Tags"), [this] { deleteAll(); });
  const std::pair<int, const char*> moves[] = {{kCmdMoveToTop, QT_TR_NOOP("Move to Top")},
                                               {kCmdMoveUp, QT_TR_NOOP("Move Up")},
                                               {kCmdMoveDown, QT_TR_NOOP("Move Down")},
                                               {kCmdMoveToBottom, QT_TR_NOOP("Move to Bottom")}};
  for (const auto& [id, text] : moves)
    addCommandAction(this, id, tr(text), [this, id = id] { moveSelected(id); });
  addCommandAction(this, kCmdSortTagsAscending, tr("Sort Ascending"), [this] { sortRows(true); });
  addCommandAction(this, kCmdSortTagsDescending, tr("Sort Descending"), [this] { sortRows(false); });
  addCommandAction(this, kCmdEditValue, tr("Edit Value..."), [this] { editSelectedValue(); });
  addCommandAction(this, kCmdClearValue, tr("Clear"), [this] { clearSelectedValue(); });
  addCommandAction(this, kCmdClearAllValues, tr("Clear All"), [this] { clearAllValues(); });
}

void TagPane::updateActions(int contextRow) {
  const bool wellFormed = isWellFormed();
  const TagRow* target = tagRow(contextRow);
  const bool tagRowHit = wellFormed && target && !target->isPlaceholder();
  const int lastTag = rowCount() - 2;
  bool anyValue = false;
  for (int i = 0; wellFormed && i < rowCount() - 1; ++i)
    anyValue |= !m_item->records().get(tagRow(i)->tag()->id()).empty();
  const auto enable = [this](int id, bool enabled) {
    if (QAction* action = findCommandAction(this, id)) action->setEnabled(enabled);
  };
  enable(kCmdAddItem, wellFormed);
  enable(kCmdDelete, tagRowHit);
  enable(kCmdRename, tagRowHit);
  enable(kCmdDeleteAllTags, wellFormed && rowCount() >= 2);
  enable(kCmdMoveToTop, tagRowHit && contextRow != 0);
  enable(kCmdMoveUp, tagRowHit && contextRow != 0);
  enable(kCmdMoveDown, tagRowHit && contextRow != lastTag);
  enable(kCmdMoveToBottom, tagRowHit && contextRow != lastTag);
  enable(kCmdSortTagsAscending, wellFormed && rowCount() >= 3);
  enable(kCmdSortTagsDescending, wellFormed && rowCount() >= 3);
  enable(kCmdEditValue, tagRowHit);
  enable(kCmdClearValue, tagRowHit && !m_item->records().get(target->tag()->id()).empty());
  enable(kCmdClearAllValues, anyValue);
}

void TagPane::contextMenuEvent(QContextMenuEvent* event) {
  const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? keyboardMenuPoint() : event->pos();
  showContextMenu(at, contextMenuPosition(viewport(), *event));
}

void TagPane::showContextMenu(QPoint viewportPos, QPoint globalPos) {
  if (!isWellFormed()) return;
  const bool values = viewportPos.x() >= TagRow::kNameWidth;
  updateActions(rowAt(viewportPos));
  QPointer<TagPane> self(this);
  runCommandMenu(values ? kMenuTagValueContext : kMenuTagContext, this, globalPos, 0, true);
  if (self) updateActions(selectedTagRow());
}

void TagPane::addTag() {
  if (!isWellFormed()) return;
  const int placeholder = rowCount() - 1;
  ensureVisible(placeholder);
  if (editedRow() != placeholder) startNameEdit(placeholder);
}

void TagPane::renameSelected() {
  if (const int index = selectedTagRow(); isWellFormed() && index >= 0) startNameEdit(index);
}

void TagPane::editSelectedValue() {
  if (const int index = selectedTagRow(); isWellFormed() && index >= 0) {
    selectRowAlone(index);
    startValueEdit(index);
  }
}

void TagPane::clearSelectedValue() {
  if (const int index = selectedTagRow(); isWellFormed() && index >= 0) setValue(tagRow(index)->tag(), L"");
}

void TagPane::moveToNextValue() {
  if (!isWellFormed() || rowCount() <= 2) return;
  const int from = selectedTagRow();
  if (from < 0) return;
  // After the last tag comes the first: Enter cycles through every value.
  const int next = from + 1 <= rowCount() - 2 ? from + 1 : 0;
  selectRowAlone(next);
  startValueEdit(next);
}

void TagPane::moveSelected(int commandId) {
  if (!isWellFormed()) return;
  const int from = selectedTagRow();
  if (from >= 0 && moveRowByCommand(*this, from, commandId, 0, rowCount() - 2)) commitOrder();
}

void TagPane::sortRows(bool ascending) {
  if (!isWellFormed() || rowCount() < 3) return;
  const bool swapped = sortRowsByName(*this, 0, rowCount() - 2, ascending,
                                      [this](int row) -> std::wstring_view { return tagRow(row)->tag()->name(); });
  commitOrder(tr("Sort Tags"));
  if (swapped) viewport()->update();
}

void TagPane::commitOrder(const QString& step) {
  if (!isWellFormed()) return;
  std::vector<Tag*> order;
  for (int i = 0; i <= rowCount() - 2; ++i) order.push_back(tagRow(i)->tag());
  m_session.reorderTags(m_tags->collection(), order, step);
}

void TagPane::deleteSelected() {
  const int index = selectedTagRow();
  if (!isWellFormed() || index < 0) return;
  Tag* tag = tagRow(index)->tag();
  QPointer<TagPane> self(this);
  const int answer = showMessage(this,
                                 uiText(tr("Are you sure you want to delete tag \"%1\"?\n\nNote: all values for "
                                           "this tag in current wardrobe will be lost."),
                                        {tag->name()}),
                                 uiText(tr("Confirm Tag Delete")), kMbQuestion);
  // The box ran an event loop: the rows may have changed meanwhile.
  if (!self || answer != kIdYes || !isWellFormed() || rowOf(tag) != index) return;
  // Its row goes with the session's news of it.
  m_session.removeTag(tag);
}

void TagPane::deleteAll() {
  if (rowCount() < 2) return;
  QPointer<TagPane> self(this);
  const int answer = showMessage(this,
                                 uiText(tr("Are you sure you want to delete all existing tags?\n\nNote: values for "
                                           "all tags in current wardrobe will be lost.")),
                                 uiText(tr("Confirm Delete All Tags")), kMbQuestion);
  if (!self || answer != kIdYes || !isWellFormed()) return;
  dropEdit();
  m_session.removeAllTags(m_tags->collection());
}

void TagPane::clearAllValues() {
  if (!isWellFormed() || rowCount() < 2) return;
  // Values kept for deleted tags go too.
  m_session.clearAllValues(m_item);
}

}  // namespace tavoro::ui
