#pragma once
// Base of every top-level window: registers its class, creates the window with the
// object as its creation parameter, and routes messages to the object. No C++
// exception crosses back into USER32: a handler's error is handed to the
// application, whose message loop shows it.
#include <windows.h>

#include <string>

namespace ui {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND handle() const { return hwnd_; }
  bool IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }
  void SetCaption(const std::wstring& caption) { SetWindowTextW(hwnd_, caption.c_str()); }
  RECT WindowRect() const;
  // The window's top-left corner on the screen. A window not made yet keeps the place
  // it was moved to and goes there when it is made.
  POINT Position() const;
  void MoveTo(int left, int top);

 protected:
  struct ClassSpec {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
    int client_width;
    int client_height;
  };
  // Creates the window hidden, with the given client size, where it was last moved to
  // or else at (0, 0).
  void CreateTopLevel(const ClassSpec& spec, HWND owner);
  void Destroy();

  // Handles one message; the default passes it to DefWindowProcW.
  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  // Lets go of the handle once the window is gone.
  void Forget();
  HWND hwnd_ = nullptr;
  POINT position_{};   // while there is no window
  bool moved_ = false;  // whether position_ was set by MoveTo
};

}  // namespace ui
