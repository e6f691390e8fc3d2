// balloon: the balloon that Wine's standalone tray shows for an icon, a tooltip window
// of the tray's process, and its text. Its title cannot be asked for (Wine's tooltips
// leave TTM_GETTITLE unanswered); the tray command shows the title the program gave.
#include <windows.h>
#include <commctrl.h>

#include "command.h"
#include "output.h"
#include "polling.h"
#include "window_find.h"
#include "window_messages.h"

namespace tqdriver {
namespace {

constexpr wchar_t kTrayClass[] = L"__winex11_standalone_tray";

DWORD ProcessOf(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid;
}

// A visible balloon-style tooltip of the tray's process; the icons' plain tips, shown
// while the mouse is over an icon, have no balloon style.
HWND VisibleBalloon() {
  HWND tray = FindWindowExW(nullptr, nullptr, kTrayClass, nullptr);
  if (tray == nullptr) return nullptr;
  for (HWND tip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tip != nullptr;
       tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) {
    const bool balloon_style = (GetWindowLongPtrW(tip, GWL_STYLE) & TTS_BALLOON) != 0;
    if (balloon_style && IsWindowVisible(tip) && ProcessOf(tip) == ProcessOf(tray)) return tip;
  }
  return nullptr;
}

void Balloon(const Args& args) {
  const unsigned timeout = args.empty() ? kDefaultWaitMs : ParseMilliseconds(args[0]);
  HWND tip = PollForWindow(timeout, L"balloon", VisibleBalloon);
  RECT rect = {};
  GetWindowRect(tip, &rect);
  Record(L"balloon")
      .Add(L"hwnd", HandleText(tip))
      .Add(L"text", WindowText(tip))
      .Add(L"rect", RectText(rect))
      .Print();
}

}  // namespace

const std::vector<Command>& BalloonCommands() {
  static const std::vector<Command> commands = {
      {L"balloon", 0, 1, L"[TIMEOUT_MS]", Balloon},
  };
  return commands;
}

}  // namespace tqdriver
