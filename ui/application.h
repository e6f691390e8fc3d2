#pragma once
// The application object: its title, the message loop, modal loops, and the display
// of errors that escaped a window's handler.
#include <windows.h>

#include <exception>
#include <string>

namespace ui {

class Application {
 public:
  static Application& Instance();

  const std::wstring& title() const { return title_; }
  void SetTitle(std::wstring title) { title_ = std::move(title); }

  // Runs the loop until WM_QUIT; returns its exit code.
  int Run();
  // Runs a nested loop while `window` is visible (a modal window hides itself to end
  // its showing). Its owner is disabled meanwhile.
  void RunModal(HWND window, HWND owner);

  // Called by a window procedure that caught an error; the loop shows it once the
  // message has been handled.
  void HoldError(std::exception_ptr error);
  // Shows an error in a message box captioned with the title, with a stop icon.
  void ShowError(std::exception_ptr error) const;

 private:
  Application() = default;
  bool PumpOne();  // false on WM_QUIT
  void ShowHeldError();

  std::wstring title_;
  std::exception_ptr held_error_;
  int exit_code_ = 0;
};

}  // namespace ui
