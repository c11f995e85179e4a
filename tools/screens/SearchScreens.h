// Pictures of search in the window: the header with the search box (its cue,
// typed text, the pointer over it), the results for "All Collections" and
// for one collection, the empty results, and the suggestion pop-up.
#pragma once

namespace tavoro::tools {

class ScreenFolder;

bool renderSearch(const ScreenFolder& screens);

}  // namespace tavoro::tools
