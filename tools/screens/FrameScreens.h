// Pictures of the main window on its home page and of the dialogs (About,
// New Wardrobe, Open Wardrobe with and without recent wardrobes).
#pragma once

namespace tavoro::tools {

class ScreenFolder;

bool renderFrameAndDialogs(const ScreenFolder& screens);

}  // namespace tavoro::tools
