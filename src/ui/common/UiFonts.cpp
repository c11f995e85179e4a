#include "ui/common/UiFonts.h"

namespace tavoro::ui {

QFont makeUiFont(int pixelSize, bool bold, bool italic, bool underline) {
  QFont font(QString::fromLatin1(kUiFontFace));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setItalic(italic);
  font.setUnderline(underline);
  return font;
}

namespace {

// Made once and deliberately never destroyed: the fonts outlive every window,
// including those torn down after QApplication is gone.
const QFont& keep(QFont font) { return *new QFont(std::move(font)); }

}  // namespace

const QFont& UiFont() {
  static const QFont& font = keep(makeUiFont(13));
  return font;
}

const QFont& UiFontBold() {
  static const QFont& font = keep(makeUiFont(13, true));
  return font;
}

const QFont& UiFontLarge() {
  static const QFont& font = keep(makeUiFont(14));
  return font;
}

const QFont& UiFontLargeBold() {
  static const QFont& font = keep(makeUiFont(14, true));
  return font;
}

const QFont& UiFontLink() {
  static const QFont& font = keep(makeUiFont(13, false, false, true));
  return font;
}

}  // namespace tavoro::ui
