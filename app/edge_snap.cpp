#include "app/edge_snap.h"

#include <cstdlib>

namespace tonquil {
namespace {

// The shift along one axis that puts the near edge on the work area's edge, or 0.
int Shift(int low, int high, int area_low, int area_high, int distance) {
  if (std::abs(low - area_low) < distance) return area_low - low;
  if (std::abs(high - area_high) < distance) return area_high - high;
  return 0;
}

}  // namespace

ScreenRect SnapToEdges(ScreenRect window, const ScreenRect& work_area, int distance) {
  const int dx = Shift(window.left, window.right, work_area.left, work_area.right, distance);
  const int dy = Shift(window.top, window.bottom, work_area.top, work_area.bottom, distance);
  return {window.left + dx, window.top + dy, window.right + dx, window.bottom + dy};
}

}  // namespace tonquil
