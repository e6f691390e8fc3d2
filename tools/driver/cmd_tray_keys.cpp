// tray-key: what the shell tells a program whose icon has the keyboard focus in the
// notification area: Enter or Space (select) or Shift+F10 and the menu key (menu). Wine
// has no keyboard focus in its tray, so the driver tells it in the shell's stead, in
// the layout of notification version 4, which the icon must have asked for.
#include <windows.h>
#include <shellapi.h>

#include "command.h"
#include "output.h"
#include "tray_icons.h"
#include "window_find.h"
#include "window_messages.h"

namespace tqdriver {
namespace {

UINT KeyEvent(const std::wstring& name) {
  if (name == L"select") return NIN_KEYSELECT;
  if (name == L"menu") return WM_CONTEXTMENU;
  throw Failure{kUsage, L"tray key select or menu, not " + name};
}

// Posted: the menu that the program opens does not return before a choice.
void TrayKey(const Args& args) {
  const UINT event = KeyEvent(args[0]);
  const HWND icon = IconAt(args, 1);
  const WineTrayIcon record = ReadIconRecord(icon);
  if (record.version < NOTIFYICON_VERSION_4) {
    throw Failure{kNotFound, L"the icon asked for notification version " + std::to_wstring(record.version) +
                                 L", which has no keyboard events"};
  }
  // The place is the icon's middle, in screen coordinates.
  RECT rect{};
  GetWindowRect(icon, &rect);
  const int x = (rect.left + rect.right) / 2;
  const int y = (rect.top + rect.bottom) / 2;
  // Windows sends Enter's select twice: a count repeats the event.
  const int count = args.size() > 2 ? ParseInt(args[2]) : 1;
  for (int i = 0; i < count; ++i) {
    Post(record.owner, record.callback_message, MAKEWPARAM(x, y), MAKELPARAM(event, record.id));
  }
  Record(L"posted").Add(L"owner", HandleText(record.owner)).Add(L"event", Hex(event)).Add(L"x", x).Add(L"y", y).Print();
}

}  // namespace

const std::vector<Command>& TrayKeyCommands() {
  static const std::vector<Command> commands = {
      {L"tray-key", 1, 3, L"select|menu [INDEX [COUNT]]", TrayKey},
  };
  return commands;
}

}  // namespace tqdriver
