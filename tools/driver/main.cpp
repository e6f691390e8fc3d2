// tqdriver: finds the windows of another program and acts on them, one command a run.
// Results go to stdout as UTF-8 records (see output.h); exit code 0 on success, 2 when a
// window or control was not found, not usable or a wait timed out, 1 on a usage error.
#include <windows.h>

#include <string>

#include "command.h"
#include "output.h"

namespace tqdriver {
namespace {

const std::vector<const std::vector<Command>*>& AllTables() {
  static const std::vector<const std::vector<Command>*> tables = {
      &WaitCommands(), &DumpCommands(), &ControlCommands(), &WindowCommands(), &MsgboxCommands(),
      &TrayCommands(), &MenuCommands(), &BalloonCommands(), &CaptionCommands(),
      &KeyCommands(), &DpiCommands(), &TrayKeyCommands(), &MediaKeyCommands(),
      &LibraryCommands(), &SoakCommands(), &StartCommands(), &CopyDataCommands(),
      &ConsoleCommands()};
  return tables;
}

const Command* FindCommand(const std::wstring& name) {
  for (const auto* table : AllTables()) {
    for (const Command& command : *table) {
      if (name == command.name) return &command;
    }
  }
  return nullptr;
}

void PrintUsage() {
  PrintError(L"usage: tqdriver COMMAND ARGS...  (CONTROL: exact caption, =CAPTION, #ID or @X,Y)");
  for (const auto* table : AllTables()) {
    for (const Command& command : *table) {
      PrintError(std::wstring(L"  ") + command.name + L" " + command.usage);
    }
  }
}

int Run(const Args& words) {
  const Command* command = words.empty() ? nullptr : FindCommand(words.front());
  if (command == nullptr) {
    PrintUsage();
    return kUsage;
  }
  const Args args(words.begin() + 1, words.end());
  if (args.size() < command->min_args || args.size() > command->max_args) {
    PrintError(std::wstring(L"usage: tqdriver ") + command->name + L" " + command->usage);
    return kUsage;
  }
  try {
    command->run(args);
    return kOk;
  } catch (const Failure& failure) {
    PrintError(failure.message);
    return failure.code;
  }
}

}  // namespace
}  // namespace tqdriver

int wmain(int argc, wchar_t** argv) {
  return tqdriver::Run(tqdriver::Args(argv + 1, argv + argc));
}
