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

// A new file to write (an export, a backup), named in a save dialog that
// starts at suggested (its folder and name) and shows the files of filter
// ("Spreadsheet (*.csv)"); suffix is added to a name typed without one. The
// dialog asks before an existing file is chosen (to be replaced). Empty text
// when cancelled.
QString chooseNewFile(QWidget* parent, const QString& title, const QString& suggested, const QString& filter,
                      const QString& suffix);

// A folder to be made (a web catalogue, a restored wardrobe), named in a
// save dialog that starts at suggested; empty text when cancelled.
QString chooseNewFolder(QWidget* parent, const QString& title, const QString& suggested);

// An existing backup of a wardrobe ("Tavoro Backup (*.zip)"); empty text
// when cancelled.
QString chooseBackupFile(QWidget* parent, const QString& start);

enum class ChooserKind { Folder, WardrobeFile, NewFile, NewFolder, BackupFile };
using ChooserResponder = std::function<QString(ChooserKind kind, const QString& start)>;

// While installed, the responder answers instead of a chooser being shown;
// an empty one restores the choosers. Returns the one it replaces.
ChooserResponder setChooserResponder(ChooserResponder responder);

}  // namespace tavoro::ui
