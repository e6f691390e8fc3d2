// console-run: a program started from a console window, as a user types its name at a
// command prompt: it is given no standard handles of its own and may write to the console
// of the program that started it. The driver makes a console of its own for the run, wide
// enough that no line of the program's wraps, and prints what it then shows.
#include <windows.h>

#include <vector>

#include "command.h"
#include "output.h"
#include "remote_process.h"

namespace tqdriver {
namespace {

constexpr SHORT kColumns = 1000;
constexpr DWORD kTimeoutMs = 30000;

// The console's rows up to its cursor, without their trailing blanks.
std::vector<std::wstring> ConsoleLines(HANDLE screen) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  GetConsoleScreenBufferInfo(screen, &info);
  std::vector<std::wstring> lines;
  const COORD cursor = info.dwCursorPosition;
  const SHORT last = cursor.X > 0 ? cursor.Y : static_cast<SHORT>(cursor.Y - 1);
  for (SHORT row = 0; row <= last; ++row) {
    std::wstring line(static_cast<size_t>(info.dwSize.X), L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, line.data(), static_cast<DWORD>(line.size()), {0, row}, &read);
    line.resize(read);
    line.erase(line.find_last_not_of(L' ') + 1);
    lines.push_back(line);
  }
  return lines;
}

// The driver's own standard handles, given back when the run's console is gone.
class KeptStandardHandles {
 public:
  KeptStandardHandles()
      : input_(GetStdHandle(STD_INPUT_HANDLE)),
        output_(GetStdHandle(STD_OUTPUT_HANDLE)),
        error_(GetStdHandle(STD_ERROR_HANDLE)) {}
  ~KeptStandardHandles() {
    FreeConsole();
    SetStdHandle(STD_INPUT_HANDLE, input_);
    SetStdHandle(STD_OUTPUT_HANDLE, output_);
    SetStdHandle(STD_ERROR_HANDLE, error_);
  }
  KeptStandardHandles(const KeptStandardHandles&) = delete;
  KeptStandardHandles& operator=(const KeptStandardHandles&) = delete;

 private:
  HANDLE input_, output_, error_;
};

void ConsoleRun(const Args& args) {
  std::wstring command_line = L"\"" + args[0] + L"\"";
  for (size_t i = 1; i < args.size(); ++i) command_line += L" " + args[i];
  DWORD exit_code = 0;
  std::vector<std::wstring> lines;
  {
    const KeptStandardHandles kept;
    FreeConsole();
    if (!AllocConsole()) {
      throw Failure{kNotFound, L"console-run: no console (error " + std::to_wstring(GetLastError()) + L")"};
    }
    const HANDLE opened = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) throw Failure{kNotFound, L"console-run: no console screen"};
    const OwnedHandle screen(opened);
    SetConsoleScreenBufferSize(screen.get(), {kColumns, 100});
    // No standard handles and no console, as Windows starts a GUI program from a prompt
    // (Wine would hand it the console and its handles).
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(args[0].c_str(), command_line.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                        nullptr, &startup, &started)) {
      throw Failure{kNotFound, L"could not start " + args[0] + L" (error " + std::to_wstring(GetLastError()) + L")"};
    }
    const OwnedHandle process(started.hProcess);
    const OwnedHandle thread(started.hThread);
    if (WaitForSingleObject(process.get(), kTimeoutMs) != WAIT_OBJECT_0) {
      TerminateProcess(process.get(), 1);
      throw Failure{kNotFound, L"console-run: " + args[0] + L" did not end"};
    }
    GetExitCodeProcess(process.get(), &exit_code);
    lines = ConsoleLines(screen.get());
  }
  Record(L"ended").Add(L"exit_code", static_cast<long long>(exit_code)).Print();
  for (const std::wstring& line : lines) Record(L"line").Add(L"text", line).Print();
}

}  // namespace

const std::vector<Command>& ConsoleCommands() {
  static const std::vector<Command> commands = {
      {L"console-run", 1, 8, L"EXE [ARGS...]", ConsoleRun},
  };
  return commands;
}

}  // namespace tqdriver
