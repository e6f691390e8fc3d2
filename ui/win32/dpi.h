#pragma once
// The DPI a window is shown at, and window sizes for a DPI. Systems before Windows 10
// have no per-window DPI: their functions are looked up at run time, and without them
// the system DPI holds for every window.
#include <windows.h>

namespace ui {

// GetDpiForWindow where the system has it, else the screen's DPI.
int WindowDpi(HWND window);
// The window size whose client area is `client` at `dpi`, for a window of those styles.
SIZE FrameSizeForDpi(SIZE client, DWORD style, DWORD ex_style, int dpi);

}  // namespace ui
