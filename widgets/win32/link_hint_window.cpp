#include "widgets/win32/link_hint_window.h"

#include "widgets/url_link_state.h"

namespace widgets {
namespace {

constexpr int kTextLeft = 2;
constexpr int kTextTop = 2;

}  // namespace

void LinkHintWindow::Create() {
  CreateTopLevel({L"TURLLinkHint", WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, 0, 0}, nullptr);
}

void LinkHintWindow::Show(const std::wstring& text, HFONT font, COLORREF background, POINT cursor, int offset_x,
                          int offset_y) {
  text_ = text;
  font_ = std::make_unique<FontCopy>(font);
  background_ = background;
  const SIZE extent = TextExtent();
  const tonquil::HintPlace place = tonquil::PlaceHint(cursor.x, cursor.y, extent.cx, extent.cy, offset_x, offset_y);
  SetWindowPos(handle(), HWND_TOPMOST, place.left, place.top, place.width, place.height, SWP_NOACTIVATE);
  ShowWindow(handle(), SW_SHOWNA);
  InvalidateRect(handle(), nullptr, TRUE);
  UpdateWindow(handle());
}

void LinkHintWindow::Hide() { ShowWindow(handle(), SW_HIDE); }

SIZE LinkHintWindow::TextExtent() const {
  SIZE extent{};
  const HDC dc = GetDC(handle());
  const HGDIOBJ old = SelectObject(dc, font_->handle());
  GetTextExtentPoint32W(dc, text_.c_str(), static_cast<int>(text_.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(handle(), dc);
  return extent;
}

void LinkHintWindow::Paint() {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(handle(), &paint);
  RECT client{};
  GetClientRect(handle(), &client);
  const HBRUSH brush = CreateSolidBrush(background_);
  FillRect(dc, &client, brush);
  DeleteObject(brush);
  if (font_ != nullptr) {
    const HGDIOBJ old = SelectObject(dc, font_->handle());
    SetBkMode(dc, TRANSPARENT);
    // A font carries no colour of its own here: the text has the default font colour.
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutW(dc, kTextLeft, kTextTop, text_.c_str(), static_cast<int>(text_.size()));
    SelectObject(dc, old);
  }
  EndPaint(handle(), &paint);
}

LRESULT LinkHintWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ERASEBKGND:
      return 1;  // Paint fills the background with the hint's own colour.
    case WM_PAINT:
      Paint();
      return 0;
    default:
      return Window::HandleMessage(message, wparam, lparam);
  }
}

}  // namespace widgets
