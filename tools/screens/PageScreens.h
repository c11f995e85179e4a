// Pictures of the wardrobe page: the whole main window with the sample
// wardrobe open at several widths, and the collection pane while a name is
// typed and with its context menu.
#pragma once

namespace tavoro::tools {

class ScreenFolder;

bool renderWardrobePage(const ScreenFolder& screens);

}  // namespace tavoro::tools
