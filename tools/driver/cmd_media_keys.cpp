// media-key, hold-media-key, activate: the keyboard's media keys as a user presses them,
// another program that holds one of them, and bringing a window to the front.
#include <windows.h>

#include "command.h"
#include "key_input.h"
#include "output.h"
#include "polling.h"
#include "window_find.h"

namespace tqdriver {
namespace {

struct MediaKeyName {
  const wchar_t* name;
  WORD virtual_key;
};

constexpr MediaKeyName kMediaKeys[] = {
    {L"next", VK_MEDIA_NEXT_TRACK},
    {L"prev", VK_MEDIA_PREV_TRACK},
    {L"play", VK_MEDIA_PLAY_PAUSE},
    {L"stop", VK_MEDIA_STOP},
};

WORD VirtualKeyOf(const std::wstring& name) {
  for (const MediaKeyName& key : kMediaKeys) {
    if (name == key.name) return key.virtual_key;
  }
  throw Failure{kUsage, L"no media key " + name + L" (next, prev, play or stop)"};
}

// One press and release, as the keyboard sends them; the system hands the press to the
// program that holds the key as a hot key, or else to the active window.
void MediaKey(const Args& args) {
  PressChord({VirtualKeyOf(args[0])});
  Record(L"pressed").Add(L"key", args[0]).Print();
}

// Another player that holds the key for MS milliseconds: "held" once it has it, then a
// "hotkey" line for every press it receives. Fails when the key is held already.
void HoldMediaKey(const Args& args) {
  const WORD virtual_key = VirtualKeyOf(args[0]);
  const unsigned hold_ms = ParseMilliseconds(args[1]);
  constexpr int kId = 1;
  if (!RegisterHotKey(nullptr, kId, 0, virtual_key)) {
    throw Failure{kNotFound, L"cannot hold " + args[0] + L": error " + std::to_wstring(GetLastError())};
  }
  Record(L"held").Add(L"key", args[0]).Print();
  PollUntil(hold_ms, [&] {
    MSG message = {};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_HOTKEY && message.wParam == kId) Record(L"hotkey").Add(L"key", args[0]).Print();
    }
    return false;
  });
  UnregisterHotKey(nullptr, kId);
  Record(L"released").Add(L"key", args[0]).Print();
}

// The user switches to the window from another program's: the driver's own window is
// made active first, so the window is activated afresh, as a click on it would do.
void Activate(const Args& args) {
  const HWND top = RequireTopLevel(args[0]);
  const HWND other = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"tqdriver", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (other != nullptr) {
    SetForegroundWindow(other);
    PollUntil(kDefaultWaitMs, [&] { return GetForegroundWindow() == other; });
  }
  if (other != nullptr) DestroyWindow(other);
  SetForegroundWindow(top);
  const bool active = PollUntil(kDefaultWaitMs, [&] { return GetForegroundWindow() == top; });
  if (!active) throw Failure{kNotFound, L"the window " + args[0] + L" did not become active"};
  Record(L"active").Add(L"hwnd", HandleText(top)).Print();
}

}  // namespace

const std::vector<Command>& MediaKeyCommands() {
  static const std::vector<Command> commands = {
      {L"media-key", 1, 1, L"next|prev|play|stop", MediaKey},
      {L"hold-media-key", 2, 2, L"next|prev|play|stop MS", HoldMediaKey},
      {L"activate", 1, 1, L"CLASS", Activate},
  };
  return commands;
}

}  // namespace tqdriver
