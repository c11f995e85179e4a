#include <gtest/gtest.h>

#include <ostream>

#include "ui/page/PageLayout.h"

namespace tavoro {
inline void PrintTo(const Rect& r, std::ostream* out) {
  *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
}  // namespace tavoro

namespace tavoro::ui {
namespace {

// A layout as after an earlier one: every pane has a place.
PageLayout laidOutBefore(int leftWidth = kLeftPaneDefault, int midWidth = kMidPaneDefault) {
  PageLayout before;
  before.leftWidth = leftWidth;
  before.midWidth = midWidth;
  for (Rect& pane : before.panes) pane = {0, 0, 10, 10};
  return before;
}

// Left and right edges of the three panes; {0, 0} for a hidden pane.
struct Columns {
  int left[2];
  int middle[2];
  int right[2];
};

Columns columnsOf(const PageLayout& layout) {
  Columns c{};
  int* edges[3] = {c.left, c.middle, c.right};
  for (int i = 0; i < 3; ++i) {
    if (!layout.paneShown[i]) continue;
    edges[i][0] = layout.panes[i].left;
    edges[i][1] = layout.panes[i].right;
  }
  return c;
}

void expectColumns(const PageLayout& layout, const Columns& want, const std::string& what) {
  const Columns got = columnsOf(layout);
  EXPECT_EQ(got.left[0], want.left[0]) << what;
  EXPECT_EQ(got.left[1], want.left[1]) << what;
  EXPECT_EQ(got.middle[0], want.middle[0]) << what;
  EXPECT_EQ(got.middle[1], want.middle[1]) << what;
  EXPECT_EQ(got.right[0], want.right[0]) << what;
  EXPECT_EQ(got.right[1], want.right[1]) << what;
}

TEST(PageLayoutTest, WidthDecidesWhichPanesShow) {
  // leftWidth 220 and midWidth 375 remembered; the page 600 pixels high.
  struct Case {
    int width;
    Columns panes;
  };
  const Case cases[] = {
      {150, {{0, 0}, {0, 150}, {0, 0}}},
      {202, {{0, 0}, {0, 202}, {0, 0}}},
      {203, {{0, 60}, {63, 203}, {0, 0}}},
      {300, {{0, 157}, {160, 300}, {0, 0}}},      // the left pane 157, the middle 140
      {363, {{0, 220}, {223, 363}, {0, 0}}},      // leftWidth + 143
      {364, {{0, 220}, {223, 364}, {0, 0}}},      // from here the middle pane takes the rest
      {425, {{0, 220}, {223, 425}, {0, 0}}},      // leftWidth + 205
      {426, {{0, 220}, {223, 363}, {366, 426}}},  // leftWidth + 206: the right pane appears
      {661, {{0, 220}, {223, 598}, {601, 661}}},  // leftWidth + midWidth + 66
      {662, {{0, 220}, {223, 598}, {601, 662}}},
      {1200, {{0, 220}, {223, 598}, {601, 1200}}},
  };
  for (const Case& c : cases) {
    const PageLayout layout = layOutPage(Rect{0, 0, c.width, 600}, laidOutBefore(), false);
    expectColumns(layout, c.panes, "width " + std::to_string(c.width));
    EXPECT_EQ(layout.leftWidth, 220);
    EXPECT_EQ(layout.midWidth, 375);
  }
}

TEST(PageLayoutTest, HeightDecidesTheInfoStripAndThePaneFloor) {
  struct Case {
    int height;
    bool strip;
    int paneBottom;
  };
  const Case cases[] = {
      {600, true, 550},
      {211, true, 161},   // 180 below the command bar: the strip stays
      {210, false, 210},  // 179: no strip
      {150, false, 161},  // the panes keep 130 pixels, cut off below the page
  };
  for (const Case& c : cases) {
    const PageLayout layout = layOutPage(Rect{0, 0, 800, c.height}, laidOutBefore(), false);
    EXPECT_EQ(layout.commandBar, (Rect{0, 0, 800, 31})) << c.height;
    EXPECT_EQ(layout.infoStripShown, c.strip) << c.height;
    if (c.strip) {
      EXPECT_EQ(layout.infoStrip, (Rect{0, c.height - 50, 800, c.height})) << c.height;
    }
    EXPECT_EQ(layout.panes[kMidPane].top, 31) << c.height;
    EXPECT_EQ(layout.panes[kMidPane].bottom, c.paneBottom) << c.height;
  }
  // Nothing left below the command bar: the panes stay where they were.
  const PageLayout before = laidOutBefore();
  const PageLayout flat = layOutPage(Rect{0, 0, 800, 31}, before, false);
  EXPECT_EQ(flat.panes[kMidPane], before.panes[kMidPane]);
  EXPECT_EQ(layOutPage(Rect{}, before, false).commandBar, Rect{});
}

TEST(PageLayoutTest, FirstLayoutSizesThePanesOnce) {
  struct Case {
    const char* what;
    int width;
    bool debut;
    int leftWidth, midWidth;  // remembered before
    Columns panes;
    int midWidthAfter;
  };
  const Case cases[] = {
      {"first run, 1200 wide: 220, 654 and 320", 1200, true, 220, 375, {{0, 220}, {223, 877}, {880, 1200}}, 654},
      {"first run, 921 wide or less keeps midWidth", 800, true, 220, 375, {{0, 220}, {223, 598}, {601, 800}}, 375},
      {"first run, the middle never below 140", 930, true, 300, 100, {{0, 220}, {223, 607}, {610, 930}}, 384},
      {"remembered widths, exactly wide enough", 876, false, 250, 300, {{0, 250}, {253, 553}, {556, 876}}, 300},
      {"remembered widths, then the usual rules", 500, false, 250, 300, {{0, 250}, {253, 437}, {440, 500}}, 300},
  };
  for (const Case& c : cases) {
    PageLayout before;
    before.leftWidth = c.leftWidth;
    before.midWidth = c.midWidth;
    const PageLayout layout = layOutPage(Rect{0, 0, c.width, 600}, before, c.debut);
    expectColumns(layout, c.panes, c.what);
    EXPECT_EQ(layout.midWidth, c.midWidthAfter) << c.what;
  }
  // A pane hidden by the first layout keeps the place the first layout gave it.
  const PageLayout narrow = layOutPage(Rect{0, 0, 300, 600}, PageLayout{}, false);
  EXPECT_FALSE(narrow.paneShown[kRightPane]);
  EXPECT_EQ(narrow.panes[kRightPane], (Rect{601, 31, 921, 550}));
}

TEST(PageLayoutTest, SplittersStopAtThePaneMinimums) {
  struct Case {
    const char* what;
    int splitter;
    int x;
    Columns panes;
    int leftWidth, midWidth;
  };
  const Case cases[] = {
      {"first splitter far left", 0, 5, {{0, 60}, {63, 598}, {601, 1200}}, 60, 535},
      {"first splitter right until the middle is 140", 0, 1000, {{0, 455}, {458, 598}, {601, 1200}}, 455, 140},
      {"first splitter a little left", 0, 201, {{0, 200}, {203, 598}, {601, 1200}}, 200, 395},
      {"second splitter far left", 1, 5, {{0, 220}, {223, 363}, {366, 1200}}, 220, 140},
      {"second splitter far right", 1, 1199, {{0, 220}, {223, 1137}, {1140, 1200}}, 220, 914},
  };
  for (const Case& c : cases) {
    PageLayout layout = layOutPage(Rect{0, 0, 1200, 600}, laidOutBefore(), false);
    EXPECT_TRUE(dragSplitter(layout, c.splitter, c.x)) << c.what;
    expectColumns(layout, c.panes, c.what);
    EXPECT_EQ(layout.leftWidth, c.leftWidth) << c.what;
    EXPECT_EQ(layout.midWidth, c.midWidth) << c.what;
    EXPECT_FALSE(dragSplitter(layout, c.splitter, c.x)) << c.what << ": a second move to the same place";
  }
  // No splitter beside a hidden pane.
  PageLayout narrow = layOutPage(Rect{0, 0, 400, 600}, laidOutBefore(), false);
  EXPECT_TRUE(splitterRect(narrow, 1).isEmpty());
  EXPECT_FALSE(dragSplitter(narrow, 1, 300));
  EXPECT_EQ(splitterRect(narrow, 0), (Rect{220, 31, 223, 550}));
}

}  // namespace
}  // namespace tavoro::ui
