#pragma once
// An owned GDI font.
#include <windows.h>

namespace ui {

class Font {
 public:
  Font(const wchar_t* face, int height, int weight = FW_NORMAL)
      : font_(CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face)) {}
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  ~Font() {
    if (font_ != nullptr) DeleteObject(font_);
  }
  HFONT handle() const { return font_; }

 private:
  HFONT font_;
};

}  // namespace ui
