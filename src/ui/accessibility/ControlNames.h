// Names for the Qt controls of the window that show no text of their own to
// name them by (the item views, the search field, the picture buttons, the
// in-place editors): set once when the window is built, so that a screen
// reader says what each one is for. User-interface thread only.
#pragma once

class QWidget;

namespace tavoro::ui {

// Names the controls inside view (the main window's client view) that have no
// accessible name yet.
void nameControls(QWidget* view);

}  // namespace tavoro::ui
