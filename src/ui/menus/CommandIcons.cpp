#include "ui/menus/CommandIcons.h"

#include "ui/common/CommandIds.h"
#include "ui/common/ResourcePictures.h"

namespace tavoro::ui {

int commandIconCell(int commandId) {
  struct Entry {
    int id;
    int cell;
  };
  static constexpr Entry kCells[] = {
      {kCmdAddItem, 0},       {kCmdDelete, 1},          {kCmdMoveToTop, 2},
      {kCmdMoveUp, 3},        {kCmdMoveDown, 4},        {kCmdMoveToBottom, 5},
      {kCmdCloseWardrobe, 6}, {kCmdAddPhotos, 7},       {kCmdDeleteSelectedPhotos, 8},
      {kCmdHideSearchResults, 9}, {kCmdTellAFriend, 11}, {kCmdVisitWebsite, 12},
      {kCmdHelpContents, 13}, {kCmdShowInsights, 14},
  };
  for (const Entry& entry : kCells)
    if (entry.id == commandId) return entry.cell;
  return -1;
}

QPixmap commandIcon(int commandId, bool disabled) {
  const int cell = commandIconCell(commandId);
  if (cell < 0) return QPixmap();
  const QPixmap strip = disabled ? greyResourcePixmap(Picture::CommandIcons) : resourcePixmap(Picture::CommandIcons);
  if (strip.width() < (cell + 1) * kCommandIconSize) return QPixmap();
  return strip.copy(cell * kCommandIconSize, 0, kCommandIconSize, qMin(strip.height(), kCommandIconSize));
}

}  // namespace tavoro::ui
