#include "ui/win32/window.h"

#include "ui/monitor_fit.h"
#include "ui/win32/application.h"
#include "ui/win32/dpi.h"
#include "ui/win32/win32_error.h"

namespace ui {
namespace {

tonquil::ScreenRect ToScreenRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

Window::~Window() { Destroy(); }

void Window::Destroy() {
  if (hwnd_ == nullptr) return;
  const HWND hwnd = hwnd_;
  Forget();
  DestroyWindow(hwnd);
}

RECT Window::WindowRect() const {
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  return rect;
}

POINT Window::Position() const {
  if (hwnd_ == nullptr) return position_;
  const RECT rect = WindowRect();
  return {rect.left, rect.top};
}

void Window::MoveTo(int left, int top) {
  if (hwnd_ == nullptr) {
    position_ = {left, top};
    moved_ = true;
    return;
  }
  const RECT now = WindowRect();
  const RECT there{left, top, left + (now.right - now.left), top + (now.bottom - now.top)};
  MONITORINFO nearest{};
  nearest.cbSize = sizeof nearest;
  GetMonitorInfoW(MonitorFromRect(&there, MONITOR_DEFAULTTONEAREST), &nearest);
  const tonquil::ScreenRect place =
      tonquil::FitOnMonitor(ToScreenRect(there), {ToScreenRect(nearest.rcMonitor), ToScreenRect(nearest.rcWork)});
  SetWindowPos(hwnd_, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::CreateTopLevel(const ClassSpec& spec, HWND owner) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  if (!GetClassInfoExW(instance, spec.class_name, &wc)) {
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Window::Procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = spec.class_name;
    if (!RegisterClassExW(&wc)) throw Win32Error("RegisterClassExW");
  }
  const HWND created = CreateWindowExW(spec.ex_style, spec.class_name, L"", spec.style, 0, 0, 0, 0, owner, nullptr,
                                       instance, this);
  if (created == nullptr) throw Win32Error("CreateWindowExW");
  // Sized once it exists: its DPI is the one of the monitor it is made on.
  dpi_ = WindowDpi(created);
  frame_ = FrameSizeForDpi({ScaleForDpi(spec.client_width, dpi_), ScaleForDpi(spec.client_height, dpi_)}, spec.style,
                           spec.ex_style, dpi_);
  SetWindowPos(created, nullptr, 0, 0, frame_.cx, frame_.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Moved afterwards rather than created there: CreateWindowExW reads one left edge,
  // CW_USEDEFAULT, as a request for a default place.
  if (moved_) MoveTo(position_.x, position_.y);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DPICHANGED:
      DpiChanged(LOWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_ACTIVATE:
      KeepFocus(wparam);
      break;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_GETMINMAXINFO: {
      // The system caps a window at the screen's size; a layout scaled for a dense
      // screen may be taller than a small one, and is shown whole all the same.
      auto& limits = *reinterpret_cast<MINMAXINFO*>(lparam);
      if (limits.ptMaxTrackSize.x < frame_.cx) limits.ptMaxTrackSize.x = frame_.cx;
      if (limits.ptMaxTrackSize.y < frame_.cy) limits.ptMaxTrackSize.y = frame_.cy;
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

// Moved to a monitor of another scale: everything is laid out anew while nothing is
// drawn, then the window takes the place the system suggests and is drawn once, so
// that it is never seen at the old size with the new contents or the other way round.
void Window::DpiChanged(int dpi, const RECT& suggested) {
  SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  dpi_ = dpi;
  LayOutForDpi(dpi);
  frame_ = {suggested.right - suggested.left, suggested.bottom - suggested.top};
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, frame_.cx, frame_.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// A window that is not a dialog gets the focus itself when it is activated: the control
// that had it when the window was left gets it back, or else the first in tab order.
void Window::KeepFocus(WPARAM activation) {
  if (LOWORD(activation) != WA_INACTIVE) return;
  const HWND focus = GetFocus();
  if (focus != nullptr && IsChild(hwnd_, focus)) focus_ = focus;
}

void Window::RestoreFocus() {
  HWND target = focus_ != nullptr && IsChild(hwnd_, focus_) && IsWindowEnabled(focus_) ? focus_ : nullptr;
  if (target == nullptr) target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  if (target != nullptr && IsChild(hwnd_, target)) SetFocus(target);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wparam, lparam);
  } catch (...) {
    Application::Instance().HoldError(std::current_exception());
  }
  // The window's last message: the object outlives it and must not act on the dead
  // handle, which Windows may give to another window.
  if (message == WM_NCDESTROY) self->Forget();
  return result;
}

void Window::Forget() {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
}

}  // namespace ui
