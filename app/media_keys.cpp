#include "app/media_keys.h"

namespace tonquil {
namespace {

bool SongUnderWay(std::u16string_view pause_label) {
  return pause_label == u"Playing" || pause_label == u"Paused";
}

}  // namespace

std::optional<ButtonAction> ActionOf(MediaKey key, std::u16string_view pause_label) {
  switch (key) {
    case MediaKey::NextTrack: return ButtonAction::NextSong;
    case MediaKey::PrevTrack: return ButtonAction::PrevSong;
    case MediaKey::PlayPause: return SongUnderWay(pause_label) ? ButtonAction::Pause : ButtonAction::Play;
    case MediaKey::Stop:
      if (SongUnderWay(pause_label)) return ButtonAction::Play;  // the play button stops too
      break;
  }
  return std::nullopt;
}

std::optional<ButtonAction> ActionOf(SessionButton button, std::u16string_view pause_label) {
  const bool playing = pause_label == u"Playing";
  switch (button) {
    case SessionButton::Next: return ActionOf(MediaKey::NextTrack, pause_label);
    case SessionButton::Previous: return ActionOf(MediaKey::PrevTrack, pause_label);
    case SessionButton::Stop: return ActionOf(MediaKey::Stop, pause_label);
    case SessionButton::Play:
      if (!playing) return ActionOf(MediaKey::PlayPause, pause_label);
      break;
    case SessionButton::Pause:
      if (playing) return ActionOf(MediaKey::PlayPause, pause_label);
      break;
  }
  return std::nullopt;
}

void MediaKeyControl::Update(bool wanted) {
  if (wanted == wanted_) return;
  if (!wanted) {
    Release();
    return;
  }
  wanted_ = true;
  if (session_) return;
  for (MediaKey key : kMediaKeys) held_[Index(key)] = api_.Register(key);
}

void MediaKeyControl::UseSession() {
  const bool wanted = wanted_;
  Release();
  session_ = true;
  wanted_ = wanted;
}

void MediaKeyControl::Release() {
  wanted_ = false;
  for (MediaKey key : kMediaKeys) {
    if (held_[Index(key)]) api_.Unregister(key);
    held_[Index(key)] = false;
  }
}

}  // namespace tonquil
