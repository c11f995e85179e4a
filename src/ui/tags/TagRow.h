// One row of the tag pane: a tag of the bound item's collection with the
// item's value for it, or the "Double-click to add a tag" placeholder. The
// name column is the left 160 pixels, the value column the rest.
// User-interface thread only.
#pragma once

#include <QRect>

#include "ui/controls/ListBoxRow.h"

namespace tavoro {
class Item;
class SearchEngine;
class Tag;
}  // namespace tavoro

namespace tavoro::ui {

// What the pane tells its rows for drawing; the pane owns it and the rows
// read it at every paint.
struct TagRowLook {
  const Item* item = nullptr;   // whose values are shown
  // The search whose matches the values show (the item was chosen in its
  // results), or null.
  SearchEngine* highlight = nullptr;
  int hintAlpha = 0;            // of "Click to edit", 0..255
  const Tag* edited = nullptr;  // the tag whose row an editor covers
};

class TagRow : public ListBoxRow {
 public:
  static constexpr int kHeight = 28;
  static constexpr int kNameWidth = 160;

  // tag belongs to the collection's tag list (the placeholder has id 0).
  TagRow(Tag* tag, const TagRowLook& look);

  Tag* tag() const { return m_tag; }
  bool isPlaceholder() const;

  // Places within a row's rectangle.
  static QRect valueCell(const QRect& row);
  static QRect nameEditorPlace(const QRect& row);
  static QRect valueEditorPlace(const QRect& row);

  void paint(QPainter& painter, const QRect& rect, const State& state) const override;
  // The tag's name; its value for the item shown (or that it has none).
  QString accessibleName() const override;
  QString accessibleDescription() const override;

 private:
  Tag* m_tag;
  const TagRowLook& m_look;
};

}  // namespace tavoro::ui
