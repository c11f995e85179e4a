// Opening the user guide (Help.html beside the program) in the default
// browser. User-interface thread only.
#pragma once

namespace tavoro {

// Does nothing, and shows nothing, when the file is missing; true when the
// guide was handed to the browser.
bool openHelp();

}  // namespace tavoro
