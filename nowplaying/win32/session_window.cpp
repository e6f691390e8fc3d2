#include "nowplaying/win32/session_window.h"

#include "nowplaying/win32/button_pressed_handler.h"
#include "ui/win32/application.h"

namespace {

// Never on the task bar, never seen.
constexpr DWORD kStyle = WS_POPUP;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

}  // namespace

SessionWindow::SessionWindow(SessionHandlers handlers) : handlers_(std::move(handlers)) {
  CreateTopLevel({L"TTNQL_MEDIA_SESSION", kStyle, kExStyle, 0, 0}, nullptr);
  SetCaption(ui::Application::Instance().title());
}

LRESULT SessionWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case kSessionButtonMessage:
      if (handlers_.button_pressed) handlers_.button_pressed(static_cast<tonquil::SessionButton>(wparam));
      return 0;
    case WM_ACTIVATE:
      // The system activates the session's window when the session is clicked: the
      // program's own window is what the user wants to see.
      if (LOWORD(wparam) != WA_INACTIVE && handlers_.activated) handlers_.activated();
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(message, wparam, lparam);
}
