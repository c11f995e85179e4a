// Pictures of the insights view: the wardrobe page showing it over the
// sample wardrobe, given prices and a year of wear first.
#pragma once

namespace tavoro::tools {

class ScreenFolder;

bool renderInsightsScreens(const ScreenFolder& screens);

}  // namespace tavoro::tools
