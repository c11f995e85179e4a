// How an entry of the item list is drawn and edited in the current look:
// the thumbnail cell or the file's icon above a label of at most two lines
// (Thumbnails, Icons), a small icon beside a one-line label (List), or the
// row of the details table (Details); renaming edits the name in place.
// User-interface thread only.
#pragma once

#include <QStyledItemDelegate>

#include "ui/items/ItemListLook.h"

namespace tavoro::ui {

class ListThumbnails;

class ItemListDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  ItemListDelegate(ListThumbnails& thumbnails, QObject* parent = nullptr);

  ItemListLook look() const { return m_look; }
  void setLook(ItemListLook look) { m_look = look; }
  // The size every entry takes in the icon-like looks (the grid).
  QSize entrySize(ItemListLook look) const;
  // Where the label lies in an entry's rectangle.
  QRect labelRect(const QRect& entry) const;
  // Where the picture (cell or icon) lies in an entry's rectangle.
  QRect pictureRect(const QRect& entry) const;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  // An empty text leaves the name as it was.
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;

 private:
  int lineHeight() const;
  int maxLabelLines() const;
  void paintLabel(QPainter& painter, const QStyleOptionViewItem& option, const QRect& area, const QString& text) const;

  ListThumbnails& m_thumbnails;
  ItemListLook m_look = ItemListLook::Thumbnails;
};

}  // namespace tavoro::ui
