// Running an export, a backup or a restore on a thread of its own while the
// window shows its progress: the window's event loop keeps running (it
// repaints, its timers fire), and a window-modal progress dialog with Cancel
// keeps the user from changing the wardrobe meanwhile. The work gets a
// progress callback that tells the dialog how far it is and asks the work to
// stop once Cancel was clicked. User-interface thread only; the work itself
// runs on the worker thread and must touch no model object and no widget.
#pragma once

#include <QString>
#include <functional>

#include "export/ExportProgress.h"

class QWidget;

namespace tavoro::ui {

using BackgroundWork = std::function<ExportResult(const ProgressCallback& progress)>;

// Runs work on a new thread, showing the progress dialog (owned by owner's
// window) until it ends, and returns what it came to. Should the event loop
// be told to end meanwhile (the program quitting), the work is asked to stop
// and waited for (it then comes back as stopped, unless it had already
// done all its work).
ExportResult runInBackground(QWidget* owner, const QString& title, const QString& text, BackgroundWork work);

}  // namespace tavoro::ui
