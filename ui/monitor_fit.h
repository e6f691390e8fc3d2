#pragma once
// Where a window goes when it is put at a place read from the settings. A place that a
// monitor shows, even in part, is used as it is; a place that no monitor shows (the
// monitor unplugged, the laptop undocked, the resolution lowered) would leave the window
// out of reach, so the window goes whole onto the nearest monitor's work area instead.
#include "ui/screen_rect.h"

namespace tonquil {

// The monitor that the system finds nearest to a window: all of it, and the part of it
// that the task bar and docked tool bars leave free.
struct MonitorArea {
  ScreenRect monitor;
  ScreenRect work;
};

// `window` itself when it overlaps nearest.monitor (the nearest monitor is the one a
// window overlaps most, so this holds when any monitor shows it). Otherwise the window,
// its size kept, moved the shortest way into nearest.work; a window larger than the
// work area keeps its left or top edge on the work area's, where its caption is.
ScreenRect FitOnMonitor(const ScreenRect& window, const MonitorArea& nearest);

}  // namespace tonquil
