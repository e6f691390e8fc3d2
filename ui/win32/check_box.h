#pragma once
// A check box that ticks and clears itself when clicked. Before its window is made the
// box keeps its state itself and hands it to the window when that is made, so a
// window that is made only when first shown can still be read and set.
#include "ui/win32/control.h"

namespace ui {

class CheckBox : public Control {
 public:
  bool IsChecked() const {
    return handle() != nullptr ? SendMessageW(handle(), BM_GETCHECK, 0, 0) == BST_CHECKED : checked_;
  }
  void SetChecked(bool checked) {
    checked_ = checked;
    if (handle() != nullptr) SendMessageW(handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }

 protected:
  const wchar_t* WindowClass() const override { return L"BUTTON"; }
  DWORD Style() const override { return WS_TABSTOP | BS_AUTOCHECKBOX; }
  void AfterCreate() override { SetChecked(checked_); }

 private:
  bool checked_ = false;
};

}  // namespace ui
