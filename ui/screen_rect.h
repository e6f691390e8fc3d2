#pragma once
// A rectangle of screen pixels: a window, a monitor or a monitor's work area. Right and
// bottom lie just outside it, as in a Windows RECT.
namespace tonquil {

struct ScreenRect {
  int left;
  int top;
  int right;
  int bottom;
};

}  // namespace tonquil
