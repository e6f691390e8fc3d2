#pragma once
// Base of every top-level window: registers its class, creates the window with the
// object as its creation parameter, and routes messages to the object. No C++
// exception crosses back into USER32: a handler's error is handed to the
// application, whose message loop shows it.
#include <windows.h>

#include <string>

#include "ui/dpi_scale.h"

namespace ui {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND handle() const { return hwnd_; }
  // The DPI the window is laid out for.
  int dpi() const { return dpi_; }
  bool IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }
  void SetCaption(const std::wstring& caption) { SetWindowTextW(hwnd_, caption.c_str()); }
  RECT WindowRect() const;
  // The window's top-left corner on the screen. A window not made yet keeps the place
  // it was moved to and goes there when it is made.
  POINT Position() const;
  // Puts the window's top-left corner at a place read from the settings; where no
  // monitor would show any of the window, it goes whole onto the nearest monitor's work
  // area instead (FitOnMonitor).
  void MoveTo(int left, int top);

 protected:
  struct ClassSpec {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
    int client_width;  // at 96 DPI
    int client_height;
  };
  // Creates the window hidden, with the given client size scaled for the DPI it is
  // made at, where it was last moved to or else at (0, 0).
  void CreateTopLevel(const ClassSpec& spec, HWND owner);
  void Destroy();

  // Handles one message; the default passes it to DefWindowProcW, after the work every
  // window does alike: the keyboard focus kept over activations, and a new DPI.
  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  // Lays the window's contents out again for `dpi`, its fonts included; the window's
  // own size is set by the caller.
  virtual void LayOutForDpi(int dpi) { (void)dpi; }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  // Lets go of the handle once the window is gone.
  void Forget();
  void DpiChanged(int dpi, const RECT& suggested);
  void KeepFocus(WPARAM activation);
  void RestoreFocus();

  HWND hwnd_ = nullptr;
  int dpi_ = kDesignDpi;
  SIZE frame_{};          // the window's size for its DPI
  HWND focus_ = nullptr;  // the control that had the focus when the window was last left
  POINT position_{};   // while there is no window
  bool moved_ = false;  // whether position_ was set by MoveTo
};

}  // namespace ui
