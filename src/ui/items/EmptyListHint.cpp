#include "ui/items/EmptyListHint.h"
#include <QCoreApplication>

#include <QPainter>
#include <QPainterPath>

#include "ui/common/UiFonts.h"

namespace tavoro::ui {

namespace {

// The picture: a small photograph with a plus sign, in the hint's grey.
void paintPicture(QPainter& painter, const QRect& box) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor grey = EmptyListHint::kTextColor;
  painter.setPen(QPen(grey, 1.5));
  painter.setBrush(Qt::white);
  const QRectF frame = QRectF(box).adjusted(1.5, 4.5, -5.5, -1.5);
  painter.drawRoundedRect(frame, 2, 2);
  // A hill and a sun inside the frame.
  QPainterPath hill;
  hill.moveTo(frame.left() + 2, frame.bottom() - 2);
  hill.lineTo(frame.left() + frame.width() * 0.4, frame.top() + frame.height() * 0.45);
  hill.lineTo(frame.right() - 2, frame.bottom() - 2);
  painter.drawPath(hill);
  painter.setBrush(grey);
  painter.drawEllipse(QPointF(frame.right() - 4.5, frame.top() + 4.5), 1.8, 1.8);
  // The plus at the top-right corner.
  const QPointF plus(box.right() - 3.5, box.top() + 4.5);
  painter.setPen(QPen(grey, 2));
  painter.drawLine(plus - QPointF(3.5, 0), plus + QPointF(3.5, 0));
  painter.drawLine(plus - QPointF(0, 3.5), plus + QPointF(0, 3.5));
  painter.restore();
}

}  // namespace

void EmptyListHint::setCollection(const QString& name, bool real) {
  m_text = real ? QCoreApplication::translate("EmptyListHint",
                                              "Add photos here for \"%1\".\n\nYou can:\n\n1) Click \"Add Photos\" "
                                              "on the toolbar;\n2) Or, drag photos into this pane.")
                      .arg(name)
                : noCollectionText();
}

QString EmptyListHint::noCollectionText() {
  return QCoreApplication::translate("EmptyListHint", "Select a collection on the left, then add photos here.");
}

QRect EmptyListHint::textRect(const QRect& area) const {
  return QRect(area.left() + kTextLeft, area.top() + kTextTop, std::max(1, area.width() - kTextLeft - kTextRightMargin),
               std::max(1, area.height() - kTextTop));
}

QRect EmptyListHint::pictureRect(const QRect& area) const {
  const QRect text = textRect(area);
  return QRect(text.left() - kPictureLeft, text.top() - kPictureUp, kPictureSize, kPictureSize);
}

void EmptyListHint::paint(QPainter& painter, const QRect& area) const {
  painter.fillRect(area, Qt::white);
  painter.setFont(UiFont());
  painter.setPen(kTextColor);
  painter.drawText(textRect(area), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_text);
  paintPicture(painter, pictureRect(area));
}

}  // namespace tavoro::ui
