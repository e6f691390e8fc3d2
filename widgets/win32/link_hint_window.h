#pragma once
// The small window beside the cursor that shows a link label's target. A top-level
// popup without owner that stays above other windows and never takes the focus.
#include <windows.h>

#include <memory>
#include <string>

#include "ui/win32/window.h"
#include "widgets/win32/font_copy.h"

namespace widgets {

class LinkHintWindow : public ui::Window {
 public:
  // Creates the window, hidden.
  void Create();
  void Close() { Destroy(); }

  // Sizes the window to `text` in `font`, places it beside `cursor` by the offsets,
  // shows it without activating it and paints it.
  void Show(const std::wstring& text, HFONT font, COLORREF background, POINT cursor, int offset_x, int offset_y);
  void Hide();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  SIZE TextExtent() const;
  void Paint();

  std::wstring text_;
  std::unique_ptr<FontCopy> font_;
  COLORREF background_ = 0;
};

}  // namespace widgets
