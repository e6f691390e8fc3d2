#pragma once
// Waiting for something that another program shows in its own time: asked again every
// 50 ms until it is there or the time is up.
#include <windows.h>

#include <string>

#include "command.h"

namespace tqdriver {

// How long the commands that wait for a window wait unless told.
constexpr unsigned kDefaultWaitMs = 10000;

// True as soon as `reached()` is; false once `timeout_ms` have passed without it.
template <class Reached>
bool PollUntil(unsigned timeout_ms, Reached reached) {
  constexpr DWORD kPollMs = 50;
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    if (reached()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(kPollMs);
  }
}

// The first window that `find()` gives; fails with "no WHAT within N ms" otherwise.
template <class Find>
HWND PollForWindow(unsigned timeout_ms, const wchar_t* what, Find find) {
  HWND window = nullptr;
  if (!PollUntil(timeout_ms, [&] { return (window = find()) != nullptr; })) {
    throw Failure{kNotFound, std::wstring(L"no ") + what + L" within " + std::to_wstring(timeout_ms) + L" ms"};
  }
  return window;
}

}  // namespace tqdriver
