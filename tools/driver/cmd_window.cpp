// close, minimize, restore, shell-minimize, shell-restore, popups, end-session, move,
// rect: the top-level window as its title bar, the task bar and the system handle it.
#include <windows.h>

#include "command.h"
#include "output.h"
#include "window_find.h"
#include "window_messages.h"

namespace tqdriver {
namespace {

constexpr UINT kEndSessionTimeoutMs = 5000;  // the system's own limit for each message

void PrintRect(HWND top) {
  RECT rect = {};
  RECT client = {};
  GetWindowRect(top, &rect);
  GetClientRect(top, &client);
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowPlacement(top, &placement);
  Record(L"rect")
      .Add(L"hwnd", HandleText(top))
      .Add(L"rect", RectText(rect))
      .Add(L"normal", RectText(placement.rcNormalPosition))
      .Add(L"client", std::to_wstring(client.right) + L"x" + std::to_wstring(client.bottom))
      .AddFlag(L"visible", IsWindowVisible(top) != FALSE)
      .AddFlag(L"minimized", IsIconic(top) != FALSE)
      .Print();
}

// WM_CLOSE is what the title bar's close box ends in; posted, so that a handler which
// asks the user something cannot block the driver.
void Close(const Args& args) {
  Post(RequireTopLevel(args[0]), WM_CLOSE, 0, 0);
}

void Minimize(const Args& args) {
  Post(RequireTopLevel(args[0]), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void Restore(const Args& args) {
  Post(RequireTopLevel(args[0]), WM_SYSCOMMAND, SC_RESTORE, 0);
}

// As the task bar's button does it: ShowWindow works on a disabled window too, where
// the system command is ignored.
void ShellMinimize(const Args& args) { ShowWindowAsync(RequireTopLevel(args[0]), SW_MINIMIZE); }

void ShellRestore(const Args& args) { ShowWindowAsync(RequireTopLevel(args[0]), SW_RESTORE); }

// What Windows does to a window's owned pop-ups when it minimises and restores the
// window; Wine leaves them as they are.
void Popups(const Args& args) {
  const bool show = args[1] == L"show";
  if (!show && args[1] != L"hide") throw Failure{kUsage, L"popups: show or hide, not " + args[1]};
  const HWND owner = RequireTopLevel(args[0]);
  for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
    if (GetWindow(window, GW_OWNER) == owner && (IsWindowVisible(window) != FALSE) != show) {
      ShowWindowAsync(window, show ? SW_SHOWNA : SW_HIDE);
    }
  }
}

// What the system sends a window when the user logs off: the question, then the end.
void EndSession(const Args& args) {
  const HWND top = RequireTopLevel(args[0]);
  DWORD_PTR agreed = 0;
  SendMessageTimeoutW(top, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, kEndSessionTimeoutMs, &agreed);
  if (agreed == FALSE) throw Failure{kNotFound, L"the window refused to end the session"};
  SendMessageTimeoutW(top, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, kEndSessionTimeoutMs, nullptr);
  Record(L"ended").Add(L"hwnd", HandleText(top)).Print();
}

// The program sees the move as it would see a drag: WM_WINDOWPOSCHANGING first.
void Move(const Args& args) {
  HWND top = RequireTopLevel(args[0]);
  if (!SetWindowPos(top, nullptr, ParseInt(args[1]), ParseInt(args[2]), 0, 0,
                    SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)) {
    throw Failure{kNotFound, L"could not move " + args[0]};
  }
  PrintRect(top);
}

void Rect(const Args& args) {
  PrintRect(RequireTopLevel(args[0]));
}

}  // namespace

const std::vector<Command>& WindowCommands() {
  static const std::vector<Command> commands = {
      {L"close", 1, 1, L"CLASS", Close},
      {L"minimize", 1, 1, L"CLASS", Minimize},
      {L"restore", 1, 1, L"CLASS", Restore},
      {L"shell-minimize", 1, 1, L"CLASS", ShellMinimize},
      {L"shell-restore", 1, 1, L"CLASS", ShellRestore},
      {L"popups", 2, 2, L"CLASS show|hide", Popups},
      {L"end-session", 1, 1, L"CLASS", EndSession},
      {L"move", 3, 3, L"CLASS X Y", Move},
      {L"rect", 1, 1, L"CLASS", Rect},
  };
  return commands;
}

}  // namespace tqdriver
