// tqlaunch: starts a GUI program in its own folder and prints how long it took from the
// start until a top-level window of the given class, owned by that process, was
// visible. The program is left running. With --exit, starts a program with arguments
// and prints how long it took from the start to its end.
//
//   tqlaunch CLASS EXE [TIMEOUT_MS]   prints "visible_ms N"; exit 2 when it never showed
//   tqlaunch --exit EXE [ARGS...]     prints "exit_ms N" and "exit_code N"; exit 2 when it
//                                     did not end within 30 s
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr DWORD kDefaultTimeoutMs = 30000;

class Handle {
 public:
  explicit Handle(HANDLE handle = nullptr) : handle_(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

bool ShowsWindow(const wchar_t* window_class, DWORD process_id) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, window_class, nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process_id && IsWindowVisible(window)) return true;
  }
  return false;
}

double Milliseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(ticks) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

// Starts the exe in its folder; false (with a message) when it did not start.
bool Start(const std::wstring& exe, const std::wstring& arguments, PROCESS_INFORMATION& started) {
  std::wstring command_line = L"\"" + exe + L"\"" + arguments;
  const std::wstring folder = FolderOf(exe);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (CreateProcessW(exe.c_str(), &command_line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                     &started)) {
    return true;
  }
  std::fwprintf(stderr, L"tqlaunch: cannot start %ls (error %lu)\n", exe.c_str(), GetLastError());
  return false;
}

int LaunchUntilExit(const std::wstring& exe, const std::wstring& arguments) {
  PROCESS_INFORMATION started = {};
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!Start(exe, arguments, started)) return 1;
  const Handle process(started.hProcess);
  const Handle thread(started.hThread);
  if (WaitForSingleObject(process.get(), kDefaultTimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.get(), 1);
    std::fwprintf(stderr, L"tqlaunch: %ls did not end within %lu ms\n", exe.c_str(), kDefaultTimeoutMs);
    return 2;
  }
  LARGE_INTEGER ended;
  QueryPerformanceCounter(&ended);
  DWORD exit_code = 0;
  GetExitCodeProcess(process.get(), &exit_code);
  std::printf("exit_ms %.2f\nexit_code %lu\n", Milliseconds(ended.QuadPart - start.QuadPart), exit_code);
  return 0;
}

int Launch(const wchar_t* window_class, const std::wstring& exe, DWORD timeout_ms) {
  PROCESS_INFORMATION started = {};
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!Start(exe, L"", started)) return 1;
  const Handle process(started.hProcess);
  const Handle thread(started.hThread);
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (!ShowsWindow(window_class, started.dwProcessId)) {
    if (WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0) {
      std::fwprintf(stderr, L"tqlaunch: %ls ended before showing a %ls window\n", exe.c_str(), window_class);
      return 2;
    }
    if (GetTickCount64() >= deadline) {
      TerminateProcess(process.get(), 1);
      std::fwprintf(stderr, L"tqlaunch: no visible %ls window after %lu ms\n", window_class, timeout_ms);
      return 2;
    }
    Sleep(1);
  }
  LARGE_INTEGER shown;
  QueryPerformanceCounter(&shown);
  std::printf("visible_ms %.2f\n", Milliseconds(shown.QuadPart - start.QuadPart));
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 3 && std::wcscmp(argv[1], L"--exit") == 0) {
    std::wstring arguments;
    for (int i = 3; i < argc; ++i) arguments += std::wstring(L" ") + argv[i];
    return LaunchUntilExit(argv[2], arguments);
  }
  if (argc < 3 || argc > 4) {
    std::fwprintf(stderr, L"usage: tqlaunch CLASS EXE [TIMEOUT_MS] | tqlaunch --exit EXE [ARGS...]\n");
    return 1;
  }
  const DWORD timeout = argc == 4 ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : kDefaultTimeoutMs;
  return Launch(argv[1], argv[2], timeout);
}
