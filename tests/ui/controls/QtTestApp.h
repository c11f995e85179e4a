// The QApplication every user-interface test runs in (created before the first
// test, on Qt's offscreen platform), and small helpers for widget tests.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace tavoro::test {

// The widget drawn into an image of its own size, as it would appear.
QImage renderWidget(QWidget& widget);

// How many pixels of the image (within area, all of it when empty) have
// exactly this colour.
int countPixels(const QImage& image, QColor colour, QRect area = QRect());

}  // namespace tavoro::test
