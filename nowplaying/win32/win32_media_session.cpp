#include "nowplaying/win32/win32_media_session.h"

#include "text/win32/wide.h"

using media_abi::Boolean;
using media_abi::PlaybackStatus;

namespace {

PlaybackStatus PlaybackStatusOf(tonquil::SessionStatus status) {
  switch (status) {
    case tonquil::SessionStatus::Playing: return PlaybackStatus::Playing;
    case tonquil::SessionStatus::Paused: return PlaybackStatus::Paused;
    case tonquil::SessionStatus::Stopped: return PlaybackStatus::Stopped;
    case tonquil::SessionStatus::Closed: break;
  }
  return PlaybackStatus::Closed;
}

}  // namespace

std::unique_ptr<Win32MediaSession> Win32MediaSession::Create(SessionHandlers handlers) {
  std::unique_ptr<WinRtFunctions> functions = WinRtFunctions::Load();
  if (!functions) return nullptr;
  std::unique_ptr<Win32MediaSession> session(new Win32MediaSession);
  if (!session->Open(std::move(functions), std::move(handlers))) return nullptr;
  return session;
}

bool Win32MediaSession::Open(std::unique_ptr<WinRtFunctions> functions, SessionHandlers handlers) {
  functions_ = std::move(functions);
  initialized_ = functions_->Initialize();
  ComRef<media_abi::ISystemMediaTransportControlsInterop> interop;
  if (FAILED(functions_->GetActivationFactory(media_abi::kSystemMediaTransportControlsClass,
                                              media_abi::kIidSystemMediaTransportControlsInterop, interop.PutVoid()))) {
    return false;
  }
  window_.emplace(std::move(handlers));
  const HWND window = window_->handle();
  if (FAILED(interop->GetForWindow(window, media_abi::kIidSystemMediaTransportControls, controls_.PutVoid())) ||
      !controls_) {
    return false;
  }
  *handler_.Put() = new ButtonPressedHandler(window);
  listening_ = SUCCEEDED(controls_->add_ButtonPressed(handler_.get(), &token_));
  controls_->put_IsEnabled(TRUE);
  Idle();
  return true;
}

Win32MediaSession::~Win32MediaSession() {
  if (handler_) handler_->Detach();
  if (controls_) {
    if (listening_) controls_->remove_ButtonPressed(token_);
    controls_->put_IsEnabled(FALSE);
  }
  controls_.Reset();
  handler_.Reset();
  if (initialized_) functions_->Uninitialize();
}

void Win32MediaSession::Publish(const tonquil::NowPlaying& now) {
  const tonquil::SessionDisplay display = tonquil::SessionDisplayOf(now);
  publishing_ = true;
  ShowDisplay(display);
  ShowStatus(PlaybackStatusOf(display.status));
  ShowButtons(buttons_on_);
}

void Win32MediaSession::Idle() {
  publishing_ = false;
  ShowStatus(PlaybackStatus::Closed);
  ShowButtons(false);
}

void Win32MediaSession::SetButtonsEnabled(bool enabled) {
  buttons_on_ = enabled;
  if (publishing_) ShowButtons(enabled);
}

// A setter that the system does not implement (E_NOTIMPL) leaves that part out; the
// session goes on without it.
void Win32MediaSession::ShowButtons(bool enabled) {
  const Boolean value = enabled ? TRUE : FALSE;
  controls_->put_IsPlayEnabled(value);
  controls_->put_IsPauseEnabled(value);
  controls_->put_IsStopEnabled(value);
  controls_->put_IsNextEnabled(value);
  controls_->put_IsPreviousEnabled(value);
}

void Win32MediaSession::ShowStatus(PlaybackStatus status) { controls_->put_PlaybackStatus(status); }

void Win32MediaSession::ShowDisplay(const tonquil::SessionDisplay& display) {
  ComRef<media_abi::ISystemMediaTransportControlsDisplayUpdater> updater;
  if (FAILED(controls_->get_DisplayUpdater(updater.Put())) || !updater) return;
  updater->put_Type(media_abi::PlaybackType::Music);
  ComRef<media_abi::IMusicDisplayProperties> music;
  if (SUCCEEDED(updater->get_MusicProperties(music.Put())) && music) {
    const HString title(*functions_, ui::Wide(display.title));
    const HString artist(*functions_, ui::Wide(display.artist));
    music->put_Title(title.get());
    music->put_Artist(artist.get());
    ComRef<media_abi::IMusicDisplayProperties2> music2;
    if (SUCCEEDED(music->QueryInterface(media_abi::kIidMusicDisplayProperties2, music2.PutVoid())) && music2) {
      const HString album_title(*functions_, ui::Wide(display.album_title));
      music2->put_AlbumTitle(album_title.get());
    }
  }
  updater->Update();
}
