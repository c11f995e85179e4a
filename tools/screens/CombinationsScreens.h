// Pictures of the combinations view: the wardrobe page showing it over the
// sample wardrobe, given a few combinations and some wear first.
#pragma once

namespace tavoro::tools {

class ScreenFolder;

bool renderCombinationsScreens(const ScreenFolder& screens);

}  // namespace tavoro::tools
