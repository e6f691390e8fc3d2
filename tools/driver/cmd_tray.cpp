// tray, tray-post, tray-renew, tray-add: the notification-area icons that Wine shows
// without a desktop, as children of its standalone tray window, the mouse messages a
// user's click sends, what a restart of the shell does to an icon, and an icon that
// takes another's place.
#include <windows.h>
#include <shellapi.h>

#include "command.h"
#include "output.h"
#include "remote_process.h"
#include "tray_icons.h"
#include "window_find.h"
#include "window_messages.h"

namespace tqdriver {
namespace {

// The balloon fields are what the program last gave; the tray empties the text once
// it has shown the balloon to its end.
void PrintIcon(HWND icon) {
  const WineTrayIcon record = ReadIconRecord(icon);
  DWORD owner_pid = 0;
  GetWindowThreadProcessId(record.owner, &owner_pid);
  RECT rect = {};
  GetWindowRect(icon, &rect);
  Record(L"icon")
      .Add(L"hwnd", HandleText(icon))
      .Add(L"rect", RectText(rect))
      .AddFlag(L"visible", IsWindowVisible(icon) != FALSE && IsWindowVisible(GetAncestor(icon, GA_PARENT)) != FALSE)
      .Add(L"owner", HandleText(record.owner))
      .Add(L"owner_pid", static_cast<long long>(owner_pid))
      .Add(L"id", static_cast<long long>(record.id))
      .Add(L"tip", Terminated(record.tiptext))
      .Add(L"balloon_title", Terminated(record.info_title))
      .Add(L"balloon_text", Terminated(record.info_text))
      .Add(L"balloon_flags", static_cast<long long>(record.info_flags))
      .Add(L"balloon_timeout", static_cast<long long>(record.info_timeout))
      .Add(L"version", static_cast<long long>(record.version))
      .Print();
}

void Tray(const Args&) {
  for (HWND icon : Icons()) PrintIcon(icon);
}

UINT MouseMessage(const std::wstring& name) {
  if (name == L"lbuttondblclk") return WM_LBUTTONDBLCLK;
  if (name == L"lbuttondown") return WM_LBUTTONDOWN;
  if (name == L"lbuttonup") return WM_LBUTTONUP;
  if (name == L"rbuttondown") return WM_RBUTTONDOWN;
  if (name == L"rbuttonup") return WM_RBUTTONUP;
  throw Failure{kUsage, L"mouse message lbuttondblclk, lbuttondown, lbuttonup, rbuttondown or rbuttonup, not " +
                            name};
}

// Posted: the icon passes it on to its program, whose handler may open a menu that
// does not return before a choice.
void TrayPost(const Args& args) {
  const UINT message = MouseMessage(args[0]);
  const HWND icon = IconAt(args, 1);
  Post(icon, message, 0, 0);
  Record(L"posted").Add(L"hwnd", HandleText(icon)).Add(L"message", Hex(message)).Print();
}

// An icon in the place of the program's (its window, its id), so that the program's
// own adding fails.
void TakePlace(HWND owner, UINT id) {
  NOTIFYICONDATAW icon = {};
  icon.cbSize = sizeof icon;
  icon.hWnd = owner;
  icon.uID = id;
  icon.uFlags = NIF_ICON;
  icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  if (!Shell_NotifyIconW(NIM_ADD, &icon)) {
    throw Failure{kNotFound, L"the tray did not take an icon for " + HandleText(owner)};
  }
}

// What a restart of the shell does to a program's icon: the new notification area
// starts without it, and the program is told so with "TaskbarCreated". The message goes
// to the icon's owner alone, as other programs may be running their own tests. With
// "refused", the new notification area will not take the icon back.
void TrayRenew(const Args& args) {
  const bool refused = args.size() > 1 && args[1] == L"refused";
  if (args.size() > 1 && !refused) throw Failure{kUsage, L"tray-renew: refused, not " + args[1]};
  const WineTrayIcon record = ReadIconRecord(IconAt(args, 0));
  NOTIFYICONDATAW forget = {};
  forget.cbSize = sizeof forget;
  forget.hWnd = record.owner;
  forget.uID = record.id;
  if (!Shell_NotifyIconW(NIM_DELETE, &forget)) {
    throw Failure{kNotFound, L"the tray did not remove the icon of " + HandleText(record.owner)};
  }
  if (refused) TakePlace(record.owner, record.id);
  Post(record.owner, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  Record(L"renewed").Add(L"owner", HandleText(record.owner)).AddFlag(L"refused", refused).Print();
}

// Takes an icon's place in the tray before its program does, owned by the program's
// window of the given class.
void TrayAdd(const Args& args) {
  const HWND owner = RequireTopLevel(args[0]);
  const UINT id = static_cast<UINT>(ParseInt(args[1]));
  TakePlace(owner, id);
  Record(L"added").Add(L"owner", HandleText(owner)).Add(L"id", static_cast<long long>(id)).Print();
}

}  // namespace

const std::vector<Command>& TrayCommands() {
  static const std::vector<Command> commands = {
      {L"tray", 0, 0, L"", Tray},
      {L"tray-post", 1, 2, L"lbuttondblclk|lbuttondown|lbuttonup|rbuttondown|rbuttonup [INDEX]", TrayPost},
      {L"tray-renew", 0, 2, L"[INDEX [refused]]", TrayRenew},
      {L"tray-add", 2, 2, L"CLASS ID", TrayAdd},
  };
  return commands;
}

}  // namespace tqdriver
