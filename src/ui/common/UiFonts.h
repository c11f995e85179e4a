// The program's one family of fonts. Each is made on first use and kept until
// the process ends. User-interface thread only.
#pragma once

#include <QFont>

namespace tavoro::ui {

// The face every font of the program asks for; fontconfig substitutes a sans
// face where it is missing.
inline constexpr const char* kUiFontFace = "Tahoma";

// Every pane refers to the fonts by these names, so they keep them rather than
// the usual function style.
const QFont& UiFont();           // 13 px
const QFont& UiFontBold();       // 13 px, weight 700
const QFont& UiFontLarge();      // 14 px
const QFont& UiFontLargeBold();  // 14 px, weight 700
const QFont& UiFontLink();       // 13 px, underlined

// A variant made the same way, for the few places with a font of their own
// (the search box's cue, banner titles, the cell editor).
QFont makeUiFont(int pixelSize, bool bold = false, bool italic = false, bool underline = false);

}  // namespace tavoro::ui
