#pragma once
// A check box that ticks and clears itself when clicked.
#include "ui/control.h"

namespace ui {

class CheckBox : public Control {
 public:
  bool IsChecked() const { return SendMessageW(handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetChecked(bool checked) {
    SendMessageW(handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }

 protected:
  const wchar_t* WindowClass() const override { return L"BUTTON"; }
  DWORD Style() const override { return WS_TABSTOP | BS_AUTOCHECKBOX; }
};

}  // namespace ui
