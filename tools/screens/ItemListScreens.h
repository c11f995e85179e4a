// Pictures of the item list pane: the sample collection in each of the four
// looks, the empty pane with and without a collection, the context menu and
// the "Filtering Files..." dialog.
#pragma once

namespace tavoro::tools {

class ScreenFolder;

bool renderItemList(const ScreenFolder& screens);

}  // namespace tavoro::tools
