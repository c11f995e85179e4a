// What the window tells assistive technology as it happens (the focus moved
// to a row, a tab, a button; the selection in a list changed), and the
// observer through which tests see it: Qt hands events on only while a
// screen reader listens, which a test platform never has.
// User-interface thread only.
#pragma once

#include <functional>

class QAccessibleEvent;

namespace tavoro::ui {

// Tells the observer (when one is installed) and assistive technology.
void announce(QAccessibleEvent& event);

using AnnouncementObserver = std::function<void(const QAccessibleEvent& event)>;
// Installs the observer (an empty one removes it); returns the one it replaces.
AnnouncementObserver setAnnouncementObserver(AnnouncementObserver observer);

}  // namespace tavoro::ui
