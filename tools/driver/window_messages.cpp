#include "window_messages.h"

#include "command.h"
#include "output.h"

namespace tqdriver {

LRESULT Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT timeout_ms) {
  DWORD_PTR result = 0;
  SetLastError(ERROR_SUCCESS);
  // Wine returns the message's result instead of a success flag, so a zero return is a
  // failure only when it comes with an error (a timeout, a window that went away).
  if (SendMessageTimeoutW(window, message, wparam, lparam, SMTO_ABORTIFHUNG, timeout_ms,
                          &result) == 0 &&
      GetLastError() != ERROR_SUCCESS) {
    const DWORD error = GetLastError();
    throw Failure{kNotFound, L"window " + HandleText(window) + L" did not answer message " +
                                 Hex(message) + L" within " + std::to_wstring(timeout_ms) +
                                 L" ms (error " + std::to_wstring(error) + L")"};
  }
  return static_cast<LRESULT>(result);
}

void Post(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!PostMessageW(window, message, wparam, lparam)) {
    throw Failure{kNotFound, L"could not post message " + Hex(message) + L" to window " +
                                 HandleText(window)};
  }
}

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring WindowText(HWND window) {
  const auto length = static_cast<size_t>(Send(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<size_t>(
      Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied < text.size() ? copied : length);
  return text;
}

std::vector<std::wstring> ComboItems(HWND combo) {
  std::vector<std::wstring> items;
  const LRESULT count = Send(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const auto index = static_cast<WPARAM>(i);
    const LRESULT length = Send(combo, CB_GETLBTEXTLEN, index, 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    const LRESULT copied = Send(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    items.push_back(text);
  }
  return items;
}

}  // namespace tqdriver
