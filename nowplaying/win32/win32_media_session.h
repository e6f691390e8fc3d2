#pragma once
// The system's media session of this program: the song in the flyout over the volume and
// media keys, on the lock screen and wherever the system's media session is read, and the
// session's buttons as a remote control.
#include <windows.h>

#include <memory>
#include <optional>

#include "nowplaying/media_session_values.h"
#include "nowplaying/now_playing_feed.h"
#include "nowplaying/win32/button_pressed_handler.h"
#include "nowplaying/win32/com_ref.h"
#include "nowplaying/win32/media_control_abi.h"
#include "nowplaying/win32/session_window.h"
#include "nowplaying/win32/winrt_functions.h"

class Win32MediaSession : public tonquil::NowPlayingPublication {
 public:
  // None where the system has no media session: no Windows Runtime, no such class, or a
  // factory that fails.
  static std::unique_ptr<Win32MediaSession> Create(SessionHandlers handlers);
  // Stops hearing the buttons and lets go of the session: it leaves the flyout.
  ~Win32MediaSession() override;

  void Publish(const tonquil::NowPlaying& now) override;
  // Closed, with every button disabled.
  void Idle() override;
  // The buttons are offered while a song is published and they are switched on.
  void SetButtonsEnabled(bool enabled);

 private:
  Win32MediaSession() = default;
  bool Open(std::unique_ptr<WinRtFunctions> functions, SessionHandlers handlers);
  void ShowButtons(bool enabled);
  void ShowStatus(media_abi::PlaybackStatus status);
  void ShowDisplay(const tonquil::SessionDisplay& display);

  std::unique_ptr<WinRtFunctions> functions_;
  bool initialized_ = false;  // the Runtime, by this object
  std::optional<SessionWindow> window_;
  ComRef<media_abi::ISystemMediaTransportControls> controls_;
  ComRef<ButtonPressedHandler> handler_;
  EventRegistrationToken token_{};
  bool listening_ = false;
  bool buttons_on_ = false;
  bool publishing_ = false;
};
