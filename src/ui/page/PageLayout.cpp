#include "ui/page/PageLayout.h"

#include <algorithm>

namespace tavoro::ui {

namespace {

bool firstLayout(const PageLayout& previous) {
  return previous.panes[kLeftPane].isEmpty() || previous.panes[kMidPane].isEmpty() ||
         previous.panes[kRightPane].isEmpty();
}

void place(PageLayout& out, int pane, const Rect& rect) {
  out.panes[pane] = rect;
  out.paneShown[pane] = true;
}

// The layout of a page W = r - l wide, with the remembered widths.
void layOutPanes(PageLayout& out, int l, int t, int r, int b) {
  const int width = r - l;
  const int lw = out.leftWidth;
  const int mw = out.midWidth;
  out.paneShown[kLeftPane] = out.paneShown[kMidPane] = out.paneShown[kRightPane] = false;
  if (width <= 202) {
    place(out, kMidPane, {l, t, r, b});
  } else if (width <= lw + 143) {
    place(out, kLeftPane, {l, t, r - 143, b});
    place(out, kMidPane, {r - 140, t, r, b});
  } else if (width >= lw + 206 && width > lw + mw + 66) {
    place(out, kLeftPane, {l, t, l + lw, b});
    place(out, kMidPane, {l + lw + 3, t, l + lw + 3 + mw, b});
    place(out, kRightPane, {l + lw + 3 + mw + 3, t, r, b});
  } else if (width >= lw + 206) {
    place(out, kLeftPane, {l, t, l + lw, b});
    place(out, kMidPane, {l + lw + 3, t, r - 63, b});
    place(out, kRightPane, {r - 60, t, r, b});
  } else {
    place(out, kLeftPane, {l, t, l + lw, b});
    place(out, kMidPane, {l + lw + 3, t, r, b});
  }
}

}  // namespace

PageLayout layOutPage(const Rect& client, const PageLayout& previous, bool debut) {
  PageLayout out = previous;
  if (client.isEmpty()) return out;
  int l = client.left, t = client.top, r = client.right, b = client.bottom;

  out.commandBar = {l, t, r, t + kCommandBarHeight};
  t += kCommandBarHeight;
  if (t >= b) return out;

  out.infoStripShown = b - t > 179;
  if (out.infoStripShown) {
    out.infoStrip = {l, b - kInfoStripHeight, r, b};
    b -= kInfoStripHeight;
  }
  if (b - t < kPaneFloorHeight) b = t + kPaneFloorHeight;

  if (!firstLayout(previous)) {
    layOutPanes(out, l, t, r, b);
    return out;
  }
  const int width = r - l;
  if (debut) {
    out.leftWidth = kLeftPaneDefault;
    out.midWidth = std::max(width > 921 ? width - 546 : out.midWidth, kMidPaneMinimum);
  }
  const int lw = out.leftWidth;
  const int mw = out.midWidth;
  place(out, kLeftPane, {l, t, l + lw, b});
  place(out, kMidPane, {l + lw + 3, t, l + lw + 3 + mw, b});
  place(out, kRightPane, {l + lw + 3 + mw + 3, t, l + lw + 3 + mw + 3 + kRightPaneFirstWidth, b});
  if (width != lw + mw + 326) layOutPanes(out, l, t, r, b);
  return out;
}

Rect splitterRect(const PageLayout& layout, int splitter) {
  const Rect& mid = layout.panes[kMidPane];
  if (!layout.paneShown[kMidPane]) return {};
  if (splitter == 0 && layout.paneShown[kLeftPane]) return {mid.left - kSplitterWidth, mid.top, mid.left, mid.bottom};
  if (splitter == 1 && layout.paneShown[kRightPane])
    return {mid.right, mid.top, mid.right + kSplitterWidth, mid.bottom};
  return {};
}

bool dragSplitter(PageLayout& layout, int splitter, int x) {
  if (splitterRect(layout, splitter).isEmpty()) return false;
  const int nearPane = splitter == 0 ? kLeftPane : kMidPane;
  const int farPane = splitter == 0 ? kMidPane : kRightPane;
  const int nearMinimum = splitter == 0 ? kSidePaneMinimum : kMidPaneMinimum;
  const int farMinimum = splitter == 0 ? kMidPaneMinimum : kSidePaneMinimum;
  Rect& nearRect = layout.panes[nearPane];
  Rect& farRect = layout.panes[farPane];

  const int nearWidth = x - nearRect.left - 1;
  if (nearWidth < nearRect.width()) {
    const int width = std::max(nearWidth, nearMinimum);
    if (width == nearRect.width()) return false;
    nearRect.right = nearRect.left + width;
    farRect.left = nearRect.right + kSplitterWidth;
  } else if (nearWidth > nearRect.width()) {
    const int width = std::max(farRect.right - x - 1, farMinimum);
    if (width == farRect.width()) return false;
    farRect.left = farRect.right - width;
    nearRect.right = farRect.left - kSplitterWidth;
  } else {
    return false;
  }
  if (splitter == 0) layout.leftWidth = std::max(layout.panes[kLeftPane].width(), kSidePaneMinimum);
  layout.midWidth = std::max(layout.panes[kMidPane].width(), kMidPaneMinimum);
  return true;
}

}  // namespace tavoro::ui
