// fake_messenger: stands in for a running instant messenger in the tests. It owns a
// hidden top-level window of the messenger's class, logs every WM_COPYDATA sent to it,
// and prints "ready" once the window can be found.
#include <windows.h>

#include "console.h"
#include "copy_data_log.h"
#include "options.h"
#include "watchdog.h"

namespace fake_messenger {
namespace {

constexpr wchar_t kWindowClass[] = L"MsnMsgrUIManager";

struct Messenger {
  CopyDataLog* log;
  bool hang;
};

Messenger* the_messenger = nullptr;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COPYDATA:
      the_messenger->log->Append(wparam, *reinterpret_cast<const COPYDATASTRUCT*>(lparam));
      // A messenger that stopped answering: the sender waits until it gives up.
      if (the_messenger->hang) Sleep(INFINITE);
      return TRUE;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

HWND CreateMessengerWindow(const std::wstring& title) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = kWindowClass;
  if (RegisterClassExW(&window_class) == 0) return nullptr;
  // Top-level and never shown: a message-only window would not be found by a search
  // among the top-level windows.
  return CreateWindowExW(0, kWindowClass, title.c_str(), WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                         window_class.hInstance, nullptr);
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

int Run(int argc, wchar_t** argv) {
  Options options;
  try {
    options = ParseOptions(argc, argv);
  } catch (const std::wstring& reason) {
    PrintError(reason);
    PrintError(kUsage);
    return 2;
  }
  if (!StartWatchdog(options.stop_path, options.lifetime_ms)) return 1;
  try {
    CopyDataLog log(options.log_path, options.name);
    Messenger messenger{&log, options.hang};
    the_messenger = &messenger;
    if (CreateMessengerWindow(options.name) == nullptr) {
      PrintError(L"cannot create the window, error " + std::to_wstring(GetLastError()));
      return 1;
    }
    PrintLine(L"ready");
    return RunMessageLoop();
  } catch (const std::wstring& reason) {
    PrintError(reason);
    return 1;
  }
}

}  // namespace
}  // namespace fake_messenger

int wmain(int argc, wchar_t** argv) { return fake_messenger::Run(argc, argv); }
