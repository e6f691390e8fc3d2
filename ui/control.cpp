#include "ui/control.h"

#include "ui/win32_error.h"

namespace ui {

void Control::Create(HWND parent, int id, const std::wstring& caption, Bounds bounds, HFONT font, bool enabled,
                     int dpi) {
  id_ = id;
  bounds_ = bounds;
  dpi_ = dpi;
  const DWORD style = WS_CHILD | WS_VISIBLE | (enabled ? 0 : WS_DISABLED) | Style();
  hwnd_ = CreateWindowExW(ExStyle(), WindowClass(), caption.c_str(), style, bounds.left,
                          bounds.top, bounds.width, bounds.height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (hwnd_ == nullptr) throw Win32Error("CreateWindowExW");
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  AfterCreate();
}

void Control::Place(Bounds bounds, HFONT font, int dpi) {
  bounds_ = bounds;
  dpi_ = dpi;
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.width, bounds.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring Control::Text() const {
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd_, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

void Control::SetText(const std::wstring& text) { SetWindowTextW(hwnd_, text.c_str()); }

void Control::SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

HBRUSH Control::PaintColors(HDC) const { return nullptr; }

HBRUSH Control::ColorsFor(HWND control, HDC dc) {
  const auto* self = reinterpret_cast<const Control*>(GetWindowLongPtrW(control, GWLP_USERDATA));
  return self != nullptr ? self->PaintColors(dc) : nullptr;
}

}  // namespace ui
