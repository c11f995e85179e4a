// The four ways the item list shows its entries, with their numbers, and the
// sizes of an entry in the three icon-like views. Thread-safe (constants).
#pragma once

#include <QSize>

namespace tavoro::ui {

enum class ItemListLook : int { Thumbnails = 0, Icons = 1, List = 2, Details = 3 };

// Thumbnails: the loader's 96-pixel cells, entries 116 pixels apart.
inline constexpr int kThumbnailSpacing = 116;
inline constexpr int kThumbnailCell = 96;
// Icons: the files' 32-pixel icons, entries 75 pixels apart (the desktop's
// usual icon spacing); List and Details: 16-pixel icons.
inline constexpr int kIconSpacing = 75;
inline constexpr int kLargeIcon = 32;
inline constexpr int kSmallIcon = 16;
inline constexpr int kListEntryWidth = 200;
// Room above a picture, between picture and label, and below the label.
inline constexpr int kPictureTop = 2;
inline constexpr int kLabelGap = 4;
inline constexpr int kLabelBottom = 4;

}  // namespace tavoro::ui
