#pragma once
// A bitmap from the program's resources, shown at its own size scaled for the DPI.
#include "ui/win32/control.h"

namespace ui {

class Picture : public Control {
 public:
  ~Picture() override {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
  }
  void SetBitmap(const wchar_t* resource_name);

 protected:
  const wchar_t* WindowClass() const override { return L"STATIC"; }
  DWORD Style() const override { return SS_BITMAP; }

 private:
  HBITMAP bitmap_ = nullptr;
};

}  // namespace ui
