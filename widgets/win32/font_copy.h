#pragma once
// An owned font made with the attributes of another font, which stays its owner's.
#include <windows.h>

namespace widgets {

class FontCopy {
 public:
  explicit FontCopy(HFONT source) { CopyFrom(source); }
  FontCopy(const FontCopy&) = delete;
  FontCopy& operator=(const FontCopy&) = delete;
  ~FontCopy() { Release(); }

  HFONT handle() const { return font_; }

  // Replaces this font with one of `source`'s attributes.
  void CopyFrom(HFONT source) {
    LOGFONTW attributes{};
    GetObjectW(source, sizeof attributes, &attributes);
    const HFONT copy = CreateFontIndirectW(&attributes);
    Release();
    font_ = copy;
  }

 private:
  void Release() {
    if (font_ != nullptr) DeleteObject(font_);
    font_ = nullptr;
  }

  HFONT font_ = nullptr;
};

}  // namespace widgets
