#include "ui/items/ItemListDelegate.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTextLayout>

#include "ui/common/UiFonts.h"
#include "ui/items/ItemListModel.h"
#include "ui/items/ListThumbnails.h"

namespace tavoro::ui {

namespace {

// The label broken into at most maxLines lines of width, the last one cut
// with an ellipsis when the text goes on.
QStringList breakLabel(const QString& text, const QFont& font, int width, int maxLines) {
  QStringList lines;
  if (width <= 0) return lines;
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  for (int n = 0; n < maxLines; ++n) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    line.setLineWidth(width);
    if (n == maxLines - 1) {
      const QFontMetrics metrics(font);
      lines.push_back(metrics.elidedText(text.mid(line.textStart()).simplified(), Qt::ElideRight, width));
    } else {
      lines.push_back(text.mid(line.textStart(), line.textLength()).trimmed());
    }
  }
  layout.endLayout();
  return lines;
}

QPalette::ColorGroup groupOf(const QStyleOptionViewItem& option) {
  // The selection shows also while the list has no focus, in the inactive colours.
  return option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
}

}  // namespace

ItemListDelegate::ItemListDelegate(ListThumbnails& thumbnails, QObject* parent)
    : QStyledItemDelegate(parent), m_thumbnails(thumbnails) {}

int ItemListDelegate::lineHeight() const {
  return QFontMetrics(UiFont()).height();
}

int ItemListDelegate::maxLabelLines() const {
  return m_look == ItemListLook::List ? 1 : 2;
}

QSize ItemListDelegate::entrySize(ItemListLook look) const {
  const int label = 2 * lineHeight() + kLabelBottom;
  switch (look) {
    case ItemListLook::Thumbnails:
      return QSize(kThumbnailSpacing, kPictureTop + kThumbnailCell + kLabelGap + label);
    case ItemListLook::Icons:
      return QSize(kIconSpacing, kPictureTop + kLargeIcon + kLabelGap + label);
    case ItemListLook::List:
    case ItemListLook::Details:
      break;
  }
  return QSize(kListEntryWidth, std::max(kSmallIcon + 2, lineHeight() + 4));
}

QRect ItemListDelegate::pictureRect(const QRect& entry) const {
  switch (m_look) {
    case ItemListLook::Thumbnails:
      return QRect(entry.left() + (entry.width() - kThumbnailCell) / 2, entry.top() + kPictureTop, kThumbnailCell,
                   kThumbnailCell);
    case ItemListLook::Icons:
      return QRect(entry.left() + (entry.width() - kLargeIcon) / 2, entry.top() + kPictureTop, kLargeIcon, kLargeIcon);
    case ItemListLook::List:
    case ItemListLook::Details:
      break;
  }
  return QRect(entry.left() + 2, entry.top() + (entry.height() - kSmallIcon) / 2, kSmallIcon, kSmallIcon);
}

QRect ItemListDelegate::labelRect(const QRect& entry) const {
  if (m_look == ItemListLook::List || m_look == ItemListLook::Details) {
    const int left = entry.left() + 2 + kSmallIcon + 4;
    return QRect(left, entry.top(), entry.right() - 1 - left, entry.height());
  }
  const QRect picture = pictureRect(entry);
  return QRect(entry.left() + 2, picture.bottom() + 1 + kLabelGap, entry.width() - 4, 2 * lineHeight());
}

void ItemListDelegate::paintLabel(QPainter& painter, const QStyleOptionViewItem& option, const QRect& area,
                                  const QString& text) const {
  const QStringList lines = breakLabel(text, UiFont(), area.width(), maxLabelLines());
  if (lines.isEmpty()) return;
  const QFontMetrics metrics(UiFont());
  const int height = lineHeight();
  const bool centred = m_look != ItemListLook::List;
  const int top = centred ? area.top() : area.top() + (area.height() - height) / 2;
  // The rectangle the lines take, for the selection behind them.
  int widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  const int left = centred ? area.left() + (area.width() - widest) / 2 : area.left();
  const QRect used(left - 2, top, widest + 4, height * static_cast<int>(lines.size()));
  const bool selected = option.state & QStyle::State_Selected;
  const QPalette::ColorGroup group = groupOf(option);
  if (selected) painter.fillRect(used, option.palette.color(group, QPalette::Highlight));
  painter.setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
  for (int n = 0; n < lines.size(); ++n) {
    const QRect line(area.left(), top + n * height, area.width(), height);
    painter.drawText(line, (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine,
                     lines[n]);
  }
  if (option.state & QStyle::State_HasFocus) {
    QPen pen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(used.adjusted(0, 0, -1, -1));
  }
}

void ItemListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const auto* model = qobject_cast<const ItemListModel*>(index.model());
  if (m_look == ItemListLook::Details || !model) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const ItemListEntry& entry = model->entry(index.row());
  painter->save();
  painter->setFont(UiFont());
  const QRect picture = pictureRect(option.rect);
  const bool selected = option.state & QStyle::State_Selected;
  const QPalette::ColorGroup group = groupOf(option);
  if (m_look == ItemListLook::Thumbnails) {
    if (selected) painter->fillRect(picture.adjusted(-2, -2, 2, 2), option.palette.color(group, QPalette::Highlight));
    const QImage cell = m_thumbnails.picture(entry.number, entry.photoPath());
    if (!cell.isNull()) painter->drawImage(picture.topLeft(), cell);
  } else {
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    icon.paint(painter, picture, Qt::AlignCenter, selected ? QIcon::Selected : QIcon::Normal);
  }
  paintLabel(*painter, option, labelRect(option.rect), ItemListModel::displayName(*entry.item));
  painter->restore();
}

QSize ItemListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  if (m_look != ItemListLook::Details) return entrySize(m_look);
  const QSize base = QStyledItemDelegate::sizeHint(option, index);
  return QSize(base.width(), std::max(base.height(), kSmallIcon + 4));
}

QWidget* ItemListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
  auto* editor = new QLineEdit(parent);
  editor->setObjectName(QStringLiteral("ItemNameEditor"));
  editor->setMaxLength(ItemListModel::kNameLimit);
  editor->setFont(UiFont());
  return editor;
}

void ItemListDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* line = qobject_cast<QLineEdit*>(editor);
  if (!line) return;
  line->setText(index.data(Qt::EditRole).toString());
  line->selectAll();
}

void ItemListDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  const auto* line = qobject_cast<QLineEdit*>(editor);
  if (!line || line->text().isEmpty() || line->text() == index.data(Qt::EditRole).toString()) return;
  model->setData(index, line->text(), Qt::EditRole);
}

void ItemListDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex&) const {
  if (m_look == ItemListLook::Details) {
    editor->setGeometry(option.rect);
    return;
  }
  const QRect label = labelRect(option.rect);
  const int height = lineHeight() + 6;
  editor->setGeometry(
      QRect(label.left(), m_look == ItemListLook::List ? label.top() + (label.height() - height) / 2 : label.top() - 2,
            label.width(), height));
}

}  // namespace tavoro::ui
