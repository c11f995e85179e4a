// The tag pane, below the preview in the details: every tag of the bound
// item's collection with the item's value for it, and the row that adds a
// tag. Tags are added, renamed, deleted, moved, dragged and sorted here, and
// values typed in place, each change made through the session at once; the
// rows follow the session's news of tags and values wherever they changed.
// User-interface thread only.
#pragma once

#include <QTimer>
#include <string>

#include "ui/common/ModelMetaTypes.h"
#include "ui/controls/RowList.h"
#include "ui/tags/HintFader.h"
#include "ui/tags/TagRow.h"

namespace tavoro {
class TagList;
}

namespace tavoro::ui {

class InlineEditor;
class WardrobeSession;

class TagPane : public RowList {
  Q_OBJECT

 public:
  explicit TagPane(WardrobeSession& session, QWidget* parent = nullptr);
  ~TagPane() override;

  // Shows item's values (fromSearch: the item was chosen in the search
  // results, whose matches its values show). The rows are made again only
  // when the item's collection has another tag list than the one shown.
  void bind(Item* item, bool fromSearch);
  // Shows nothing; an edit in progress is dropped unsaved.
  void unbind();
  Item* boundItem() const { return m_item; }
  bool isHighlighting() const { return m_look.highlight != nullptr; }

  TagRow* tagRow(int index) const { return static_cast<TagRow*>(row(index)); }
  // The rows, the placeholder last; false while nothing is bound.
  bool isWellFormed() const;

  InlineEditor* nameEditor() const { return m_nameEditor; }
  InlineEditor* valueEditor() const { return m_valueEditor; }
  // The row an editor is open on, or -1.
  int editedRow() const;
  // Opens the name editor on a tag's row (its name) or on the placeholder (a
  // new name), or the value editor on a tag's row.
  void startNameEdit(int index);
  void startValueEdit(int index);

  // Shows the context menu of the column at viewportPos (menu 248 over the
  // names, 249 over the values) for the row there and carries out the
  // command chosen.
  void showContextMenu(QPoint viewportPos, QPoint globalPos);

  const HintFader& hintFader() const { return m_fader; }
  bool hintTimerRunning() const { return m_hintTimer.isActive(); }

 protected:
  bool canDragRow(int index) const override;
  void paintBackground(QPainter& painter, const QRect& area) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  // Left and Right choose the column the keys act on, Enter and F2 edit its
  // cell in the focus row; the rest moves as in every row list.
  void keyPressEvent(QKeyEvent* event) override;
  QRect focusFrame(int index) const override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  bool viewportEvent(QEvent* event) override;

 private:
  void makeActions();
  // The enabled state of every command of both menus for the row a menu was
  // opened on (-1: none), in one place.
  void updateActions(int contextRow);
  void onTagAdded(Tag* tag);
  void onTagsReordered(Collection* collection);
  void onTagAboutToBeRemoved(Tag* tag);
  void addTag();
  void renameSelected();
  void editSelectedValue();
  void clearSelectedValue();
  void rebuild(TagList* tags);
  int rowOf(const Tag* tag) const;
  void dropEdit();
  void openEditor(InlineEditor* editor, int index, const std::wstring& text);
  void placeEditor(bool takeFocus);
  void validateEdit(bool* accept);
  void commitEdit(int reason);
  // The first selected row that shows a tag, or -1.
  int selectedTagRow() const;
  void setValue(Tag* tag, std::wstring value);
  void moveSelected(int commandId);
  void sortRows(bool ascending);
  void commitOrder(const QString& step = {});
  void deleteSelected();
  void deleteAll();
  void clearAllValues();
  void moveToNextValue();
  void onHintTick();
  void updateHintCells();

  WardrobeSession& m_session;
  Item* m_item = nullptr;
  TagList* m_tags = nullptr;  // the list the rows were made from
  TagRowLook m_look;
  InlineEditor* m_nameEditor;
  InlineEditor* m_valueEditor;
  InlineEditor* m_activeEditor = nullptr;
  Tag* m_edited = nullptr;
  HintFader m_fader;
  QTimer m_hintTimer;
  bool m_mouseInside = false;
  bool m_valueColumn = false;  // the column the keys act on (the context menu's too)
};

}  // namespace tavoro::ui
