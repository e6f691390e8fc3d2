#pragma once
// Places and sizes are designed at 96 dots per inch; a window shown at another DPI
// scales every one of them by DPI/96, rounded to the nearest pixel with halves away
// from zero (as MulDiv rounds), so that all of a window's figures round alike.
namespace ui {

constexpr int kDesignDpi = 96;

struct Bounds {
  int left;
  int top;
  int width;
  int height;
};

// `value` pixels at 96 DPI in pixels at `dpi`; a DPI that is not positive counts as 96.
int ScaleForDpi(int value, int dpi);
Bounds ScaleForDpi(const Bounds& bounds, int dpi);

}  // namespace ui
