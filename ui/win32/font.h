#pragma once
// An owned GDI font of a face, a height in pixels at 96 DPI and a weight, made for the
// DPI of the window that uses it once that window knows its DPI: no handle before the
// first ScaleTo.
#include <windows.h>

#include "ui/dpi_scale.h"

namespace ui {

class Font {
 public:
  Font(const wchar_t* face, int height, int weight = FW_NORMAL) : face_(face), height_(height), weight_(weight) {}
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  ~Font() { Release(); }

  HFONT handle() const { return font_; }
  // Makes the font anew for `dpi`; the old handle is no longer valid afterwards.
  void ScaleTo(int dpi) {
    if (dpi == dpi_) return;
    Release();
    Make(dpi);
  }

 private:
  void Make(int dpi) {
    dpi_ = dpi;
    font_ = CreateFontW(ScaleForDpi(height_, dpi), 0, 0, 0, weight_, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face_);
  }
  void Release() {
    if (font_ != nullptr) DeleteObject(font_);
    font_ = nullptr;
  }

  const wchar_t* face_;
  int height_;
  int weight_;
  int dpi_ = 0;
  HFONT font_ = nullptr;
};

}  // namespace ui
