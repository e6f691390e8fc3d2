#include "ui/win32/label.h"

namespace ui {

HBRUSH Label::PaintColors(HDC dc) const {
  SetBkMode(dc, TRANSPARENT);
  if (custom_colors_) SetTextColor(dc, text_color_);
  return background_ != nullptr ? background_ : GetSysColorBrush(COLOR_BTNFACE);
}

void Label::FitToText() {
  const std::wstring text = Text();
  const HDC dc = GetDC(handle());
  const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(handle(), WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(handle(), dc);
  SetWindowPos(handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
