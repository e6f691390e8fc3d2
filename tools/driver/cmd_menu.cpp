// menu, menu-key: the popup menu that another program has open (a window of class
// "#32768"), read item by item (one record each, submenus after their item; path numbers
// the item by position, one number per level), and the keys a user would press in it.
#include <windows.h>

#include "command.h"
#include "menu_probe.h"
#include "output.h"
#include "polling.h"
#include "window_find.h"
#include "window_messages.h"

namespace tqdriver {
namespace {

constexpr wchar_t kMenuClass[] = L"#32768";

// The visible popup menus in z-order: a submenu opens above its parent, so the last is
// the menu that was opened first.
std::vector<HWND> VisibleMenus() {
  std::vector<HWND> menus;
  for (HWND menu = FindWindowExW(nullptr, nullptr, kMenuClass, nullptr); menu != nullptr;
       menu = FindWindowExW(nullptr, menu, kMenuClass, nullptr)) {
    if (IsWindowVisible(menu)) menus.push_back(menu);
  }
  return menus;
}

HWND WaitMenu(unsigned timeout) {
  return PollForWindow(timeout, L"popup menu", [] {
    const std::vector<HWND> menus = VisibleMenus();
    return menus.empty() ? nullptr : menus.back();
  });
}

void PrintItems(DWORD pid, HMENU menu) {
  for (const ProbeItem& item : ReadMenuOfProcess(pid, menu)) {
    const bool separator = (item.type & MFT_SEPARATOR) != 0;
    Record(L"item")
        .Add(L"path", item.path)
        .Add(L"id", static_cast<long long>(item.id))
        .Add(L"text", separator ? L"-" : item.text)
        .AddFlag(L"separator", separator)
        .AddFlag(L"submenu", item.has_submenu != 0)
        .AddFlag(L"grayed", (item.state & MFS_GRAYED) != 0)
        .AddFlag(L"checked", (item.state & MFS_CHECKED) != 0)
        .Print();
  }
}

void Menu(const Args& args) {
  HWND window = WaitMenu(args.empty() ? kDefaultWaitMs : ParseMilliseconds(args[0]));
  const auto menu = reinterpret_cast<HMENU>(Send(window, MN_GETHMENU, 0, 0));
  if (menu == nullptr) throw Failure{kNotFound, L"the popup menu " + HandleText(window) + L" names no menu"};
  RECT rect = {};
  GetWindowRect(window, &rect);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  Record(L"menu")
      .Add(L"hwnd", HandleText(window))
      .Add(L"hmenu", Hex(reinterpret_cast<UINT_PTR>(menu)))
      .Add(L"pid", static_cast<long long>(pid))
      .Add(L"rect", RectText(rect))
      .Print();
  PrintItems(pid, menu);
}

WPARAM VirtualKey(const std::wstring& name) {
  if (name == L"down") return VK_DOWN;
  if (name == L"up") return VK_UP;
  if (name == L"right") return VK_RIGHT;
  if (name == L"left") return VK_LEFT;
  if (name == L"enter") return VK_RETURN;
  if (name == L"escape") return VK_ESCAPE;
  throw Failure{kUsage, L"key down, up, right, left, enter or escape, not " + name};
}

// The menu's own loop reads the key presses from its thread's queue, as it reads the
// keyboard; it acts on the press alone, and the last press may close the menu, so no
// release follows.
void MenuKey(const Args& args) {
  std::vector<WPARAM> keys;
  for (const std::wstring& name : args) keys.push_back(VirtualKey(name));
  HWND window = WaitMenu(kDefaultWaitMs);
  for (const WPARAM key : keys) Post(window, WM_KEYDOWN, key, 1);
  Record(L"keys").Add(L"hwnd", HandleText(window)).Add(L"count", static_cast<long long>(args.size())).Print();
}

}  // namespace

const std::vector<Command>& MenuCommands() {
  static const std::vector<Command> commands = {
      {L"menu", 0, 1, L"[TIMEOUT_MS]", Menu},
      {L"menu-key", 1, 16, L"down|up|right|left|enter|escape...", MenuKey},
  };
  return commands;
}

}  // namespace tqdriver
