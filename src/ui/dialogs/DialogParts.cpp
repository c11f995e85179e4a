#include "ui/dialogs/DialogParts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/common/MessageBox.h"
#include "ui/common/UiFonts.h"

namespace tavoro::ui {

void applyDialogFont(QWidget* dialog) { dialog->setFont(makeUiFont(12)); }

QFrame* addSunkenLine(QWidget* dialog, const QRect& rect) {
  auto* line = new QFrame(dialog);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  // Two pixels so that both the shadow and the light edge show.
  line->setGeometry(rect.x(), rect.y(), rect.width(), 2);
  return line;
}

QLabel* addText(QWidget* dialog, const QString& text, const QRect& rect, Qt::Alignment alignment) {
  auto* label = new QLabel(text, dialog);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment | Qt::AlignVCenter);
  // Template texts are sized for the original font; give them room to breathe.
  label->setGeometry(rect.adjusted(0, -2, 0, 2));
  return label;
}

QPushButton* addButton(QWidget* dialog, const QString& text, const QRect& rect) {
  auto* button = new QPushButton(text, dialog);
  button->setGeometry(rect);
  return button;
}

void centreOverOwner(QWidget* dialog, const QWidget* owner) {
  dialog->move(centredMessageRect(dialog->frameGeometry().size(), owner).topLeft());
}

}  // namespace tavoro::ui
