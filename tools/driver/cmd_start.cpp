// start: a program started as a launcher or a task scheduler starts it, with the way
// to show its window given in the start-up information.
#include <windows.h>

#include "command.h"
#include "output.h"

namespace tqdriver {
namespace {

WORD ShowCommand(const std::wstring& name) {
  if (name == L"hide") return SW_HIDE;
  if (name == L"minimize") return SW_SHOWMINNOACTIVE;
  if (name == L"normal") return SW_SHOWNORMAL;
  throw Failure{kUsage, L"start: hide, minimize or normal, not " + name};
}

// In the given current folder, or else the program's own; the driver does not wait for
// the program.
void Start(const Args& args) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = ShowCommand(args[1]);
  std::wstring command_line = L"\"" + args[0] + L"\"";
  const std::wstring folder = args.size() > 2 ? args[2] : args[0].substr(0, args[0].find_last_of(L"\\/") + 1);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(args[0].c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
    throw Failure{kNotFound, L"could not start " + args[0] + L" (error " + std::to_wstring(GetLastError()) + L")"};
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  Record(L"started").Add(L"pid", static_cast<long long>(started.dwProcessId)).Print();
}

}  // namespace

const std::vector<Command>& StartCommands() {
  static const std::vector<Command> commands = {
      {L"start", 2, 3, L"EXE hide|minimize|normal [FOLDER]", Start},
  };
  return commands;
}

}  // namespace tqdriver
