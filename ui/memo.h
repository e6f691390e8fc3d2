#pragma once
// A multi-line edit control holding one entry per line, with both scroll bars and no
// word wrap.
#include <string>

#include "ui/control.h"

namespace ui {

class Memo : public Control {
 public:
  void Clear() { SetText(L""); }
  // Adds one entry as a new last line.
  void AppendLine(const std::wstring& line);

 protected:
  const wchar_t* WindowClass() const override { return L"EDIT"; }
  DWORD Style() const override {
    return WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN;
  }
  DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
  // Edit controls cap their text at 32767 characters unless told otherwise.
  void AfterCreate() override { SendMessageW(handle(), EM_SETLIMITTEXT, 0, 0); }
};

}  // namespace ui
