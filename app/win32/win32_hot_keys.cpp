#include "app/win32/win32_hot_keys.h"

using tonquil::MediaKey;

namespace {

struct KeyCodes {
  MediaKey key;
  UINT virtual_key;
  short app_command;
};

constexpr KeyCodes kCodes[] = {
    {MediaKey::NextTrack, VK_MEDIA_NEXT_TRACK, APPCOMMAND_MEDIA_NEXTTRACK},
    {MediaKey::PrevTrack, VK_MEDIA_PREV_TRACK, APPCOMMAND_MEDIA_PREVIOUSTRACK},
    {MediaKey::PlayPause, VK_MEDIA_PLAY_PAUSE, APPCOMMAND_MEDIA_PLAY_PAUSE},
    {MediaKey::Stop, VK_MEDIA_STOP, APPCOMMAND_MEDIA_STOP},
};

// Hot key ids of an application lie below 0xC000; ours are the key's place plus one.
int IdOf(MediaKey key) { return static_cast<int>(key) + 1; }

const KeyCodes& CodesOf(MediaKey key) {
  for (const KeyCodes& codes : kCodes) {
    if (codes.key == key) return codes;
  }
  return kCodes[0];
}

}  // namespace

// The key alone, without a modifier key. No repeats: a key held down acts once, as a
// click does, and does not queue one exchange after another.
bool Win32HotKeys::Register(MediaKey key) {
  return RegisterHotKey(window_.handle(), IdOf(key), MOD_NOREPEAT, CodesOf(key).virtual_key) != FALSE;
}

void Win32HotKeys::Unregister(MediaKey key) { UnregisterHotKey(window_.handle(), IdOf(key)); }

std::optional<MediaKey> Win32HotKeys::KeyOfHotKey(WPARAM id) {
  for (const KeyCodes& codes : kCodes) {
    if (static_cast<WPARAM>(IdOf(codes.key)) == id) return codes.key;
  }
  return std::nullopt;
}

std::optional<MediaKey> Win32HotKeys::KeyOfAppCommand(LPARAM lparam) {
  const short command = GET_APPCOMMAND_LPARAM(lparam);
  for (const KeyCodes& codes : kCodes) {
    if (codes.app_command == command) return codes.key;
  }
  return std::nullopt;
}

std::optional<MediaKey> Win32HotKeys::KeyOfVirtualKey(WPARAM virtual_key) {
  for (const KeyCodes& codes : kCodes) {
    if (codes.virtual_key == virtual_key) return codes.key;
  }
  return std::nullopt;
}
