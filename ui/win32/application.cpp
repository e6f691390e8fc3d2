#include "ui/win32/application.h"

#include "text/error_text.h"
#include "text/win32/wide.h"

namespace ui {

Application& Application::Instance() {
  static Application application;
  return application;
}

void Application::HoldError(std::exception_ptr error) {
  if (!held_error_) held_error_ = error;
}

void Application::ShowError(std::exception_ptr error) const {
  const std::wstring text = Wide(tonquil::ErrorText(error));
  MessageBoxW(nullptr, text.c_str(), title_.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void Application::ShowHeldError() {
  if (!held_error_) return;
  const std::exception_ptr error = held_error_;
  held_error_ = nullptr;
  ShowError(error);
}

bool Application::PumpOne() {
  MSG msg{};
  if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
    exit_code_ = static_cast<int>(msg.wParam);
    return false;
  }
  // Keyboard navigation (tab order, default buttons) for whichever window has it.
  const HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root == nullptr || !IsDialogMessageW(root, &msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  ShowHeldError();
  return true;
}

int Application::Run() {
  while (PumpOne()) {
  }
  return exit_code_;
}

void Application::RunModal(HWND window, HWND owner) {
  const ModalShowing outer = modal_;
  modal_ = {window, owner, false};
  EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  bool quit = false;
  while (!modal_.ended && !quit) quit = !PumpOne();
  modal_ = outer;
  EnableWindow(owner, TRUE);
  SetForegroundWindow(owner);
  if (quit) PostQuitMessage(exit_code_);  // leave WM_QUIT for the outer loop
}

void Application::EndModal(HWND window) {
  if (window == modal_.window && !modal_.ended) {
    // The owner first: a window that hides while its owner is still disabled hands the
    // activation to some other program's window.
    EnableWindow(modal_.owner, TRUE);
    modal_.ended = true;
  }
  ShowWindow(window, SW_HIDE);
}

}  // namespace ui
