// The system's media session: one more publication of what the display shows, and its
// buttons as the media keys, run by the same handlers.
#include "app/win32/main_window.h"
#include "text/win32/wide.h"

void TTNQL_MAIN::OpenMediaSession() {
  media_session_ = Win32MediaSession::Create({
      [this](tonquil::SessionButton button) { SessionButtonPressed(button); },
      [this] { BringToFront(); },
  });
  if (!media_session_) return;  // the hot keys stand in for it
  media_keys_.UseSession();
  now_playing_.Add(*media_session_);
  UpdateMediaKeys();
}

void TTNQL_MAIN::CloseMediaSession() {
  if (!media_session_) return;
  now_playing_.Remove(*media_session_);
  media_session_.reset();
}

// Run as the key the button stands for, and only while the keys are switched on: a press
// still queued when the box was cleared or the port closed was meant for nobody.
void TTNQL_MAIN::SessionButtonPressed(tonquil::SessionButton button) {
  if (!media_keys_.ActsOnSessionButton()) return;
  const std::optional<tonquil::ButtonAction> action = tonquil::ActionOf(button, ui::FromWide(L_Pause.Text()));
  if (action) exchange_.Run(*action);
}
