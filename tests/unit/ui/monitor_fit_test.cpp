#include "ui/monitor_fit.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tonquil {

bool operator==(const ScreenRect& a, const ScreenRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
void PrintTo(const ScreenRect& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

// One 1024 x 768 monitor with a task bar of 40 pixels along its bottom.
constexpr MonitorArea kPrimary{{0, 0, 1024, 768}, {0, 0, 1024, 728}};
constexpr int kWidth = 457;  // the main window's frame at 96 DPI
constexpr int kHeight = 560;

ScreenRect WindowAt(int left, int top) { return {left, top, left + kWidth, top + kHeight}; }

struct PlaceCase {
  const char* name;
  int left, top;                // where the settings put the window
  int fitted_left, fitted_top;  // where it goes
};

TEST(FitOnMonitor, APlaceNoMonitorShowsMovesTheWindowWholeOntoTheWorkArea) {
  const PlaceCase cases[] = {
      {"far left", -3000, 100, 0, 100},
      {"far right", 5000, 100, 1024 - kWidth, 100},
      {"below", 200, 2000, 200, 728 - kHeight},
      {"above", 200, -900, 200, 0},
      {"beyond a corner", -2000, -2000, 0, 0},
      {"right edge on the monitor's edge", 1024, 50, 1024 - kWidth, 50},
      {"in the task bar's gap below", 10, 768, 10, 728 - kHeight},
  };
  for (const PlaceCase& c : cases) {
    EXPECT_EQ(FitOnMonitor(WindowAt(c.left, c.top), kPrimary), WindowAt(c.fitted_left, c.fitted_top)) << c.name;
  }
}

TEST(FitOnMonitor, APlaceAMonitorShowsEvenInPartIsUsedExactlyAsStored) {
  const PlaceCase cases[] = {
      {"wholly on it", 100, 100, 100, 100},
      {"partly off the left", -400, 100, -400, 100},
      {"one pixel column on the right", 1023, 100, 1023, 100},
      {"partly below, over the task bar", 300, 700, 300, 700},
      {"caption above the top", 300, -500, 300, -500},
  };
  for (const PlaceCase& c : cases) {
    EXPECT_EQ(FitOnMonitor(WindowAt(c.left, c.top), kPrimary), WindowAt(c.left, c.top)) << c.name;
  }
}

TEST(FitOnMonitor, TheWorkAreaOfAMonitorLeftOfThePrimaryOneIsUsedWithItsTaskBar) {
  // Task bar at the top of a monitor to the left of the primary one.
  const MonitorArea left{{-1280, 0, 0, 1024}, {-1280, 30, 0, 1024}};
  EXPECT_EQ(FitOnMonitor(WindowAt(-1200, 300), left), WindowAt(-1200, 300));
  EXPECT_EQ(FitOnMonitor(WindowAt(-5000, -800), left), WindowAt(-1280, 30));
}

TEST(FitOnMonitor, AWindowLargerThanTheWorkAreaKeepsItsCaptionCornerOnIt) {
  const MonitorArea small{{0, 0, 400, 300}, {0, 0, 400, 300}};
  EXPECT_EQ(FitOnMonitor(WindowAt(2000, 2000), small), WindowAt(0, 0));
  EXPECT_EQ(FitOnMonitor(WindowAt(-2000, -2000), small), WindowAt(0, 0));
}

}  // namespace
}  // namespace tonquil
