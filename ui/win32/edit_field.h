#pragma once
// A read-only single-line edit field: its text can be selected and copied, not typed.
#include "ui/win32/control.h"

namespace ui {

class EditField : public Control {
 protected:
  const wchar_t* WindowClass() const override { return L"EDIT"; }
  DWORD Style() const override { return WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY; }
  DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
};

}  // namespace ui
