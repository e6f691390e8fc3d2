#include "ui/win32/control.h"

#include "ui/win32/win32_error.h"

namespace ui {

void Control::Create(HWND parent, int id, const std::wstring& caption, Bounds bounds, HFONT font, bool enabled,
                     int dpi) {
  id_ = id;
  bounds_ = bounds;
  dpi_ = dpi;
  // Each control that takes the focus is a group of its own: Tab walks them in
  // z-order, which is the layout's order, and the arrow keys stay with the controls
  // that use them (a drop-down list's selection) instead of moving the focus.
  const DWORD kind = Style();
  const DWORD group = (kind & WS_TABSTOP) != 0 ? WS_GROUP : 0;
  const DWORD style = WS_CHILD | WS_VISIBLE | (enabled ? 0 : WS_DISABLED) | group | kind;
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

void Control::SetEnabled(bool enabled) {
  // A control put out of use while it has the focus hands it on to the next one, so
  // that the keyboard keeps a place in the window.
  if (!enabled && GetFocus() == hwnd_) {
    const HWND next = GetNextDlgTabItem(GetParent(hwnd_), hwnd_, FALSE);
    if (next != nullptr && next != hwnd_) SetFocus(next);
  }
  EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

HBRUSH Control::PaintColors(HDC) const { return nullptr; }

HBRUSH Control::ColorsFor(HWND control, HDC dc) {
  const auto* self = reinterpret_cast<const Control*>(GetWindowLongPtrW(control, GWLP_USERDATA));
  return self != nullptr ? self->PaintColors(dc) : nullptr;
}

}  // namespace ui
