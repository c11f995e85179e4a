// Where the wardrobe page puts its children: the command bar, the three panes
// side by side with 3-pixel gaps for the splitters, and the info strip. A plain
// function of the page's rectangle, the remembered pane widths and whether this
// is the program's first run, so that every width can be checked in a table.
// Thread-safe (no state).
#pragma once

#include "platform/Geometry.h"

namespace tavoro::ui {

inline constexpr int kCommandBarHeight = 31;
inline constexpr int kInfoStripHeight = 50;
inline constexpr int kSplitterWidth = 3;
inline constexpr int kPaneFloorHeight = 130;  // panes are never lower than this
inline constexpr int kLeftPaneDefault = 220;
inline constexpr int kMidPaneDefault = 375;
inline constexpr int kSidePaneMinimum = 60;   // the left and the right pane
inline constexpr int kMidPaneMinimum = 140;
inline constexpr int kRightPaneFirstWidth = 320;

enum PaneIndex { kLeftPane = 0, kMidPane = 1, kRightPane = 2 };

struct PageLayout {
  Rect commandBar;
  Rect infoStrip;
  bool infoStripShown = false;
  // Each pane's rectangle; a hidden pane keeps the one it had.
  Rect panes[3];
  bool paneShown[3] = {false, false, false};
  // The widths to remember: the first layout of a first run changes them.
  int leftWidth = kLeftPaneDefault;
  int midWidth = kMidPaneDefault;
};

// Lays the page out in client (left, top, right, bottom) given the panes'
// current rectangles and visibility in previous (all panes with empty
// rectangles means the first layout). An empty client changes nothing.
PageLayout layOutPage(const Rect& client, const PageLayout& previous, bool debut);

// The gap between two neighbouring panes that a splitter occupies: 0 between
// the left and the middle pane, 1 between the middle and the right pane. Empty
// while the outer pane of the two is hidden.
Rect splitterRect(const PageLayout& layout, int splitter);

// Moves a splitter to x (page coordinates) while its button is held: the panes
// on both sides change width, down to their minimums, and the remembered widths
// follow. False when nothing changed.
bool dragSplitter(PageLayout& layout, int splitter, int x);

}  // namespace tavoro::ui
