#include "nowplaying/win32/win32_messenger_windows.h"

#include <windows.h>

#include "text/win32/wide.h"

namespace tonquil {
namespace {

// A messenger that does not answer within this time is passed over, so that a hung
// one cannot freeze the program's only thread.
constexpr UINT kAnswerTimeoutMs = 1000;

HWND AsWindow(MessengerWindow window) { return reinterpret_cast<HWND>(window); }

}  // namespace

MessengerWindow Win32MessengerWindows::Next(MessengerWindow after) {
  static const std::wstring window_class = ui::Wide(kMessengerWindowClass);
  return reinterpret_cast<MessengerWindow>(FindWindowExW(nullptr, AsWindow(after), window_class.c_str(), nullptr));
}

void Win32MessengerWindows::SendCopyData(MessengerWindow window, std::uintptr_t data_id, std::string_view bytes) {
  COPYDATASTRUCT record{};
  record.dwData = data_id;
  record.cbData = static_cast<DWORD>(bytes.size());
  // The receiver only reads it; the record type has no const pointer.
  record.lpData = const_cast<char*>(bytes.data());
  DWORD_PTR result = 0;
  // SMTO_BLOCK: no other program's sent message runs in our windows while we wait, so
  // a send from the middle of a parse or the close cannot be re-entered.
  // SMTO_ABORTIFHUNG: a window already known to be hung costs no wait at all.
  SendMessageTimeoutW(AsWindow(window), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record),
                      SMTO_BLOCK | SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result);
}

}  // namespace tonquil
