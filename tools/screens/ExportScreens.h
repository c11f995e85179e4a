// Pictures of taking a wardrobe elsewhere: the wardrobe page's Wardrobe menu
// and the choices asked before a printable sheet is written.
#pragma once

namespace tavoro::tools {

class ScreenFolder;

bool renderExportScreens(const ScreenFolder& screens);

}  // namespace tavoro::tools
