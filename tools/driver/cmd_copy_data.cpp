// copydata: what another program may send a window as WM_COPYDATA; stand-in: a window of
// a class that never answers, as a hung program's would.
#include <windows.h>

#include <string>

#include "command.h"
#include "output.h"
#include "window_find.h"

namespace tqdriver {
namespace {

constexpr UINT kCopyDataTimeoutMs = 10000;

// "copydata CLASS TAG TEXT [BYTES]": TEXT as UTF-16 with dwData TAG (0x for hex); BYTES, when
// given, is the cbData claimed, whatever the text's length.
void CopyData(const Args& args) {
  const HWND window = FindTopLevel(args[0]);
  if (window == nullptr) throw Failure{kNotFound, L"no window of class " + args[0]};
  std::wstring text = args[2];
  text.resize(text.size() + 64);  // room behind the text for a claimed length beyond it
  const DWORD bytes = args.size() > 3 ? static_cast<DWORD>(ParseInt(args[3]))
                                      : static_cast<DWORD>(args[2].size() * sizeof(wchar_t));
  if (bytes > text.size() * sizeof(wchar_t)) throw Failure{kUsage, L"at most 64 bytes beyond the text"};
  COPYDATASTRUCT data{static_cast<ULONG_PTR>(static_cast<unsigned>(ParseInt(args[1]))), bytes, text.data()};
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                          kCopyDataTimeoutMs, &result) == 0) {
    throw Failure{kNotFound, L"the window did not answer"};
  }
  Record(L"copydata").Add(L"result", static_cast<long long>(result)).Print();
}

LRESULT CALLBACK StandInProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

// "stand-in CLASS MS": a hidden window of the class, then no message handled for MS.
void StandIn(const Args& args) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = &StandInProcedure;
  window_class.hInstance = instance;
  window_class.lpszClassName = args[0].c_str();
  if (RegisterClassW(&window_class) == 0) throw Failure{kUsage, L"cannot register " + args[0]};
  const HWND window =
      CreateWindowExW(0, args[0].c_str(), L"stand-in", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                      instance, nullptr);
  if (window == nullptr) throw Failure{kUsage, L"cannot create the window"};
  Record(L"stand-in").Add(L"hwnd", HandleText(window)).Print();
  Sleep(ParseMilliseconds(args[1]));
  DestroyWindow(window);
}

}  // namespace

const std::vector<Command>& CopyDataCommands() {
  static const std::vector<Command> commands = {
      {L"copydata", 3, 4, L"CLASS TAG TEXT [CLAIMED_BYTES]", &CopyData},
      {L"stand-in", 2, 2, L"CLASS MS", &StandIn},
  };
  return commands;
}

}  // namespace tqdriver
