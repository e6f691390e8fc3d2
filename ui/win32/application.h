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
  // Shows `window` and runs a nested loop until EndModal; its owner is disabled
  // meanwhile. Being hidden does not end the showing: Windows hides a window with its
  // minimised owner and shows it again when the owner comes back.
  void RunModal(HWND window, HWND owner);
  // Hides the window and, if it is the one being shown modally, ends that showing.
  void EndModal(HWND window);

  // Called by a window procedure that caught an error; the loop shows it once the
  // message has been handled.
  void HoldError(std::exception_ptr error);
  // Shows an error in a message box captioned with the title, with a stop icon.
  void ShowError(std::exception_ptr error) const;

 private:
  Application() = default;
  bool PumpOne();  // false on WM_QUIT
  void ShowHeldError();

  struct ModalShowing {
    HWND window = nullptr;
    HWND owner = nullptr;
    bool ended = false;
  };

  std::wstring title_;
  ModalShowing modal_;
  std::exception_ptr held_error_;
  int exit_code_ = 0;
};

}  // namespace ui
