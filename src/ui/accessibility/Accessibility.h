// Screen readers and the program's own controls: installs the factory that
// gives each control the window draws itself (row lists, tab strip, command
// bar, links, info strip, hints, photos, panes, the insights' figures) an
// accessible interface with its role, name, state and value, so that
// assistive technology (AT-SPI on Linux) can name and follow everything in
// the window. User-interface thread only.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace tavoro::ui {

// Installs the factory; again is harmless.
void installAccessibility();

// The factory itself: an interface for object, asked with the name of each of
// its classes from the most derived on; null for the classes it leaves to Qt.
QAccessibleInterface* accessibleInterfaceFor(const QString& className, QObject* object);

}  // namespace tavoro::ui
