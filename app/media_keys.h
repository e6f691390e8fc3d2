#pragma once
// The keyboard's four media keys as a remote control of the module. Each acts as one of
// the control panel's buttons; the play/pause key depends on what the module is doing.
// While a port is open and the option is on, the keys are taken as global hot keys, so
// that they work with the window in the tray or behind others; a key that another
// program already holds is left to it and works only while this window is active.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "device/exchange.h"
#include "nowplaying/media_session_values.h"

namespace tonquil {

enum class MediaKey { NextTrack, PrevTrack, PlayPause, Stop };
inline constexpr std::array<MediaKey, 4> kMediaKeys = {MediaKey::NextTrack, MediaKey::PrevTrack,
                                                       MediaKey::PlayPause, MediaKey::Stop};

// The button whose handler the key runs, given the text of L_Pause: "Playing" or
// "Paused" means a song is under way, so play/pause pauses or resumes it and stop
// stops it; otherwise play/pause starts playing and stop has nothing to stop.
std::optional<ButtonAction> ActionOf(MediaKey key, std::u16string_view pause_label);

// The button whose handler a button of the system's media session runs: the one of the
// key it stands for. The session asks for play or for pause, where the key toggles: a
// request for what the module does already does nothing.
std::optional<ButtonAction> ActionOf(SessionButton button, std::u16string_view pause_label);

// Taking and giving back the global hot keys of one window.
class HotKeyApi {
 public:
  virtual ~HotKeyApi() = default;
  // False when the key could not be taken, for one because another program holds it.
  virtual bool Register(MediaKey key) = 0;
  virtual void Unregister(MediaKey key) = 0;
};

// Which keys are held and which key presses act. Holds the keys exactly while they are
// wanted (the option on and a port open) and gives them back when it goes away. Where
// the system has a media session, the keys reach the program through the session's
// buttons, and no hot key is taken: other players and the system's own handling of the
// keys keep working.
class MediaKeyControl {
 public:
  explicit MediaKeyControl(HotKeyApi& api) : api_(api) {}
  ~MediaKeyControl() { Release(); }
  MediaKeyControl(const MediaKeyControl&) = delete;
  MediaKeyControl& operator=(const MediaKeyControl&) = delete;

  // Takes every key it can when `wanted` becomes true, gives back the ones it took when
  // it becomes false; nothing when it stays as it was. No message when a key is taken.
  void Update(bool wanted);
  // From now on the keys come through the session's buttons: the hot keys held are given
  // back, and none is taken any more.
  void UseSession();
  // The session's buttons act exactly while the keys are wanted.
  bool ActsOnSessionButton() const { return wanted_ && session_; }
  // A hot key press acts only while the keys are wanted and for a key held here: one
  // that arrives after its release was meant for nobody any more.
  bool ActsOnHotKey(MediaKey key) const { return wanted_ && held_[Index(key)]; }
  // A press seen by the active window acts only for a key that is not held here: a held
  // key arrives as its hot key, and must not act twice.
  bool ActsOnWindowKey(MediaKey key) const { return wanted_ && !held_[Index(key)]; }
  bool Holds(MediaKey key) const { return held_[Index(key)]; }

 private:
  static std::size_t Index(MediaKey key) { return static_cast<std::size_t>(key); }
  void Release();

  HotKeyApi& api_;
  bool wanted_ = false;
  bool session_ = false;
  std::array<bool, kMediaKeys.size()> held_{};
};

}  // namespace tonquil
