// load-library: a library loaded by its name alone inside the program that owns a
// window, as a system component in that program would load one (see probe.h): which
// file the program's search for libraries finds, if any.
#include <windows.h>

#include <cwchar>

#include "command.h"
#include "output.h"
#include "probe.h"
#include "window_find.h"

namespace tqdriver {
namespace {

void LoadLibraryIn(const Args& args) {
  const HWND top = RequireTopLevel(args[0]);
  if (args[1].empty() || args[1].size() >= MAX_PATH) throw Failure{kUsage, L"load-library: a name of a library"};
  DWORD pid = 0;
  GetWindowThreadProcessId(top, &pid);
  const std::unique_ptr<ProbeBlock> block = RunProbe(pid, kProbeLoadLibrary, 0, [&](ProbeBlock& request) {
    wcsncpy(request.library.name, args[1].c_str(), MAX_PATH - 1);
  });
  Record(L"library")
      .Add(L"name", args[1])
      .AddFlag(L"loaded", block->count == 1)
      .Add(L"found", block->library.found)
      .Print();
}

}  // namespace

const std::vector<Command>& LibraryCommands() {
  static const std::vector<Command> commands = {
      {L"load-library", 2, 2, L"CLASS NAME", LoadLibraryIn},
  };
  return commands;
}

}  // namespace tqdriver
