#pragma once
// Snapping a moved window to the edges of its monitor's work area.
#include "ui/screen_rect.h"

namespace tonquil {

constexpr int kSnapDistance = 10;

// Shifts `window`, keeping its size, so that an edge closer than `distance` pixels to
// the matching work-area edge lies exactly on it. Left and top win over right and
// bottom when a window is near both.
ScreenRect SnapToEdges(ScreenRect window, const ScreenRect& work_area, int distance = kSnapDistance);

}  // namespace tonquil
