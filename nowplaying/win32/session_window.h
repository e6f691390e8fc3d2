#pragma once
// The hidden top-level window that the media session belongs to, as a desktop program's
// session needs one. It runs the session's button presses on its thread as they were
// posted, one message at a time, and hears the session being clicked in the flyout.
#include <windows.h>

#include <functional>

#include "nowplaying/media_session_values.h"
#include "ui/win32/window.h"

struct SessionHandlers {
  std::function<void(tonquil::SessionButton)> button_pressed;
  // The session was clicked in the system's flyout.
  std::function<void()> activated;
};

class SessionWindow : public ui::Window {
 public:
  explicit SessionWindow(SessionHandlers handlers);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

  SessionHandlers handlers_;
};
