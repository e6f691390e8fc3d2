#include "app/edge_snap.h"

#include <gtest/gtest.h>

namespace tonquil {
namespace {

constexpr ScreenRect kWork{0, 0, 1024, 738};  // a task bar of 30 pixels below

TEST(EdgeSnap, SnapsEachEdgeOnlyWhenCloserThanTheDistance) {
  struct Case { int left, top; int want_left, want_top; const char* why; };
  const Case cases[] = {
      {9, 300, 0, 300, "left edge 9 pixels away"},
      {10, 300, 10, 300, "10 pixels is not closer than 10"},
      {-9, 300, 0, 300, "partly off the left edge"},
      {300, 5, 300, 0, "top edge"},
      {1024 - 457 - 3, 300, 1024 - 457, 300, "right edge"},
      {300, 738 - 560 + 9, 300, 738 - 560, "bottom edge, above the task bar"},
      {300, 300, 300, 300, "nowhere near an edge"},
      {-1200, 300, -1200, 300, "far outside stays where it is"},
  };
  for (const auto& c : cases) {
    const ScreenRect moved = SnapToEdges({c.left, c.top, c.left + 457, c.top + 560}, kWork);
    EXPECT_EQ(moved.left, c.want_left) << c.why;
    EXPECT_EQ(moved.top, c.want_top) << c.why;
    EXPECT_EQ(moved.right - moved.left, 457) << "size kept: " << c.why;
    EXPECT_EQ(moved.bottom - moved.top, 560) << "size kept: " << c.why;
  }
}

TEST(EdgeSnap, WorksOnAMonitorLeftOfThePrimary) {
  const ScreenRect left_monitor{-1280, 0, 0, 1024};
  const ScreenRect moved = SnapToEdges({-463, 100, -6, 660}, left_monitor);
  EXPECT_EQ(moved.right, 0);
}

}  // namespace
}  // namespace tonquil
