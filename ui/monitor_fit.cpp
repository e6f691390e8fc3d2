#include "ui/monitor_fit.h"

#include <algorithm>

namespace tonquil {
namespace {

// The shift along one axis that brings [low, high) inside [area_low, area_high), the
// low edge first when it cannot fit.
int ShiftInto(int low, int high, int area_low, int area_high) {
  if (high > area_high) return std::max(area_high - high, area_low - low);
  if (low < area_low) return area_low - low;
  return 0;
}

bool Overlaps(const ScreenRect& a, const ScreenRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

ScreenRect FitOnMonitor(const ScreenRect& window, const MonitorArea& nearest) {
  if (Overlaps(window, nearest.monitor)) return window;
  const ScreenRect& work = nearest.work;
  const int dx = ShiftInto(window.left, window.right, work.left, work.right);
  const int dy = ShiftInto(window.top, window.bottom, work.top, work.bottom);
  return {window.left + dx, window.top + dy, window.right + dx, window.bottom + dy};
}

}  // namespace tonquil
