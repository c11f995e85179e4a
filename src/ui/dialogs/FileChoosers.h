// The system's folder and file choosers as the dialogs use them, each with a
// seam through which tests answer in place of the user.
// User-interface thread only.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tavoro::ui {

// A folder picked by the user (file-system folders only), starting at start
// when it exists; empty text when cancelled.
QString chooseFolder(QWidget* parent, const QString& title, const QString& start);

// An existing wardrobe file ("Tavoro Wardrobe (*.twd)") picked by the user;
// empty text when cancelled. The program's current folder is not changed.
QString chooseWardrobeFile(QWidget* parent);

enum class ChooserKind { Folder, WardrobeFile };
using ChooserResponder = std::function<QString(ChooserKind kind, const QString& start)>;

// While installed, the responder answers instead of a chooser being shown;
// an empty one restores the choosers. Returns the one it replaces.
ChooserResponder setChooserResponder(ChooserResponder responder);

}  // namespace tavoro::ui
