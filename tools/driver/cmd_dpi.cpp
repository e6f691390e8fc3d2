// set-dpi, dpi-changed, text-size: the display scale as Wine takes it from the prefix, and the
// message Windows sends a window moved to a monitor of another scale, which Wine never
// sends by itself.
#include <windows.h>

#include "command.h"
#include "output.h"
#include "remote_process.h"
#include "window_find.h"
#include "window_messages.h"

namespace tqdriver {
namespace {

// set-dpi DPI: the system DPI of programs started from now on.
void SetDpi(const Args& args) {
  const DWORD dpi = static_cast<DWORD>(ParseInt(args[0]));
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
    throw Failure{kNotFound, L"cannot open HKCU\\Control Panel\\Desktop"};
  }
  const LSTATUS status =
      RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) throw Failure{kNotFound, L"cannot set LogPixels"};
  Record(L"dpi").Add(L"dpi", static_cast<long long>(dpi)).Print();
}

// dpi-changed CLASS DPI LEFT TOP WIDTH HEIGHT: WM_DPICHANGED with that suggested
// rectangle. Its lParam points to the rectangle, so the rectangle is written into the
// program's own memory first.
void DpiChanged(const Args& args) {
  const HWND top = RequireTopLevel(args[0]);
  const int dpi = ParseInt(args[1]);
  const int left = ParseInt(args[2]);
  const int top_edge = ParseInt(args[3]);
  const RECT suggested{left, top_edge, left + ParseInt(args[4]), top_edge + ParseInt(args[5])};
  DWORD pid = 0;
  GetWindowThreadProcessId(top, &pid);
  OwnedHandle process(OpenForRemoteWork(pid));
  RemoteMemory rect(process.get(), sizeof suggested);
  rect.Write(0, &suggested, sizeof suggested);
  Send(top, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(rect.address()), kActionTimeoutMs);
  RECT now{};
  GetWindowRect(top, &now);
  Record(L"window").Add(L"hwnd", HandleText(top)).Add(L"rect", RectText(now)).Print();
}

// text-size FACE HEIGHT WEIGHT TEXT: the extent of the text in a font of that face,
// character height (negative, as GDI takes it) and weight; what a label sized to its
// text in that font measures.
void TextSize(const Args& args) {
  const HFONT font = CreateFontW(ParseInt(args[1]), 0, 0, 0, ParseInt(args[2]), FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, args[0].c_str());
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, args[3].c_str(), static_cast<int>(args[3].size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  Record(L"text").Add(L"width", size.cx).Add(L"height", size.cy).Print();
}

}  // namespace

const std::vector<Command>& DpiCommands() {
  static const std::vector<Command> commands = {
      {L"set-dpi", 1, 1, L"DPI", SetDpi},
      {L"dpi-changed", 6, 6, L"CLASS DPI LEFT TOP WIDTH HEIGHT", DpiChanged},
      {L"text-size", 4, 4, L"FACE HEIGHT WEIGHT TEXT", TextSize},
  };
  return commands;
}

}  // namespace tqdriver
