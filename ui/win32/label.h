#pragma once
// A static text label with a transparent background. Labels over a coloured shape get
// that shape's brush and their own text colour.
#include "ui/win32/control.h"

namespace ui {

class Label : public Control {
 public:
  // Paints the text in `text` over `background` (nullptr: the button face).
  void SetColors(COLORREF text, HBRUSH background) {
    text_color_ = text;
    background_ = background;
    custom_colors_ = true;
  }
  // Resizes the label to the extent of its text in its font.
  void FitToText();

  HBRUSH PaintColors(HDC dc) const override;

 protected:
  const wchar_t* WindowClass() const override { return L"STATIC"; }
  DWORD Style() const override { return SS_LEFT | SS_NOPREFIX; }

 private:
  COLORREF text_color_ = 0;
  HBRUSH background_ = nullptr;
  bool custom_colors_ = false;
};

}  // namespace ui
