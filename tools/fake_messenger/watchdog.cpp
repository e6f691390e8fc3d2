#include "watchdog.h"

#include <windows.h>

namespace fake_messenger {
namespace {

constexpr DWORD kPollMs = 50;

struct Watch {
  std::wstring stop_path;
  ULONGLONG deadline;
};

bool StopFileExists(const std::wstring& path) {
  return !path.empty() && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

DWORD WINAPI WatchThread(LPVOID parameter) {
  const Watch* watch = static_cast<const Watch*>(parameter);
  for (;;) {
    // ExitProcess, not a message to the window: the window's thread may be the one
    // that hangs.
    if (StopFileExists(watch->stop_path)) ExitProcess(kExitStopFile);
    if (GetTickCount64() >= watch->deadline) ExitProcess(kExitLifetime);
    Sleep(kPollMs);
  }
}

}  // namespace

bool StartWatchdog(const std::wstring& stop_path, unsigned lifetime_ms) {
  // Lives as long as the process, which the thread itself ends.
  static Watch watch;
  watch = {stop_path, GetTickCount64() + lifetime_ms};
  const HANDLE thread = CreateThread(nullptr, 0, WatchThread, &watch, 0, nullptr);
  if (thread == nullptr) return false;
  CloseHandle(thread);
  return true;
}

}  // namespace fake_messenger
