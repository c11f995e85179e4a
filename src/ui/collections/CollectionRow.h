// One row of the collection pane: "All Collections", a real collection or the
// "Double-click to add a collection" placeholder, drawn with its icon, its
// name and the count of its items. User-interface thread only.
#pragma once

#include <QColor>

#include "ui/controls/ListBoxRow.h"

namespace tavoro {
class Collection;
}

namespace tavoro::ui {

class CollectionRow : public ListBoxRow {
 public:
  static constexpr int kHeight = 31;
  // Where the in-place editor starts, from the row's left edge.
  static constexpr int kEditorLeft = 42;
  static inline const QColor kBackground{234, 238, 246};

  // The row shows collection, which belongs to a collection list of the open
  // wardrobe; the placeholder row cannot be selected.
  explicit CollectionRow(Collection* collection);

  Collection* collection() const { return m_collection; }
  bool isAllCollections() const;
  bool isPlaceholder() const;
  bool isReal() const;

  void paint(QPainter& painter, const QRect& rect, const State& state) const override;
  // The name as shown; "%n items" for a collection with items.
  QString accessibleName() const override;
  QString accessibleDescription() const override;

 private:
  Collection* m_collection;
};

}  // namespace tavoro::ui
