// What the preview and the viewer show in place of a photo whose file is
// missing or cannot be decoded: "cannot show this photo" over the file's name,
// so that the user knows which file to look for. User-interface thread only.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <string>

class QPainter;

namespace tavoro::ui {

inline const QString kCannotShowPhoto = QStringLiteral("cannot show this photo");

// Draws the notice centred in rect in the given text colour, with a thin
// frame of the same colour at a third of its strength.
void drawCannotShowPhoto(QPainter& painter, const QRect& rect, const std::wstring& fileName, const QColor& colour);

}  // namespace tavoro::ui
