#include "ui/window.h"

#include "ui/application.h"
#include "ui/win32_error.h"

namespace ui {

Window::~Window() { Destroy(); }

void Window::Destroy() {
  if (hwnd_ == nullptr) return;
  const HWND hwnd = hwnd_;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
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
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
  RECT frame{0, 0, spec.client_width, spec.client_height};
  AdjustWindowRectEx(&frame, spec.style, FALSE, spec.ex_style);
  const HWND created = CreateWindowExW(spec.ex_style, spec.class_name, L"", spec.style, 0, 0,
                                       frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                                       instance, this);
  if (created == nullptr) throw Win32Error("CreateWindowExW");
  // Moved afterwards rather than created there: CreateWindowExW reads one left edge,
  // CW_USEDEFAULT, as a request for a default place.
  if (moved_) MoveTo(position_.x, position_.y);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(hwnd_, message, wparam, lparam);
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
