// wait: for a top-level window to exist, show, hide or go away; windows: list them all.
#include <windows.h>

#include "command.h"
#include "output.h"
#include "polling.h"
#include "window_find.h"
#include "window_messages.h"

namespace tqdriver {
namespace {

enum class WaitFor { kExists, kVisible, kHidden, kGone };

WaitFor ParseWaitFor(const std::wstring& text) {
  if (text == L"exists") return WaitFor::kExists;
  if (text == L"visible") return WaitFor::kVisible;
  if (text == L"hidden") return WaitFor::kHidden;
  if (text == L"gone") return WaitFor::kGone;
  throw Failure{kUsage, L"wait for exists, visible, hidden or gone, not " + text};
}

bool Reached(HWND window, WaitFor state) {
  switch (state) {
    case WaitFor::kExists: return window != nullptr;
    case WaitFor::kVisible: return window != nullptr && IsWindowVisible(window);
    case WaitFor::kHidden: return window != nullptr && !IsWindowVisible(window);
    case WaitFor::kGone: return window == nullptr;
  }
  return false;
}

void PrintWindow(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  RECT rect = {};
  GetWindowRect(window, &rect);
  Record(L"window")
      .Add(L"hwnd", HandleText(window))
      .Add(L"class", ClassName(window))
      .Add(L"text", WindowText(window))
      .Add(L"pid", static_cast<long long>(pid))
      .AddFlag(L"visible", IsWindowVisible(window) != FALSE)
      .Add(L"rect", RectText(rect))
      .Print();
}

void Wait(const Args& args) {
  const unsigned timeout = args.size() > 1 ? ParseMilliseconds(args[1]) : kDefaultWaitMs;
  const WaitFor state = args.size() > 2 ? ParseWaitFor(args[2]) : WaitFor::kExists;
  HWND window = nullptr;
  if (PollUntil(timeout, [&] { return Reached(window = FindTopLevel(args[0]), state); })) {
    if (window == nullptr) {
      PrintLine(L"gone");
    } else {
      PrintWindow(window);
    }
    return;
  }
  throw Failure{kNotFound, L"timed out after " + std::to_wstring(timeout) + L" ms waiting for " +
                               args[0] + L" (" + (args.size() > 2 ? args[2] : L"exists") + L")"};
}

BOOL CALLBACK PrintEach(HWND window, LPARAM) {
  try {
    PrintWindow(window);
  } catch (const Failure& failure) {
    PrintError(failure.message);  // a hung window must not hide the others
  }
  return TRUE;
}

void Windows(const Args&) {
  EnumWindows(PrintEach, 0);
}

}  // namespace

const std::vector<Command>& WaitCommands() {
  static const std::vector<Command> commands = {
      {L"wait", 1, 3, L"CLASS [TIMEOUT_MS] [exists|visible|hidden|gone]", Wait},
      {L"windows", 0, 0, L"", Windows},
  };
  return commands;
}

}  // namespace tqdriver
