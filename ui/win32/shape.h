#pragma once
// A rectangle filled with one colour, lying under the controls drawn on it.
#include "ui/win32/control.h"

namespace ui {

class Shape : public Control {
 public:
  Shape() = default;
  ~Shape() override {
    if (brush_ != nullptr) DeleteObject(brush_);
  }
  // Creates the fill brush; call before Create.
  void SetFill(COLORREF color) { brush_ = CreateSolidBrush(color); }
  HBRUSH brush() const { return brush_; }
  HBRUSH PaintColors(HDC) const override { return brush_; }

 protected:
  const wchar_t* WindowClass() const override { return L"STATIC"; }
  DWORD Style() const override { return SS_LEFT; }
  void AfterCreate() override { SendToBack(); }

 private:
  HBRUSH brush_ = nullptr;
};

}  // namespace ui
