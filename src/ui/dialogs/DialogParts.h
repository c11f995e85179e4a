// Small pieces the dialogs share: their font, the sunken separator line,
// static texts and push buttons placed at template rectangles, and centring
// over the owner. User-interface thread only.
#pragma once

#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace tavoro::ui {

// The font of every dialog of the program.
void applyDialogFont(QWidget* dialog);
// A one-pixel-high sunken line at rect.
QFrame* addSunkenLine(QWidget* dialog, const QRect& rect);
QLabel* addText(QWidget* dialog, const QString& text, const QRect& rect, Qt::Alignment alignment = Qt::AlignLeft);
QPushButton* addButton(QWidget* dialog, const QString& text, const QRect& rect);
// Moves the top-level dialog so that its centre lies on its owner's window
// centre (the work area's when there is no visible owner), inside the work area.
void centreOverOwner(QWidget* dialog, const QWidget* owner);

}  // namespace tavoro::ui
