#pragma once
// A push button; its click reaches the parent as BN_CLICKED.
#include "ui/win32/control.h"

namespace ui {

class Button : public Control {
 protected:
  const wchar_t* WindowClass() const override { return L"BUTTON"; }
  DWORD Style() const override { return WS_TABSTOP | BS_PUSHBUTTON; }
};

}  // namespace ui
