#pragma once
// The media keys as global hot keys of the main window, and the window messages that
// carry a media key press.
#include <windows.h>

#include <optional>

#include "app/media_keys.h"
#include "ui/win32/window.h"

class Win32HotKeys : public tonquil::HotKeyApi {
 public:
  // The window is made after this object: its handle is taken at each call.
  explicit Win32HotKeys(const ui::Window& window) : window_(window) {}

  bool Register(tonquil::MediaKey key) override;
  void Unregister(tonquil::MediaKey key) override;

  // The key of a WM_HOTKEY's id; none for an id that is not ours.
  static std::optional<tonquil::MediaKey> KeyOfHotKey(WPARAM id);
  // The key of a WM_APPCOMMAND; none for the commands that are no media key.
  static std::optional<tonquil::MediaKey> KeyOfAppCommand(LPARAM lparam);
  // The key of a key message's virtual-key code; none for the other keys.
  static std::optional<tonquil::MediaKey> KeyOfVirtualKey(WPARAM virtual_key);

 private:
  const ui::Window& window_;
};
