#pragma once
// The notification-area icons that Wine shows without a desktop: children of its
// standalone tray window, each with the tray's record of the icon behind it.
#include <windows.h>

#include <string>
#include <vector>

#include "command.h"

namespace tqdriver {

// What the tray keeps of an icon: Wine 8's record behind the icon window's
// GWLP_USERDATA, in the tray's process. Nothing else tells another process the tip or
// the balloon's title and flags that the program gave; the window fields check that
// the record really has this layout.
struct WineTrayIcon {
  void* list_next;
  void* list_prev;
  HICON image;
  HWND owner;
  HWND window;
  BOOL layered;
  HWND tooltip;
  UINT state;
  UINT id;
  UINT callback_message;
  int display;
  WCHAR tiptext[128];
  WCHAR info_text[256];
  WCHAR info_title[64];
  UINT info_flags;
  UINT info_timeout;
  HICON info_icon;
  UINT version;
};

template <size_t N>
std::wstring Terminated(const WCHAR (&field)[N]) {
  size_t length = 0;
  while (length < N && field[length] != L'\0') ++length;
  return std::wstring(field, length);
}

// Fails with kNotFound when the record has another layout.
WineTrayIcon ReadIconRecord(HWND icon);
std::vector<HWND> Icons();
// The icon at the index args[position] (0 when absent) among all icons, as `tray`
// lists them; fails with kNotFound.
HWND IconAt(const Args& args, size_t position);

}  // namespace tqdriver
