#pragma once
// The driver's command table and the failure every command may end with.
#include <string>
#include <vector>

namespace tqdriver {

enum ExitCode : int { kOk = 0, kUsage = 1, kNotFound = 2 };

// Thrown by a command to end the run with a message on stderr and the given exit code.
struct Failure {
  ExitCode code;
  std::wstring message;
};

using Args = std::vector<std::wstring>;

struct Command {
  const wchar_t* name;
  size_t min_args;
  size_t max_args;
  const wchar_t* usage;  // the arguments, as shown by the usage text
  void (*run)(const Args& args);
};

// One table per command group; main walks them in this order.
const std::vector<Command>& WaitCommands();
const std::vector<Command>& DumpCommands();
const std::vector<Command>& ControlCommands();
const std::vector<Command>& WindowCommands();
const std::vector<Command>& MsgboxCommands();
const std::vector<Command>& TrayCommands();
const std::vector<Command>& MenuCommands();
const std::vector<Command>& BalloonCommands();
const std::vector<Command>& CaptionCommands();
const std::vector<Command>& KeyCommands();
const std::vector<Command>& DpiCommands();
const std::vector<Command>& TrayKeyCommands();
const std::vector<Command>& MediaKeyCommands();
const std::vector<Command>& LibraryCommands();
const std::vector<Command>& SoakCommands();
const std::vector<Command>& StartCommands();
const std::vector<Command>& CopyDataCommands();
const std::vector<Command>& ConsoleCommands();

// Parses a non-negative number of milliseconds, or fails with kUsage.
unsigned ParseMilliseconds(const std::wstring& text);
int ParseInt(const std::wstring& text);

}  // namespace tqdriver
