// The floor of any Win32 program of this toolchain: one window class, one fixed-size
// window with two standard controls, shown, and a message loop. The benchmark starts it
// beside Tonquil.exe to tell Tonquil's own start-up cost from that of Windows and Wine.
#include <windows.h>

namespace {

constexpr wchar_t kClass[] = L"TqBareWindow";

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = BareWindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClass;
  if (RegisterClassW(&window_class) == 0) return 1;
  HWND window = CreateWindowExW(0, kClass, L"Bare window", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                100, 100, 465, 568, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  CreateWindowExW(0, L"BUTTON", L"Open", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 8, 8, 65, 25, window, nullptr, instance,
                  nullptr);
  CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_READONLY, 8, 40, 193, 21, window,
                  nullptr, instance, nullptr);
  ShowWindow(window, show_command);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
