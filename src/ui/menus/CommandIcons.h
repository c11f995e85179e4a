// The command icons shown beside menu items and on command bar buttons: one
// strip of 20-pixel cells (Picture::CommandIcons) and the cell of each command.
// User-interface thread only (the pictures are cached).
#pragma once

#include <QPixmap>

namespace tavoro::ui {

inline constexpr int kCommandIconSize = 20;

// The strip cell of a command, or -1 when the command has no icon.
int commandIconCell(int commandId);

// The icon of a command in colour or in its grey copy for disabled items; a
// null pixmap when the command has none.
QPixmap commandIcon(int commandId, bool disabled = false);

}  // namespace tavoro::ui
