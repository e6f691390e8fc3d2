#pragma once
// A multi-line edit control holding one entry per line, with both scroll bars and no
// word wrap. Tab and Shift+Tab move the focus on, as in every other control, instead
// of being typed (Ctrl+Tab still types a tab), and Esc is left to the window.
#include <string>
#include <vector>

#include "ui/win32/control.h"

namespace ui {

class Memo : public Control {
 public:
  // Shows these entries, one a line, in place of what the memo held, from the top.
  void SetLines(const std::vector<std::wstring>& lines);

 protected:
  const wchar_t* WindowClass() const override { return L"EDIT"; }
  DWORD Style() const override {
    return WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN;
  }
  DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
  void AfterCreate() override;

 private:
  static LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR);
};

}  // namespace ui
