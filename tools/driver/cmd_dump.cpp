// dump: a top-level window and every control in it, one record each. Fonts are not
// listed: Wine answers WM_GETFONT from another process with no font, and a font handle
// of another process means nothing here anyway.
#include <windows.h>

#include "command.h"
#include "output.h"
#include "window_find.h"
#include "window_messages.h"

namespace tqdriver {
namespace {

LONG_PTR Style(HWND window) {
  return GetWindowLongPtrW(window, GWL_STYLE);
}

std::wstring LongHex(HWND window, int index) {
  return Hex(static_cast<unsigned long long>(GetWindowLongPtrW(window, index)) & 0xFFFFFFFFu);
}

void AddKindDetails(Record& record, HWND window, const std::wstring& kind) {
  if (kind == L"check" || kind == L"radio") {
    record.Add(L"check", static_cast<long long>(Send(window, BM_GETCHECK, 0, 0)));
  } else if (kind == L"edit" || kind == L"memo") {
    record.AddFlag(L"readonly", (Style(window) & ES_READONLY) != 0);
  } else if (kind == L"combo") {
    const std::vector<std::wstring> items = ComboItems(window);
    record.Add(L"count", static_cast<long long>(items.size()))
        .Add(L"selection", static_cast<long long>(Send(window, CB_GETCURSEL, 0, 0)))
        .AddList(L"items", items);
  }
}

void PrintTop(HWND top) {
  RECT window_rect = {};
  RECT client_rect = {};
  GetWindowRect(top, &window_rect);
  GetClientRect(top, &client_rect);
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowPlacement(top, &placement);
  DWORD pid = 0;
  GetWindowThreadProcessId(top, &pid);
  Record(L"window")
      .Add(L"hwnd", HandleText(top))
      .Add(L"class", ClassName(top))
      .Add(L"text", WindowText(top))
      .Add(L"pid", static_cast<long long>(pid))
      .Add(L"rect", RectText(window_rect))
      .Add(L"normal", RectText(placement.rcNormalPosition))
      .Add(L"client", std::to_wstring(client_rect.right) + L"x" + std::to_wstring(client_rect.bottom))
      .AddFlag(L"enabled", IsWindowEnabled(top) != FALSE)
      .AddFlag(L"visible", IsWindowVisible(top) != FALSE)
      .AddFlag(L"minimized", IsIconic(top) != FALSE)
      .Add(L"style", LongHex(top, GWL_STYLE))
      .Add(L"exstyle", LongHex(top, GWL_EXSTYLE))
      .Print();
}

void PrintControl(HWND top, const Control& control) {
  HWND window = control.window;
  const std::wstring kind = ControlKind(window);
  Record record(L"control");
  record.Add(L"hwnd", HandleText(window))
      .Add(L"depth", control.depth)
      .Add(L"path", control.path)
      .Add(L"class", ClassName(window))
      .Add(L"kind", kind)
      .Add(L"id", GetDlgCtrlID(window))
      .Add(L"text", WindowText(window))
      .Add(L"rect", RectText(RectInClientOf(window, top)))
      .Add(L"local", RectText(RectInClientOf(window, GetAncestor(window, GA_PARENT))))
      .AddFlag(L"enabled", IsWindowEnabled(window) != FALSE)
      .AddFlag(L"effective", EnabledWithAncestors(window))
      .AddFlag(L"visible", IsWindowVisible(window) != FALSE)
      .Add(L"style", LongHex(window, GWL_STYLE))
      .Add(L"exstyle", LongHex(window, GWL_EXSTYLE));
  AddKindDetails(record, window, kind);
  record.Print();
}

void Dump(const Args& args) {
  HWND top = RequireTopLevel(args[0]);
  PrintTop(top);
  for (const Control& control : Descendants(top)) PrintControl(top, control);
}

}  // namespace

const std::vector<Command>& DumpCommands() {
  static const std::vector<Command> commands = {
      {L"dump", 1, 1, L"CLASS", Dump},
  };
  return commands;
}

}  // namespace tqdriver
