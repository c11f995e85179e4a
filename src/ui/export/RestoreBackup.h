// Restore Wardrobe, up to the opening: asks for a backup (a zip file) and a
// new folder to unpack it into, unpacks it in the background with a
// progress dialog and Cancel, and tells why when the archive is refused
// (nothing is written then). User-interface thread only.
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace tavoro::ui {

// The restored wardrobe's file, or nothing when the user cancelled or the
// restore failed (and was told).
std::optional<std::wstring> restoreBackup(QWidget* owner);

}  // namespace tavoro::ui
