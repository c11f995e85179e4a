// Lists of files offered by the desktop, as the clipboard and drag and drop
// carry them: the local files among the URLs of "text/uri-list" data, in
// their order. User-interface thread only (the clipboard).
#pragma once

#include "imaging/import/ImportList.h"

class QMimeData;

namespace tavoro::ui {

// The local files named by data's URLs; empty without any.
ImportList localFilesOf(const QMimeData* data);
// Whether the clipboard holds a list of files (at least one local file).
bool clipboardHoldsFiles();
// The files on the clipboard.
ImportList clipboardFiles();

}  // namespace tavoro::ui
