// counts: what the program that owns a window holds of the system's objects, for a
// soak that looks for leaks: kernel handles, GDI and USER objects as the system counts
// them, and its windows (top-level and child) counted one by one, which Wine can count
// where it does not keep the others.
#include <windows.h>

#include "command.h"
#include "output.h"
#include "remote_process.h"
#include "window_find.h"

namespace tqdriver {
namespace {

struct WindowCount {
  DWORD pid;
  long long count;
};

BOOL CALLBACK CountChild(HWND, LPARAM param) {
  ++reinterpret_cast<WindowCount*>(param)->count;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
  auto& windows = *reinterpret_cast<WindowCount*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != windows.pid) return TRUE;
  ++windows.count;
  EnumChildWindows(window, CountChild, param);
  return TRUE;
}

void Counts(const Args& args) {
  DWORD pid = 0;
  GetWindowThreadProcessId(RequireTopLevel(args[0]), &pid);
  OwnedHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid));
  if (process.get() == nullptr) throw Failure{kNotFound, L"cannot open the program's process"};
  DWORD handles = 0;
  const bool handles_known = GetProcessHandleCount(process.get(), &handles) != FALSE;
  WindowCount windows{pid, 0};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
  Record(L"counts")
      .Add(L"pid", static_cast<long long>(pid))
      .Add(L"handles", handles_known ? static_cast<long long>(handles) : -1)
      .Add(L"gdi", static_cast<long long>(GetGuiResources(process.get(), GR_GDIOBJECTS)))
      .Add(L"user", static_cast<long long>(GetGuiResources(process.get(), GR_USEROBJECTS)))
      .Add(L"windows", windows.count)
      .Print();
}

}  // namespace

const std::vector<Command>& SoakCommands() {
  static const std::vector<Command> commands = {
      {L"counts", 1, 1, L"CLASS", Counts},
  };
  return commands;
}

}  // namespace tqdriver
