// Pictures of the details at the right of the wardrobe page (the preview
// over the tag pane, the hint), the information strip at three widths and
// the photo viewer, taken from the sample wardrobe in a main window.
#pragma once

namespace tavoro::tools {

class ScreenFolder;

// Saves the pictures; false when one could not be made.
bool renderDetails(const ScreenFolder& screens);

}  // namespace tavoro::tools
