#pragma once
// Messages to the windows of another process. Every send gives up after a timeout or when
// the receiving thread hangs, so a stuck program cannot stop the driver. Only messages
// below WM_USER carry pointers across processes, so none above it is used.
#include <windows.h>

#include <string>
#include <vector>

namespace tqdriver {

constexpr UINT kQueryTimeoutMs = 5000;
// A click runs the program's handler to its end; opening the port exchanges several
// commands with the module before it returns.
constexpr UINT kActionTimeoutMs = 30000;

// The message's result; fails with kNotFound when the window did not answer in time.
LRESULT Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
             UINT timeout_ms = kQueryTimeoutMs);
void Post(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

std::wstring ClassName(HWND window);
std::wstring WindowText(HWND window);
std::vector<std::wstring> ComboItems(HWND combo);

}  // namespace tqdriver
